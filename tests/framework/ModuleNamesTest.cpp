#include "ModuleNames.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct NamesCase {
    std::string modulePath;
    std::string helpFilePath;
    std::string fileTitle;
};

TEST(ModuleNamesTest, HelpPathAndTitleComeFromThePathCutBeforeItsLastDot) {
    const std::vector<NamesCase> cases = {
        {"C:\\Tools\\CorvalisConfig.exe", "C:\\Tools\\CorvalisConfig.HLP", "CorvalisConfig"},
        {"C:\\CorvalisConfig.exe", "C:\\CorvalisConfig.HLP", "CorvalisConfig"},
        {"C:\\My.Tools\\CorvalisConfig.exe", "C:\\My.Tools\\CorvalisConfig.HLP", "CorvalisConfig"},
        {"C:\\Tools\\Other.exe", "C:\\Tools\\Other.HLP", "Other"},
        {"C:\\Tools\\Corvalis.Config.exe", "C:\\Tools\\Corvalis.Config.HLP", "Corvalis.Config"},
        {"C:\\Tools\\CorvalisConfig", "C:\\Tools\\CorvalisConfig.HLP", "CorvalisConfig"},
        // Without an extension the last dot may lie in a directory name; the framework cuts there all the
        // same.
        {"C:\\My.Tools\\CorvalisConfig", "C:\\My.HLP", "My"},
        {"CorvalisConfig.exe", "CorvalisConfig.HLP", "CorvalisConfig"},
        {"C:/Tools/CorvalisConfig.exe", "C:/Tools/CorvalisConfig.HLP", "CorvalisConfig"},
        {"C:CorvalisConfig.exe", "C:CorvalisConfig.HLP", "CorvalisConfig"},
        {"\\\\server\\share\\CorvalisConfig.exe", "\\\\server\\share\\CorvalisConfig.HLP", "CorvalisConfig"},
        {"C:\\Tools/Sub\\CorvalisConfig.exe", "C:\\Tools/Sub\\CorvalisConfig.HLP", "CorvalisConfig"},
        {"C:\\Tools\\Sub/CorvalisConfig.exe", "C:\\Tools\\Sub/CorvalisConfig.HLP", "CorvalisConfig"},
        {"", ".HLP", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.modulePath);
        EXPECT_EQ(HelpFilePathFor(c.modulePath), c.helpFilePath);
        EXPECT_EQ(FileTitleFor(c.modulePath), c.fileTitle);
    }
}

// The first lead byte of the process's ANSI code page, or 0 when it has none.
BYTE FirstLeadByte() {
    for (unsigned b = 0x81; b <= 0xFE; ++b)
        if (IsDBCSLeadByte(static_cast<BYTE>(b)))
            return static_cast<BYTE>(b);
    return 0;
}

TEST(ModuleNamesTest, SecondByteOfADoubleByteCharacterIsNoSeparator) {
    const BYTE lead = FirstLeadByte();
    if (lead == 0)
        GTEST_SKIP() << "the ANSI code page has no double-byte characters";
    // One character whose second byte is the code of a backslash.
    const std::string wide = std::string(1, static_cast<char>(lead)) + '\\';

    EXPECT_EQ(FileTitleFor("C:\\Tools\\App" + wide + ".exe"), "App" + wide);
    EXPECT_EQ(TextBeforeLastBackslash("C:\\Dir" + wide + "\\App.HLP"), "C:\\Dir" + wide);
    EXPECT_EQ(TextBeforeLastBackslash("App" + wide + ".HLP"), "");
}

std::string ModuleFileName(HMODULE module) {
    std::vector<char> buffer(32768);
    const DWORD length = GetModuleFileNameA(module, buffer.data(), static_cast<DWORD>(buffer.size()));
    return std::string(buffer.data(), length);
}

TEST(ModuleNamesTest, ReadModulePathGivesTheSystemsPathOfTheModule) {
    EXPECT_EQ(ReadModulePath(), ModuleFileName(nullptr));
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    ASSERT_NE(kernel, nullptr);
    EXPECT_EQ(ReadModulePath(kernel), ModuleFileName(kernel));
}

// A copy of this executable in a directory deeper than MAX_PATH, loaded as a module without running it.
class DeepModuleCopy {
public:
    DeepModuleCopy() {
        std::vector<wchar_t> temp(MAX_PATH + 1);
        GetTempPathW(static_cast<DWORD>(temp.size()), temp.data());
        const std::wstring top = std::wstring(L"\\\\?\\") + temp.data() + L"corvalis-deep-" +
                                 std::to_wstring(GetCurrentProcessId());
        if (!MakeDirectory(top))
            return;
        for (wchar_t letter = L'a'; letter <= L'e'; ++letter)
            if (!MakeDirectory(m_directories.back() + L"\\" + std::wstring(60, letter)))
                return;
        m_copy = m_directories.back() + L"\\CorvalisConfig.exe";
        std::vector<wchar_t> self(32768);
        GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()));
        if (CopyFileW(self.data(), m_copy.c_str(), FALSE))
            m_module = LoadLibraryExW(m_copy.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    }
    DeepModuleCopy(const DeepModuleCopy&) = delete;
    DeepModuleCopy& operator=(const DeepModuleCopy&) = delete;
    ~DeepModuleCopy() {
        if (m_module)
            FreeLibrary(m_module);
        DeleteFileW(m_copy.c_str());
        for (auto directory = m_directories.rbegin(); directory != m_directories.rend(); ++directory)
            RemoveDirectoryW(directory->c_str());
    }

    HMODULE module() const { return m_module; }

private:
    bool MakeDirectory(const std::wstring& path) {
        if (!CreateDirectoryW(path.c_str(), nullptr))
            return false;
        m_directories.push_back(path);
        return true;
    }

    std::vector<std::wstring> m_directories; // outermost first
    std::wstring m_copy;
    HMODULE m_module = nullptr;
};

TEST(ModuleNamesTest, ReadModulePathReadsAPathLongerThanMaxPathWhole) {
    const DeepModuleCopy copy;
    ASSERT_NE(copy.module(), nullptr);
    const std::string expected = ModuleFileName(copy.module());
    ASSERT_GT(expected.size(), static_cast<size_t>(MAX_PATH));

    const std::string path = ReadModulePath(copy.module());

    EXPECT_EQ(path, expected);
    EXPECT_EQ(FileTitleFor(path), "CorvalisConfig");
}

} // namespace
