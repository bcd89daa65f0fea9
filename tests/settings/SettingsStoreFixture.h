#pragma once

#include "ConfigSettings.h"
#include "RegistryFixture.h"
#include "TempFiles.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

// Where the add-in's settings live, spelled out here rather than taken from the code under test.
inline const std::string kSettingsKey = "Software\\Brambleworks\\Corvalis\\Settings";
inline const std::string kHookKey = "Software\\Gupta\\SQLWindows 3.0\\DesignHookDll";
inline const std::string kHookValue = "Corvalis";
inline const std::string kGroupSection = "CORVALIS";

struct FlagField {
    const char* name;
    int ConfigSettings::*field;
};

struct TextField {
    const char* name;
    std::string ConfigSettings::*field;
};

// The eleven booleans and six texts of the settings key, in the order they are saved.
inline const std::array<FlagField, 11> kFlagFields = {{
    {"ShowClassNames", &ConfigSettings::m_bShowClassNames},
    {"PasteParameters", &ConfigSettings::m_bPasteParameters},
    {"AllowMovement", &ConfigSettings::m_bAllowMovement},
    {"ColorTreeView", &ConfigSettings::m_bColorTreeView},
    {"ShowGlobals", &ConfigSettings::m_bShowGlobals},
    {"ActiveInLiterals", &ConfigSettings::m_bActiveInLiterals},
    {"EnableNamingRules", &ConfigSettings::m_bEnableNamingRules},
    {"EnablePlusPlus", &ConfigSettings::m_bEnablePlusPlus},
    {"AddObjectNull", &ConfigSettings::m_bAddObjectNull},
    {"EnableOnInsert", &ConfigSettings::m_bEnableOnInsert},
    {"DisableOnInsertInActions", &ConfigSettings::m_bDisableOnInsertInActions},
}};

inline const std::array<TextField, 6> kTextFields = {{
    {"SettingsFileName", &ConfigSettings::m_strSettingsFile},
    {"TextForBlankFunction", &ConfigSettings::m_strTextForBlankFunction},
    {"TextForArray", &ConfigSettings::m_strTextForArray},
    {"TreeViewBgColor", &ConfigSettings::m_strTreeViewBgColor},
    {"TooltipFuncMax", &ConfigSettings::m_strTooltipFuncMax},
    {"TooltipMsgMax", &ConfigSettings::m_strTooltipMsgMax},
}};

// The three plain group-file paths, under the names saving writes.
inline const std::array<TextField, 3> kGroupPathFields = {{
    {"MSDNCOLLECTION", &ConfigSettings::m_strMsdnCollection},
    {"CUSTOMKEYWORDS", &ConfigSettings::m_strCustomKeywordsFile},
    {"MACROFILE", &ConfigSettings::m_strMacroFile},
}};

// Starts and ends every test with neither the settings nor the host's keys (nor the parents the tests
// create), and gives it a scratch directory for group settings files.
class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { ClearKeys(); }
    void TearDown() override { ClearKeys(); }

    static void ClearKeys() {
        DeleteUserKey("Software\\Brambleworks");
        DeleteUserKey("Software\\Gupta");
    }

    static void CreateUserKey(const std::string& keyPath) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, keyPath.c_str(), &key), ERROR_SUCCESS) << keyPath;
        RegCloseKey(key);
    }

    // A REG_SZ value with its terminator, as the program itself writes them.
    static void PutSetting(const std::string& name, const std::string& text) {
        PutUserValue(kSettingsKey, name, REG_SZ, text + '\0');
    }
    static void PutHookValue(const std::string& text) {
        PutUserValue(kHookKey, kHookValue, REG_SZ, text + '\0');
    }

    // The value exactly as stored, expected to be a REG_SZ with its terminator; nullopt when missing.
    static std::optional<std::string> StoredSetting(const std::string& name) {
        return StoredString(kSettingsKey, name);
    }
    static std::optional<std::string> StoredHookValue() { return StoredString(kHookKey, kHookValue); }

    static std::optional<std::string> StoredString(const std::string& key, const std::string& name) {
        const auto value = GetUserValue(key, name);
        if (!value)
            return std::nullopt;
        EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ)) << name;
        EXPECT_TRUE(!value->bytes.empty() && value->bytes.back() == '\0') << name << " lacks its terminator";
        return value->bytes.substr(0, value->bytes.empty() ? 0 : value->bytes.size() - 1);
    }

    TempDirectory m_dir;
};
