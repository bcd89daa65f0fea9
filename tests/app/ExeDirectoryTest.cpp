#include "ExeDirectory.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct DirectoryCase {
    std::string modulePath;
    std::string directory;
};

TEST(ExeDirectoryTest, DirectoryIsTheHelpPathCutBeforeItsLastBackslash) {
    const std::vector<DirectoryCase> cases = {
        {"C:\\Tools\\CorvalisConfig.exe", "C:\\Tools"},
        {"C:\\CorvalisConfig.exe", "C:"},
        {"C:\\My.Tools\\CorvalisConfig.exe", "C:\\My.Tools"},
        {"C:\\Program Files\\Corvalis\\Bin\\CorvalisConfig.exe", "C:\\Program Files\\Corvalis\\Bin"},
        {"\\\\server\\share\\CorvalisConfig.exe", "\\\\server\\share"},
        {"CorvalisConfig.exe", ""},
        {"C:CorvalisConfig.exe", ""},
        // Only a backslash separates here; the other separators of the file title do not.
        {"C:/Tools/CorvalisConfig.exe", ""},
        {"C:\\Tools/Sub/CorvalisConfig.exe", "C:"},
        // Without an extension the help path replaces everything after the directory's dot.
        {"C:\\My.Tools\\CorvalisConfig", "C:"},
        {"C:\\Tools\\CorvalisConfig", "C:\\Tools"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.modulePath);
        EXPECT_EQ(ExeDirectoryFor(c.modulePath), c.directory);
    }
}

TEST(ExeDirectoryTest, RunningExecutablesDirectoryHasNoTrailingBackslash) {
    std::vector<char> buffer(32768);
    const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    const std::string path(buffer.data(), length);
    ASSERT_NE(path.rfind('\\'), std::string::npos);

    EXPECT_EQ(GetExeDirectory(), path.substr(0, path.rfind('\\')));
}

} // namespace
