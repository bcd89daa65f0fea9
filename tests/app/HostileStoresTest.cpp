#include "IniEntries.h"
#include "ProgramTestFixture.h"
#include "RegistryFixture.h"

#include <functional>
#include <map>
#include <ostream>
#include <vector>

// Store states no version of the program would write, run through loading and OK as a user does it: the
// program must neither crash nor hang, must leave whatever is not its own as it was, and must write what it
// loaded, in its own form.

namespace {

const std::string kSiblingKey = "Software\\Brambleworks\\Corvalis\\Other";

// Values and entries that belong to others; every case starts with them and must end with them unchanged.
void PutForeignValues() {
    PutUserValue(kSettingsKey, "Foreign", REG_DWORD, std::string("\x2A\0\0\0", 4));
    PutUserValue(kSiblingKey, "Blob", REG_BINARY, std::string("\0\x01\xFF", 3));
    PutUserValue(kHookKey, "OtherTool", REG_SZ, std::string("C:\\Other\\HOOK.DLL\0", 18));
}

struct StoredForeign {
    std::optional<RawValue> foreign, blob, otherTool;
    bool operator==(const StoredForeign&) const = default;
};

StoredForeign ForeignValues() {
    return {GetUserValue(kSettingsKey, "Foreign"), GetUserValue(kSiblingKey, "Blob"),
            GetUserValue(kHookKey, "OtherTool")};
}

// The value names of the settings key that the program owns and writes on every OK.
const char* const kOwnedValues[] = {
    "SettingsFileName",  "ShowClassNames",           "PasteParameters", "AllowMovement",
    "ColorTreeView",     "TextForBlankFunction",     "ShowGlobals",     "ActiveInLiterals",
    "EnableNamingRules", "EnablePlusPlus",           "TextForArray",    "AddObjectNull",
    "EnableOnInsert",    "DisableOnInsertInActions", "TreeViewBgColor", "TooltipFuncMax",
    "TooltipMsgMax",
};

std::string Bytes(const char* bytes, size_t size) {
    return std::string(bytes, size);
}

struct HostileValue {
    std::string name;
    DWORD type;
    std::string bytes;
};

struct HostileCase {
    const char* name;
    std::vector<HostileValue> values;          // stored raw in the settings key
    std::optional<std::string> groupFileBytes; // the file SettingsFileName names, when one is written
    std::function<std::string(const TempDirectory&)> groupFilePath; // SettingsFileName; none when empty
    std::map<std::string, std::string> savedValues;                 // texts the settings key holds after OK
    std::map<std::string, std::string> savedEntries; // texts of the group file's entries after OK
    bool groupFileReported = false;                  // OK reports the group file as not written
};

void PrintTo(const HostileCase& c, std::ostream* out) {
    *out << c.name;
}

const std::string kLong(100'000, 'x');
const std::string kThirtyDigits(30, '7');

// A file in a folder whose path makes the file's path 300 characters long.
std::string ThreeHundredCharacterPath(const TempDirectory& dir) {
    std::string folder = dir.file(std::string(100, 'd'));
    CreateDirectoryA(folder.c_str(), nullptr);
    folder += "\\" + std::string(100, 'e');
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string name = "g.ini";
    const size_t padding = 300 - folder.size() - 1 - name.size();
    return folder + "\\" + std::string(padding, 'f') + name;
}

const HostileCase kCases[] = {
    {"ValuesOfEveryType",
     {
         {"ShowClassNames", REG_DWORD, Bytes("1\0\0\0", 4)}, // the bytes of the text "1"
         {"ShowGlobals", REG_DWORD, Bytes("\x01\0\0\0", 4)}, // the number 1 is no "1"
         {"PasteParameters", REG_QWORD, Bytes("1\0\0\0\0\0\0\0", 8)},
         {"TextForArray", REG_BINARY, Bytes("[\xFF]", 3)}, // no terminator
         {"TextForBlankFunction", REG_MULTI_SZ, Bytes("one\0two\0\0", 9)},
         {"TreeViewBgColor", REG_EXPAND_SZ, Bytes("%SystemRoot%\0", 13)},
         {"TooltipFuncMax", REG_NONE, Bytes("9\0", 2)},
     },
     std::nullopt,
     nullptr,
     {{"ShowClassNames", "1"},
      {"ShowGlobals", "0"},
      {"PasteParameters", "1"},
      {"TextForArray", "[\xFF]"},
      {"TextForBlankFunction", "one"},
      {"TreeViewBgColor", "%SystemRoot%"},
      {"TooltipFuncMax", "9"}},
     {}},
    {"SizesFromNothingToAHundredThousandBytes",
     {
         {"TooltipMsgMax", REG_SZ, ""},
         {"TooltipFuncMax", REG_SZ, Bytes("\0", 1)},
         {"ActiveInLiterals", REG_SZ, "1"},
         {"TextForArray", REG_SZ, std::string(1023, 'a') + '\0'},
         {"TreeViewBgColor", REG_SZ, std::string(1025, '5')},
         {"TextForBlankFunction", REG_SZ, kLong},
     },
     std::nullopt,
     nullptr,
     {{"TooltipMsgMax", "15"},
      {"TooltipFuncMax", "15"},
      {"ActiveInLiterals", "1"},
      {"TextForArray", std::string(1023, 'a')},
      {"TreeViewBgColor", std::string(1025, '5')},
      {"TextForBlankFunction", kLong}},
     {}},
    {"EmbeddedZeros",
     {
         {"AllowMovement", REG_SZ, Bytes("1\0 and more\0", 12)},
         {"TextForArray", REG_SZ, Bytes("a\0b\0c\0", 6)},
         {"TooltipFuncMax", REG_SZ, Bytes("\0\0\0", 3)},
     },
     std::nullopt,
     nullptr,
     {{"AllowMovement", "1"}, {"TextForArray", "a"}, {"TooltipFuncMax", "15"}},
     {}},
    {"ColourOfThirtyDigits",
     {{"TreeViewBgColor", REG_SZ, kThirtyDigits + '\0'}},
     std::nullopt,
     nullptr,
     {{"TreeViewBgColor", kThirtyDigits}},
     {}},
    {"GroupFileWithUtf8ByteOrderMark",
     {},
     "\xEF\xBB\xBF[CORVALIS]\r\nPrivateFunc1=f_,0\r\nMACROFILE=C:\\macros.txt\r\n[Other]\r\nKeep=this\r\n",
     [](const TempDirectory& dir) { return dir.file("bom.ini"); },
     {},
     {{"PRIVATEFUNC1", "f_,0"},
      {"PRIVATEMEMBER1", ""},
      {"MSDNCOLLECTION", ""},
      {"CUSTOMKEYWORDS", ""},
      {"MACROFILE", "C:\\macros.txt"}}},
    {"GroupFileWithABinaryBlob",
     {},
     "[CORVALIS]\r\nCustomKeywords=C:\\words.txt\r\n" + std::string("\0\x01\x02\xFE\xFF[=]\x1A\r\x7F", 12) +
         "\r\n[Other]\r\nKeep=this\r\n",
     [](const TempDirectory& dir) { return dir.file("blob.ini"); },
     {},
     {{"PRIVATEFUNC1", ""},
      {"PRIVATEMEMBER1", ""},
      {"MSDNCOLLECTION", ""},
      {"CUSTOMKEYWORDS", "C:\\words.txt"},
      {"MACROFILE", ""}}},
    {"GroupFileWithItsSectionTwice",
     {},
     "[CORVALIS]\r\nPrivateMember1=m_,1\r\n[Other]\r\nKeep=this\r\n[CORVALIS]\r\nMSDNCollection=C:\\b."
     "col\r\n",
     [](const TempDirectory& dir) { return dir.file("twice.ini"); },
     {},
     // The platform reads and writes the first of the two sections.
     {{"PRIVATEFUNC1", ""},
      {"PRIVATEMEMBER1", "m_,1"},
      {"MSDNCOLLECTION", ""},
      {"CUSTOMKEYWORDS", ""},
      {"MACROFILE", ""}}},
    {"SettingsFileIsADirectory",
     {},
     std::nullopt,
     [](const TempDirectory& dir) { return dir.path(); },
     {},
     {},
     true},
    {"SettingsFileOnAServerThatDoesNotExist",
     {},
     std::nullopt,
     [](const TempDirectory&) { return std::string("\\\\corvalis-no-such-server\\share\\group.ini"); },
     {},
     {},
     true},
    // Beyond MAX_PATH, which the narrow file functions refuse: nothing to read, and the save is reported.
    {"SettingsFilePathOfThreeHundredCharacters", {}, std::nullopt, ThreeHundredCharacterPath, {}, {}, true},
};

class HostileStoresTest : public ProgramTest, public ::testing::WithParamInterface<HostileCase> {
protected:
    // Presses OK. When a place is reported as not saved, checks the report, dismisses it and cancels.
    void RunOk(const std::optional<std::string>& reportedGroupFile) {
        ProgramProcess process(BuiltProgramPath());
        ASSERT_TRUE(process.started());
        const HWND dialog = process.WaitForDialog(kDialogTitle);
        ASSERT_TRUE(dialog) << "no dialog appeared";
        EndDialogBy(process, dialog, Ending::ReturnKey);
        if (reportedGroupFile) {
            const HWND report = process.WaitForDialog(kDialogTitle, dialog);
            ASSERT_TRUE(report) << "no report of the place that was not saved";
            EXPECT_EQ(MessageBoxText(report), "Some settings could not be saved to:\n" + *reportedGroupFile);
            PostMessageA(report, WM_COMMAND, IDOK, 0);
            EndDialogBy(process, dialog, Ending::EscapeKey);
        }
        EXPECT_TRUE(process.WaitForExit()) << "the process did not end";
    }
};

TEST_P(HostileStoresTest, LoadAndOkKeepWhatIsNotTheProgramsAndWriteWhatItLoaded) {
    const HostileCase& c = GetParam();
    PutForeignValues();
    for (const HostileValue& value : c.values)
        PutUserValue(kSettingsKey, value.name, value.type, value.bytes);
    const std::string groupFile = c.groupFilePath ? c.groupFilePath(m_dir) : "";
    if (!groupFile.empty())
        PutString(kSettingsKey, "SettingsFileName", groupFile);
    if (c.groupFileBytes)
        WriteWholeFile(groupFile, *c.groupFileBytes);
    const StoredForeign foreign = ForeignValues();

    RunOk(c.groupFileReported ? std::optional(groupFile) : std::nullopt);

    EXPECT_EQ(ForeignValues(), foreign);
    std::map<std::string, std::string> expected = c.savedValues;
    expected.emplace("SettingsFileName", groupFile);
    for (const char* name : kOwnedValues) {
        const std::optional<RawValue> stored = GetUserValue(kSettingsKey, name);
        ASSERT_TRUE(stored) << name << " was not written";
        EXPECT_EQ(stored->type, static_cast<DWORD>(REG_SZ)) << name;
        if (const auto it = expected.find(name); it != expected.end()) {
            EXPECT_EQ(stored->bytes, it->second + '\0') << name;
        }
    }
    for (const auto& [key, text] : c.savedEntries)
        EXPECT_EQ(ReadIniEntry(groupFile, kGroupSection, key), text) << key;
    if (c.groupFileBytes && c.groupFileBytes->find("[Other]") != std::string::npos) {
        EXPECT_EQ(ReadIniEntry(groupFile, "Other", "Keep"), "this");
    }
}

INSTANTIATE_TEST_SUITE_P(States, HostileStoresTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
