#include "LoadSettings.h"

#include "AutoStart.h"
#include "GroupSettingsFile.h"
#include "RegistryStore.h"
#include "SettingsKeys.h"

namespace {

const std::string kDefaultTooltipMax = "15";
const std::string kDefaultPrivatePrefix = "_";
constexpr int kShowWithLock = 1;

std::string ReadUserSetting(const char* name) {
    return ReadRegString(HKEY_CURRENT_USER, kSettingsKeyPath, name);
}

int ReadUserFlag(const char* name) {
    return DecodeBool(ReadUserSetting(name));
}

std::string ReadTooltipMax(const char* name) {
    std::string text = ReadUserSetting(name);
    return text.empty() ? kDefaultTooltipMax : text;
}

} // namespace

void LoadSettings(ConfigSettings& s) {
    s.m_strSettingsFile = ReadUserSetting("SettingsFileName");
    s.m_bPasteParameters = ReadUserFlag("PasteParameters");
    s.m_bShowClassNames = ReadUserFlag("ShowClassNames");
    s.m_bAllowMovement = ReadUserFlag("AllowMovement");
    s.m_bColorTreeView = ReadUserFlag("ColorTreeView");
    s.m_bShowGlobals = ReadUserFlag("ShowGlobals");
    s.m_bActiveInLiterals = ReadUserFlag("ActiveInLiterals");
    s.m_bAutoStart = IsAutoStartRegistered() ? 1 : 0;
    s.m_strTextForBlankFunction = ReadUserSetting("TextForBlankFunction");
    s.m_strTextForArray = ReadUserSetting("TextForArray");
    s.m_bEnableNamingRules = ReadUserFlag("EnableNamingRules");
    s.m_bEnablePlusPlus = ReadUserFlag("EnablePlusPlus");
    s.m_bAddObjectNull = ReadUserFlag("AddObjectNull");
    s.m_bEnableOnInsert = ReadUserFlag("EnableOnInsert");
    s.m_bDisableOnInsertInActions = ReadUserFlag("DisableOnInsertInActions");
    s.m_strTreeViewBgColor = ReadUserSetting("TreeViewBgColor");
    s.m_strTooltipFuncMax = ReadTooltipMax("TooltipFuncMax");
    s.m_strTooltipMsgMax = ReadTooltipMax("TooltipMsgMax");

    const std::string& file = s.m_strSettingsFile;
    if (file.empty()) {
        // No group settings file: the add-in's own defaults.
        s.m_nPrivateFuncMode = kShowWithLock;
        s.m_nPrivateMemberMode = kShowWithLock;
        s.m_strPrivateFuncPrefix = kDefaultPrivatePrefix;
        s.m_strPrivateMemberPrefix = kDefaultPrivatePrefix;
        return;
    }
    DecodePrivateEntry(ReadGroupSetting(file, "PrivateFunc1"), s.m_strPrivateFuncPrefix,
                       s.m_nPrivateFuncMode);
    DecodePrivateEntry(ReadGroupSetting(file, "PrivateMember1"), s.m_strPrivateMemberPrefix,
                       s.m_nPrivateMemberMode);
    s.m_strMsdnCollection = ReadGroupSetting(file, "MSDNCollection");
    s.m_strCustomKeywordsFile = ReadGroupSetting(file, "CUSTOMKEYWORDS");
    s.m_strMacroFile = ReadGroupSetting(file, "MACROFILE");
}
