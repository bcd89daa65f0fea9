#include "GroupSettingsFile.h"

#include "TempFiles.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Text whose every position differs from its neighbours, so that a cut or a shifted read shows.
std::string Pattern(size_t length) {
    std::string text(length, ' ');
    for (size_t i = 0; i < length; ++i)
        text[i] = static_cast<char>('a' + i % 23);
    return text;
}

// Splits the platform's list form (strings each ending in a zero, the list ending in another).
std::vector<std::string> SplitList(const std::vector<char>& buffer, DWORD length) {
    std::vector<std::string> items;
    for (size_t start = 0; start < length;) {
        const std::string item(buffer.data() + start);
        items.push_back(item);
        start += item.size() + 1;
    }
    return items;
}

// What the platform itself sees in the file, independent of the code under test.
std::vector<std::string> SectionNames(const std::string& path) {
    std::vector<char> buffer(65536);
    const DWORD length =
        GetPrivateProfileSectionNamesA(buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
    return SplitList(buffer, length);
}

std::vector<std::string> SectionLines(const std::string& path, const std::string& section) {
    std::vector<char> buffer(65536);
    const DWORD length = GetPrivateProfileSectionA(section.c_str(), buffer.data(),
                                                   static_cast<DWORD>(buffer.size()), path.c_str());
    return SplitList(buffer, length);
}

class GroupSettingsFileTest : public ::testing::Test {
protected:
    TempDirectory m_dir;
    const std::string m_path = m_dir.file("Group.ini");
};

TEST_F(GroupSettingsFileTest, MissingFileReadsEmptyAndIsNotCreated) {
    EXPECT_EQ(ReadGroupSetting(m_path, "MacroFile"), "");
    EXPECT_EQ(ReadGroupSetting(m_dir.file("NoDir\\Group.ini"), "MacroFile"), "");
    EXPECT_FALSE(FileExists(m_path));
}

TEST_F(GroupSettingsFileTest, WriteCreatesTheFileWithSectionCorvalisAndTheKey) {
    EXPECT_TRUE(WriteGroupSetting(m_path, "MacroFile", "C:\\Shared\\Macros.txt"));

    ASSERT_TRUE(FileExists(m_path));
    EXPECT_EQ(SectionNames(m_path), std::vector<std::string>{"CORVALIS"});
    EXPECT_EQ(SectionLines(m_path, "CORVALIS"), std::vector<std::string>{"MacroFile=C:\\Shared\\Macros.txt"});
    EXPECT_EQ(ReadGroupSetting(m_path, "MacroFile"), "C:\\Shared\\Macros.txt");
}

TEST_F(GroupSettingsFileTest, WriteReplacesOnlyItsOwnKey) {
    WriteWholeFile(m_path, "[Other]\r\nMacroFile=other section\r\n"
                           "[CORVALIS]\r\nMacroFile=old\r\nKeywordFile=kept\r\n");

    EXPECT_TRUE(WriteGroupSetting(m_path, "MacroFile", "new"));

    EXPECT_EQ(ReadGroupSetting(m_path, "MacroFile"), "new");
    EXPECT_EQ(ReadGroupSetting(m_path, "KeywordFile"), "kept");
    EXPECT_EQ(SectionLines(m_path, "Other"), std::vector<std::string>{"MacroFile=other section"});
}

struct HandWrittenCase {
    const char* name;
    std::string file;
    std::string key;
    std::string expected;
};

TEST_F(GroupSettingsFileTest, ReadsOnlyTheKeyOfSectionCorvalisInAnyLetterCase) {
    const std::vector<HandWrittenCase> cases = {
        {"key in other case", "[CORVALIS]\r\nPRIVATEFUNC1=pfn_,1\r\n", "PrivateFunc1", "pfn_,1"},
        {"section in lower case", "[corvalis]\r\nPrivateFunc1=pfn_,0\r\n", "PRIVATEFUNC1", "pfn_,0"},
        {"key only in another section", "[Other]\r\nMacroFile=x\r\n[CORVALIS]\r\nKeywordFile=y\r\n",
         "MacroFile", ""},
        {"section missing", "[Other]\r\nMacroFile=x\r\n", "MacroFile", ""},
        {"empty value", "[CORVALIS]\r\nMacroFile=\r\n", "MacroFile", ""},
        {"empty file", "", "MacroFile", ""},
    };
    int fileNumber = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = m_dir.file("Case" + std::to_string(++fileNumber) + ".ini");
        WriteWholeFile(path, c.file);
        EXPECT_EQ(ReadGroupSetting(path, c.key), c.expected);
    }
}

TEST_F(GroupSettingsFileTest, WritesInOneLetterCaseAndReadsInAnother) {
    WriteWholeFile(m_path, "[corvalis]\r\nPrivateFunc1=old\r\n");

    EXPECT_TRUE(WriteGroupSetting(m_path, "PRIVATEFUNC1", "pfn_,1"));

    EXPECT_EQ(ReadGroupSetting(m_path, "PrivateFunc1"), "pfn_,1");
    // The existing section and key are reused, not added a second time in capitals.
    EXPECT_EQ(SectionNames(m_path).size(), 1u);
    EXPECT_EQ(SectionLines(m_path, "CORVALIS").size(), 1u);
}

TEST_F(GroupSettingsFileTest, ValuesOfAnyLengthReadWhole) {
    // Around the first buffer (4,096 with the terminator) and the point where it doubles.
    for (const size_t length : {4094u, 4095u, 4096u, 4097u, 5000u, 8191u, 8192u, 32766u}) {
        SCOPED_TRACE(length);
        const std::string text = Pattern(length);
        ASSERT_TRUE(WriteGroupSetting(m_path, "MacroFile", text));
        EXPECT_EQ(ReadGroupSetting(m_path, "MacroFile"), text);
    }
}

TEST_F(GroupSettingsFileTest, VeryLongValuesWrittenByHandReadWhole) {
    // Wine's WritePrivateProfileStringA stores a value of 32,767 characters or more cut or garbled, yet
    // reports success; so these files are written by hand. Reading works at any length.
    for (const size_t length : {32767u, 65535u, 65536u, 70000u, 200000u}) {
        SCOPED_TRACE(length);
        const std::string text = Pattern(length);
        WriteWholeFile(m_path, "[CORVALIS]\r\nMacroFile=" + text + "\r\nKeywordFile=next\r\n");
        EXPECT_EQ(ReadGroupSetting(m_path, "MacroFile"), text);
        EXPECT_EQ(ReadGroupSetting(m_path, "KeywordFile"), "next");
    }
}

TEST_F(GroupSettingsFileTest, EmptyTextLeavesTheKeyPresentWithAnEmptyValue) {
    ASSERT_TRUE(WriteGroupSetting(m_path, "KeywordFile", "C:\\k.txt"));

    EXPECT_TRUE(WriteGroupSetting(m_path, "KeywordFile", ""));

    EXPECT_EQ(SectionLines(m_path, "CORVALIS"), std::vector<std::string>{"KeywordFile="});
    EXPECT_EQ(ReadGroupSetting(m_path, "KeywordFile"), "");
}

TEST_F(GroupSettingsFileTest, UnwritablePathReportsFailureAndCreatesNothing) {
    // The read-only attribute cannot stand for an unwritable file here: Wine ignores it for root.
    const std::string intoMissingDirectory = m_dir.file("NoDir\\Group.ini");
    EXPECT_FALSE(WriteGroupSetting(intoMissingDirectory, "MacroFile", "x"));
    EXPECT_FALSE(FileExists(m_dir.file("NoDir")));

    const std::string directory = m_dir.file("Folder");
    ASSERT_TRUE(CreateDirectoryA(directory.c_str(), nullptr));
    EXPECT_FALSE(WriteGroupSetting(directory, "MacroFile", "x"));
    // Removing it succeeds only while it is still an empty directory.
    EXPECT_TRUE(RemoveDirectoryA(directory.c_str()));

    // Beyond MAX_PATH, in a folder that exists: the narrow file functions cannot create the file, although
    // Wine's profile function says it did.
    const std::string deepFolder = m_dir.file(std::string(200, 'd'));
    ASSERT_TRUE(CreateDirectoryA(deepFolder.c_str(), nullptr));
    const std::string beyondMaxPath = deepFolder + "\\" + std::string(300 - deepFolder.size() - 1, 'f');
    EXPECT_FALSE(WriteGroupSetting(beyondMaxPath, "MacroFile", "x"));
    EXPECT_FALSE(FileExists(beyondMaxPath));
}

TEST(GroupSettingsFileBareNameTest, BareFileNameUsesTheWindowsDirectory) {
    const std::string name = "CorvalisTest-" + std::to_string(GetCurrentProcessId()) + ".ini";
    char windows[MAX_PATH] = {};
    ASSERT_NE(GetWindowsDirectoryA(windows, sizeof windows), 0u);
    const std::string fullPath = std::string(windows) + "\\" + name;
    DeleteFileA(fullPath.c_str());

    EXPECT_TRUE(WriteGroupSetting(name, "MacroFile", "bare"));
    EXPECT_TRUE(FileExists(fullPath));
    EXPECT_EQ(ReadGroupSetting(fullPath, "MacroFile"), "bare");
    WriteWholeFile(fullPath, "[CORVALIS]\r\nMacroFile=by hand\r\n");
    EXPECT_EQ(ReadGroupSetting(name, "MacroFile"), "by hand");

    DeleteFileA(fullPath.c_str());
}

} // namespace
