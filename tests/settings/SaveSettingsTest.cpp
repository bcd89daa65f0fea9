#include "SaveSettings.h"

#include "IniEntries.h"
#include "LoadSettings.h"
#include "RegistryTree.h"
#include "SettingsStoreFixture.h"

#include <windows.h>

#include <filesystem>
#include <map>

namespace {

using Places = std::vector<std::string>;

class SaveSettingsTest : public SettingsStoreTest {
protected:
    // A record in which every field holds a value of its own.
    ConfigSettings Filled() const {
        ConfigSettings s;
        for (const auto& text : kTextFields)
            s.*text.field = std::string("text of ") + text.name;
        s.m_strSettingsFile = m_dir.file("group.ini");
        s.m_strPrivateFuncPrefix = "fn_";
        s.m_nPrivateFuncMode = 0;
        s.m_strPrivateMemberPrefix = "m_";
        s.m_nPrivateMemberMode = 1;
        for (const auto& path : kGroupPathFields)
            s.*path.field = std::string("path of ") + path.name;
        return s;
    }

    static std::optional<std::string> GroupEntry(const std::string& file, const std::string& key) {
        return ReadIniEntry(file, kGroupSection, key);
    }
};

std::set<std::string> SettingsKeyValueNames() {
    std::set<std::string> names;
    if (const auto tree = SnapshotUserTree(kSettingsKey))
        for (const auto& [name, value] : tree->values)
            names.insert(name.substr(name.find('|') + 1));
    return names;
}

TEST_F(SaveSettingsTest, CreatesTheSettingsKeyAndWritesTheSeventeenValues) {
    const ConfigSettings s = Filled();

    EXPECT_EQ(SaveSettings(s), Places{});

    std::set<std::string> expected;
    for (const auto& flag : kFlagFields) {
        expected.insert(flag.name);
        EXPECT_EQ(StoredSetting(flag.name), "0") << flag.name;
    }
    for (const auto& text : kTextFields) {
        expected.insert(text.name);
        EXPECT_EQ(StoredSetting(text.name), s.*text.field) << text.name;
    }
    EXPECT_EQ(SettingsKeyValueNames(), expected);
}

TEST_F(SaveSettingsTest, EachFlagIsWrittenUnderItsOwnName) {
    for (const auto& on : kFlagFields) {
        SCOPED_TRACE(on.name);
        ConfigSettings s = Filled();
        s.*on.field = 7; // any non-zero value is on

        EXPECT_EQ(SaveSettings(s), Places{});

        for (const auto& flag : kFlagFields)
            EXPECT_EQ(StoredSetting(flag.name), flag.name == on.name ? "1" : "0") << flag.name;
    }
}

TEST_F(SaveSettingsTest, ClearedFieldsAreWrittenAsValuesAndNothingIsDeleted) {
    for (const auto& flag : kFlagFields)
        PutSetting(flag.name, "1");
    for (const auto& text : kTextFields)
        PutSetting(text.name, "old");
    PutSetting("NotOurs", "kept");
    const std::string file = m_dir.file("group.ini");
    WriteIniEntry(file, kGroupSection, "MACROFILE", "old");
    WriteIniEntry(file, kGroupSection, "NotOurs", "kept");
    WriteIniEntry(file, "Other", "MACROFILE", "kept");

    ConfigSettings s; // every flag 0, every text empty
    s.m_strSettingsFile = file;
    EXPECT_EQ(SaveSettings(s), Places{});

    for (const auto& flag : kFlagFields)
        EXPECT_EQ(StoredSetting(flag.name), "0") << flag.name;
    for (const auto& text : kTextFields)
        if (text.field != &ConfigSettings::m_strSettingsFile) {
            EXPECT_EQ(StoredSetting(text.name), "") << text.name;
        }
    EXPECT_EQ(GetUserValue(kSettingsKey, "TextForArray")->bytes, std::string(1, '\0'));
    EXPECT_EQ(StoredSetting("NotOurs"), "kept");

    for (const char* key :
         {"PRIVATEFUNC1", "PRIVATEMEMBER1", "MSDNCOLLECTION", "CUSTOMKEYWORDS", "MACROFILE"})
        EXPECT_EQ(GroupEntry(file, key), "") << key;
    EXPECT_EQ(GroupEntry(file, "NotOurs"), "kept");
    EXPECT_EQ(ReadIniEntry(file, "Other", "MACROFILE"), "kept");
}

TEST_F(SaveSettingsTest, WritesTheGroupEntriesInTheirStoredForm) {
    ConfigSettings s = Filled();
    s.m_strPrivateFuncPrefix = "_";
    s.m_nPrivateFuncMode = -1;
    s.m_strPrivateMemberPrefix = "";
    s.m_nPrivateMemberMode = 0;

    EXPECT_EQ(SaveSettings(s), Places{});

    const std::string& file = s.m_strSettingsFile;
    EXPECT_EQ(GroupEntry(file, "PRIVATEFUNC1"), "_,");
    EXPECT_EQ(GroupEntry(file, "PRIVATEMEMBER1"), "");
    for (const auto& path : kGroupPathFields)
        EXPECT_EQ(GroupEntry(file, path.name), s.*path.field) << path.name;
}

TEST_F(SaveSettingsTest, AnEmptyGroupFilePathTouchesNoFile) {
    char windows[MAX_PATH] = {};
    ASSERT_GT(GetWindowsDirectoryA(windows, MAX_PATH), 0u);
    const auto iniFilesIn = [](const std::string& directory) {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(directory))
            if (entry.path().extension() == ".ini" || entry.path().extension() == ".INI")
                files[entry.path().string()] = ReadWholeFile(entry.path().string());
        return files;
    };
    const auto windowsBefore = iniFilesIn(windows);
    ConfigSettings s = Filled();
    s.m_strSettingsFile = "";

    EXPECT_EQ(SaveSettings(s), Places{});

    EXPECT_EQ(StoredSetting("SettingsFileName"), "");
    EXPECT_EQ(StoredSetting("TextForArray"), s.m_strTextForArray);
    EXPECT_TRUE(std::filesystem::is_empty(m_dir.path()));
    EXPECT_EQ(iniFilesIn(windows), windowsBefore);
}

TEST_F(SaveSettingsTest, AnUnwritableGroupFileIsReportedAndEverythingElseIsStored) {
    const std::string directory = m_dir.file("sub");
    ASSERT_TRUE(CreateDirectoryA(directory.c_str(), nullptr));
    for (const std::string& file : {m_dir.file("missing\\group.ini"), directory}) {
        SCOPED_TRACE(file);
        ClearKeys();
        ConfigSettings s = Filled();
        s.m_strSettingsFile = file;
        s.m_bAutoStart = 1;

        EXPECT_EQ(SaveSettings(s), Places{file});

        EXPECT_EQ(StoredSetting("SettingsFileName"), file);
        EXPECT_EQ(StoredSetting("TooltipMsgMax"), s.m_strTooltipMsgMax);
        EXPECT_NE(StoredHookValue().value_or(""), "");
    }
    EXPECT_FALSE(FileExists(m_dir.file("missing")));
}

TEST_F(SaveSettingsTest, ReportsEveryPlaceThatFailedOnceInWriteOrder) {
    // No ordinary key can be created under a volatile one: that makes a key's writes fail.
    const std::string badFile = m_dir.file("missing\\group.ini");
    for (int failing = 0; failing < 8; ++failing) {
        const bool settingsFail = failing & 1, hostFail = failing & 2, fileFail = failing & 4;
        for (int autoStart : {0, 1}) {
            SCOPED_TRACE(testing::Message()
                         << "settings key fails " << settingsFail << ", host key fails " << hostFail
                         << ", file fails " << fileFail << ", auto start " << autoStart);
            ClearKeys();
            if (settingsFail)
                CreateVolatileUserKey("Software\\Brambleworks");
            if (hostFail)
                CreateVolatileUserKey("Software\\Gupta");
            ConfigSettings s = Filled();
            s.m_bAutoStart = autoStart;
            if (fileFail)
                s.m_strSettingsFile = badFile;

            Places expected;
            if (settingsFail)
                expected.push_back(kSettingsKey);
            if (hostFail)
                expected.push_back(kHookKey);
            if (fileFail)
                expected.push_back(badFile);
            EXPECT_EQ(SaveSettings(s), expected);

            EXPECT_EQ(UserKeyExists(kSettingsKey), !settingsFail);
            EXPECT_EQ(UserKeyExists(kHookKey), !hostFail);
            if (!fileFail) {
                EXPECT_EQ(GroupEntry(s.m_strSettingsFile, "MACROFILE"), s.m_strMacroFile);
            }
        }
    }
}

TEST_F(SaveSettingsTest, LongTextsSurviveLoadingAndSavingWhole) {
    std::string text;
    for (int i = 0; text.size() < 2000; ++i)
        text += "word" + std::to_string(i) + ", ";
    text.resize(2000);
    text.back() = 'x';
    std::string entry(5000, 'e');
    entry.front() = 'C';
    entry[2500] = ',';
    const std::string file = m_dir.file("group.ini");
    PutSetting("SettingsFileName", file);
    PutSetting("TextForBlankFunction", text);
    PutSetting("TreeViewBgColor", text);
    WriteIniEntry(file, kGroupSection, "MSDNCOLLECTION", entry);
    WriteIniEntry(file, kGroupSection, "MACROFILE", entry);

    ConfigSettings s;
    LoadSettings(s);
    EXPECT_EQ(s.m_strTextForBlankFunction, text);
    EXPECT_EQ(s.m_strMsdnCollection, entry);
    EXPECT_EQ(SaveSettings(s), Places{});

    EXPECT_EQ(StoredSetting("TextForBlankFunction"), text);
    EXPECT_EQ(StoredSetting("TreeViewBgColor"), text);
    EXPECT_EQ(GroupEntry(file, "MSDNCOLLECTION"), entry);
    EXPECT_EQ(GroupEntry(file, "MACROFILE"), entry);
}

} // namespace
