#include "ConfigSettings.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

TEST(ConfigSettingsTest, FreshRecordHasNoSelectionNoFlagsAndEmptyTexts) {
    const ConfigSettings s;
    EXPECT_EQ(s.m_nPrivateFuncMode, -1);
    EXPECT_EQ(s.m_nPrivateMemberMode, -1);

    for (int ConfigSettings::*flag :
         {&ConfigSettings::m_bShowClassNames, &ConfigSettings::m_bPasteParameters,
          &ConfigSettings::m_bAllowMovement, &ConfigSettings::m_bAutoStart, &ConfigSettings::m_bColorTreeView,
          &ConfigSettings::m_bShowGlobals, &ConfigSettings::m_bActiveInLiterals,
          &ConfigSettings::m_bEnableNamingRules, &ConfigSettings::m_bEnablePlusPlus,
          &ConfigSettings::m_bAddObjectNull, &ConfigSettings::m_bEnableOnInsert,
          &ConfigSettings::m_bDisableOnInsertInActions})
        EXPECT_EQ(s.*flag, 0);

    for (std::string ConfigSettings::*text :
         {&ConfigSettings::m_strSettingsFile, &ConfigSettings::m_strPrivateFuncPrefix,
          &ConfigSettings::m_strPrivateMemberPrefix, &ConfigSettings::m_strMsdnCollection,
          &ConfigSettings::m_strTextForBlankFunction, &ConfigSettings::m_strTextForArray,
          &ConfigSettings::m_strCustomKeywordsFile, &ConfigSettings::m_strMacroFile,
          &ConfigSettings::m_strTreeViewBgColor, &ConfigSettings::m_strTooltipFuncMax,
          &ConfigSettings::m_strTooltipMsgMax})
        EXPECT_EQ(s.*text, "");
}

TEST(BoolEncodingTest, OnlyTheExactTextOneLoadsAsOn) {
    const struct {
        std::string text;
        int loaded;
    } cases[] = {
        {"1", 1},
        {"0", 0},
        {"", 0},
        {"01", 0},
        {"true", 0},
        {"1 ", 0},
        {" 1", 0},
        {"10", 0},
        {"2", 0},
        {"-1", 0},
        {std::string("1\0", 2), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeBool(c.text), c.loaded) << '"' << c.text << '"';
}

TEST(BoolEncodingTest, AnyNonZeroIsWrittenAsOneAndZeroAsZeroNeverEmpty) {
    EXPECT_EQ(EncodeBool(0), "0");
    for (int on : {1, 2, -1, INT_MAX, INT_MIN})
        EXPECT_EQ(EncodeBool(on), "1") << on;
}

// Every combination saving can produce and what loading makes of it.
struct PrivateEntryRow {
    std::string prefix;
    int mode;
    std::string stored;
    std::string loadedPrefix;
    int loadedMode;
};

const PrivateEntryRow kPrivateEntryRows[] = {
    {"P", 0, "P,0", "P", 0},     {"P", 1, "P,1", "P", 1},     {"P", -1, "P,", "P", 1},
    {"m_", 0, "m_,0", "m_", 0},  {"_", -1, "_,", "_", 1},     {"A,B", 0, "A,B,0", "A", 0},
    {"A,B", 1, "A,B,1", "A", 1}, {"A,B", -1, "A,B,", "A", 1},
};

TEST(PrivateEntryTest, EncodesEveryPrefixAndMode) {
    for (const auto& row : kPrivateEntryRows)
        EXPECT_EQ(EncodePrivateEntry(row.prefix, row.mode), row.stored) << row.prefix << " mode " << row.mode;
}

TEST(PrivateEntryTest, DecodesWhatSavingWrites) {
    for (const auto& row : kPrivateEntryRows) {
        std::string prefix = "before";
        int mode = -1;
        DecodePrivateEntry(row.stored, prefix, mode);
        EXPECT_EQ(prefix, row.loadedPrefix) << row.stored;
        EXPECT_EQ(mode, row.loadedMode) << row.stored;
    }
}

TEST(PrivateEntryTest, AnEmptyPrefixIsStoredEmptyAndAnEmptyValueChangesNothing) {
    for (int mode : {-1, 0, 1})
        EXPECT_EQ(EncodePrivateEntry("", mode), "") << mode;

    for (int before : {-1, 0, 1}) {
        std::string prefix = "kept";
        int mode = before;
        DecodePrivateEntry("", prefix, mode);
        EXPECT_EQ(prefix, "kept");
        EXPECT_EQ(mode, before);
    }
}

TEST(PrivateEntryTest, DecodesHandWrittenValues) {
    const struct {
        std::string stored;
        std::string prefix;
        int mode;
    } cases[] = {
        {"m_0", "m_0", 1},   // the last-character rule needs a comma
        {"m_", "m_", 1},     //
        {",0", "", 0},       //
        {",", "", 1},        //
        {",1", "", 1},       //
        {"A,x,0", "A", 0},   // whatever stands between the commas
        {"A,x,1", "A", 1},   //
        {"A,,0", "A", 0},    //
        {"P,10", "P", 0},    // only the last character counts
        {"P,01", "P", 1},    //
        {"P,2", "P", 1},     //
        {"P,0 ", "P", 1},    //
        {" P ,0", " P ", 0}, // blanks belong to the prefix
    };
    for (const auto& c : cases) {
        std::string prefix = "before";
        int mode = -1;
        DecodePrivateEntry(c.stored, prefix, mode);
        EXPECT_EQ(prefix, c.prefix) << '"' << c.stored << '"';
        EXPECT_EQ(mode, c.mode) << '"' << c.stored << '"';
    }
}

} // namespace
