#include "LoadSettings.h"

#include "IniEntries.h"
#include "RegistryTree.h"
#include "SaveSettings.h"
#include "SettingsStoreFixture.h"

namespace {

class LoadSettingsTest : public SettingsStoreTest {
protected:
    static ConfigSettings Loaded() {
        ConfigSettings s;
        LoadSettings(s);
        return s;
    }
};

// The group fields that the tests below store, in one form or another: prefixes fn_ (hide) and m_ (lock)
// and three paths.
void ExpectGroupFieldsLoaded(const ConfigSettings& s) {
    EXPECT_EQ(s.m_strPrivateFuncPrefix, "fn_");
    EXPECT_EQ(s.m_nPrivateFuncMode, 0);
    EXPECT_EQ(s.m_strPrivateMemberPrefix, "m_");
    EXPECT_EQ(s.m_nPrivateMemberMode, 1);
    EXPECT_EQ(s.m_strMsdnCollection, "C:\\MSDN\\msdn.col");
    EXPECT_EQ(s.m_strCustomKeywordsFile, "C:\\k.txt");
    EXPECT_EQ(s.m_strMacroFile, "C:\\m.txt");
}

TEST_F(LoadSettingsTest, WithoutAnyKeyEveryFieldTakesItsDefault) {
    const ConfigSettings s = Loaded();

    for (const auto& flag : kFlagFields)
        EXPECT_EQ(s.*flag.field, 0) << flag.name;
    EXPECT_EQ(s.m_bAutoStart, 0);
    EXPECT_EQ(s.m_strTooltipFuncMax, "15");
    EXPECT_EQ(s.m_strTooltipMsgMax, "15");
    EXPECT_EQ(s.m_strTreeViewBgColor, "");
    EXPECT_EQ(s.m_strTextForBlankFunction, "");
    EXPECT_EQ(s.m_strTextForArray, "");
    EXPECT_EQ(s.m_strSettingsFile, "");
    EXPECT_EQ(s.m_nPrivateFuncMode, 1);
    EXPECT_EQ(s.m_nPrivateMemberMode, 1);
    EXPECT_EQ(s.m_strPrivateFuncPrefix, "_");
    EXPECT_EQ(s.m_strPrivateMemberPrefix, "_");
    EXPECT_EQ(s.m_strMsdnCollection, "");
    EXPECT_EQ(s.m_strCustomKeywordsFile, "");
    EXPECT_EQ(s.m_strMacroFile, "");

    // Defaults are applied in memory only.
    EXPECT_FALSE(UserKeyExists("Software\\Brambleworks"));
    EXPECT_FALSE(UserKeyExists("Software\\Gupta"));
}

TEST_F(LoadSettingsTest, EachSettingLandsInItsOwnField) {
    for (const auto& on : kFlagFields) {
        SCOPED_TRACE(on.name);
        ClearKeys();
        for (const auto& flag : kFlagFields)
            PutSetting(flag.name, flag.name == on.name ? "1" : "0");

        const ConfigSettings s = Loaded();

        for (const auto& flag : kFlagFields)
            EXPECT_EQ(s.*flag.field, flag.name == on.name ? 1 : 0) << flag.name;
    }

    ClearKeys();
    for (const auto& text : kTextFields)
        PutSetting(text.name, std::string("text of ") + text.name);
    const ConfigSettings s = Loaded();
    for (const auto& text : kTextFields)
        EXPECT_EQ(s.*text.field, std::string("text of ") + text.name);
}

TEST_F(LoadSettingsTest, OnlyTheExactTextOneLoadsAsOn) {
    for (const std::string stored : {"1 ", " 1", "01", "true", "", "2"}) {
        SCOPED_TRACE('"' + stored + '"');
        ClearKeys();
        for (const auto& flag : kFlagFields)
            PutSetting(flag.name, stored);
        const ConfigSettings s = Loaded();
        for (const auto& flag : kFlagFields)
            EXPECT_EQ(s.*flag.field, 0) << flag.name;
    }
}

TEST_F(LoadSettingsTest, TooltipMaximaDefaultOnlyWhenMissingOrEmpty) {
    const struct {
        std::optional<std::string> stored;
        std::string loaded;
    } cases[] = {
        {std::nullopt, "15"}, {"", "15"}, {"0", "0"}, {"1000", "1000"}, {" ", " "}, {"abc", "abc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored ? '"' + *c.stored + '"' : "missing");
        ClearKeys();
        PutSetting("ShowGlobals", "1"); // the key exists either way
        if (c.stored) {
            PutSetting("TooltipFuncMax", *c.stored);
            PutSetting("TooltipMsgMax", *c.stored);
        }
        const ConfigSettings s = Loaded();
        EXPECT_EQ(s.m_strTooltipFuncMax, c.loaded);
        EXPECT_EQ(s.m_strTooltipMsgMax, c.loaded);
    }
}

TEST_F(LoadSettingsTest, ANamedButMissingGroupFileLeavesNeitherModeSelected) {
    const std::string missing = m_dir.file("missing.ini");
    PutSetting("SettingsFileName", missing);

    const ConfigSettings s = Loaded();

    EXPECT_EQ(s.m_strSettingsFile, missing);
    EXPECT_EQ(s.m_nPrivateFuncMode, -1);
    EXPECT_EQ(s.m_nPrivateMemberMode, -1);
    EXPECT_EQ(s.m_strPrivateFuncPrefix, "");
    EXPECT_EQ(s.m_strPrivateMemberPrefix, "");
    EXPECT_EQ(s.m_strMsdnCollection, "");
    EXPECT_EQ(s.m_strCustomKeywordsFile, "");
    EXPECT_EQ(s.m_strMacroFile, "");
    EXPECT_FALSE(FileExists(missing));
}

TEST_F(LoadSettingsTest, AnEmptyGroupFilePathGivesTheAddInDefaults) {
    PutSetting("SettingsFileName", "");

    const ConfigSettings s = Loaded();

    EXPECT_EQ(s.m_nPrivateFuncMode, 1);
    EXPECT_EQ(s.m_nPrivateMemberMode, 1);
    EXPECT_EQ(s.m_strPrivateFuncPrefix, "_");
    EXPECT_EQ(s.m_strPrivateMemberPrefix, "_");
}

TEST_F(LoadSettingsTest, ReadsGroupEntriesWhateverTheirLetterCase) {
    const std::string file = m_dir.file("group.ini");
    PutSetting("SettingsFileName", file);
    WriteIniEntry(file, "corvalis", "privatefunc1", "fn_,0");
    WriteIniEntry(file, "corvalis", "PRIVATEMEMBER1", "m_,1");
    WriteIniEntry(file, "corvalis", "MsdnCollection", "C:\\MSDN\\msdn.col");
    WriteIniEntry(file, "corvalis", "CustomKeywords", "C:\\k.txt");
    WriteIniEntry(file, "corvalis", "macrofile", "C:\\m.txt");
    WriteIniEntry(file, "Other", "PrivateFunc1", "wrong,1");

    ExpectGroupFieldsLoaded(Loaded());
}

TEST_F(LoadSettingsTest, AnEmptyPrivateEntryLeavesItsFieldsWhileTheOtherEntriesAreRead) {
    const std::string file = m_dir.file("group.ini");
    PutSetting("SettingsFileName", file);
    WriteIniEntry(file, kGroupSection, "PRIVATEFUNC1", "");
    WriteIniEntry(file, kGroupSection, "PRIVATEMEMBER1", "m_,0");
    WriteIniEntry(file, kGroupSection, "MSDNCOLLECTION", "msdn");
    WriteIniEntry(file, kGroupSection, "CUSTOMKEYWORDS", "keywords");
    WriteIniEntry(file, kGroupSection, "MACROFILE", "macros");

    const ConfigSettings s = Loaded();

    EXPECT_EQ(s.m_nPrivateFuncMode, -1);
    EXPECT_EQ(s.m_strPrivateFuncPrefix, "");
    EXPECT_EQ(s.m_strPrivateMemberPrefix, "m_");
    EXPECT_EQ(s.m_nPrivateMemberMode, 0);
    EXPECT_EQ(s.m_strMsdnCollection, "msdn");
    EXPECT_EQ(s.m_strCustomKeywordsFile, "keywords");
    EXPECT_EQ(s.m_strMacroFile, "macros");
}

TEST_F(LoadSettingsTest, EmptyGroupPathsReplaceFieldsButEmptyPrivateEntriesDoNot) {
    const std::string file = m_dir.file("group.ini");
    PutSetting("SettingsFileName", file);
    for (const char* key :
         {"PRIVATEFUNC1", "PRIVATEMEMBER1", "MSDNCOLLECTION", "CUSTOMKEYWORDS", "MACROFILE"})
        WriteIniEntry(file, kGroupSection, key, "");

    ConfigSettings s;
    s.m_strPrivateFuncPrefix = "fn_";
    s.m_nPrivateFuncMode = 0;
    s.m_strPrivateMemberPrefix = "m_";
    s.m_nPrivateMemberMode = 1;
    for (const auto& path : kGroupPathFields)
        s.*path.field = "stale";
    LoadSettings(s);

    EXPECT_EQ(s.m_strPrivateFuncPrefix, "fn_");
    EXPECT_EQ(s.m_nPrivateFuncMode, 0);
    EXPECT_EQ(s.m_strPrivateMemberPrefix, "m_");
    EXPECT_EQ(s.m_nPrivateMemberMode, 1);
    for (const auto& path : kGroupPathFields)
        EXPECT_EQ(s.*path.field, "") << path.name;
}

TEST_F(LoadSettingsTest, ReadsBackAGroupFileThatSavingWrote) {
    const std::string file = m_dir.file("saved.ini");
    ConfigSettings saved;
    saved.m_strSettingsFile = file;
    saved.m_strPrivateFuncPrefix = "fn_";
    saved.m_nPrivateFuncMode = 0;
    saved.m_strPrivateMemberPrefix = "m_";
    saved.m_nPrivateMemberMode = 1;
    saved.m_strMsdnCollection = "C:\\MSDN\\msdn.col";
    saved.m_strCustomKeywordsFile = "C:\\k.txt";
    saved.m_strMacroFile = "C:\\m.txt";
    ASSERT_EQ(SaveSettings(saved), std::vector<std::string>{});
    // Saving spells the keys in capitals; loading asks in mixed case.
    const std::string bytes = ReadWholeFile(file);
    for (const char* key : {"PRIVATEFUNC1=", "PRIVATEMEMBER1=", "MSDNCOLLECTION="})
        EXPECT_NE(bytes.find(key), std::string::npos) << key << " in\n" << bytes;

    ExpectGroupFieldsLoaded(Loaded());
}

TEST_F(LoadSettingsTest, AutoStartFollowsTheHostRegistrationAlone) {
    const struct {
        const char* name;
        std::optional<std::string> hook; // nullopt: no host key at all
        int autoStart;
    } cases[] = {
        {"no host key", std::nullopt, 0},
        {"empty registration", "", 0},
        {"blank registration", " ", 1},
        {"other library", "D:\\x\\CORVALIS30.DLL", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ClearKeys();
        // Whatever the settings key says, only the host key counts.
        for (const auto& flag : kFlagFields)
            PutSetting(flag.name, c.autoStart ? "0" : "1");
        PutSetting("AutoStart", c.autoStart ? "0" : "1");
        PutSetting("Corvalis", c.autoStart ? "" : "C:\\CORVALIS30.DLL");
        if (c.hook)
            PutHookValue(*c.hook);

        EXPECT_EQ(Loaded().m_bAutoStart, c.autoStart);
    }
}

TEST_F(LoadSettingsTest, NeverWritesToAnyStore) {
    const std::string file = m_dir.file("group.ini");
    PutSetting("SettingsFileName", file);
    PutSetting("ShowGlobals", "1 ");
    PutSetting("TextForArray", "");
    WriteIniEntry(file, "corvalis", "privatefunc1", "fn_,");
    WriteIniEntry(file, "corvalis", "MACROFILE", "");
    CreateUserKey("Software\\Gupta\\SQLWindows 3.0");
    const auto settingsBefore = SnapshotUserTree("Software\\Brambleworks");
    const auto hostBefore = SnapshotUserTree("Software\\Gupta");
    const std::string fileBefore = ReadWholeFile(file);

    Loaded();

    EXPECT_EQ(SnapshotUserTree("Software\\Brambleworks"), settingsBefore);
    EXPECT_EQ(SnapshotUserTree("Software\\Gupta"), hostBefore);
    EXPECT_EQ(ReadWholeFile(file), fileBefore);
}

} // namespace
