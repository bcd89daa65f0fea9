#include "SaveSettings.h"

#include "AutoStart.h"
#include "GroupSettingsFile.h"
#include "RegistryStore.h"
#include "SettingsKeys.h"

namespace {

bool WriteUserSettings(const ConfigSettings& s) {
    // Created first, so that a first save on a machine without the key keeps the user's settings.
    CreateRegKey(kSettingsKeyPath);
    bool stored = true;
    auto put = [&stored](const char* name, const std::string& text) {
        stored = WriteRegString(kSettingsKeyPath, name, text) && stored;
    };
    put("SettingsFileName", s.m_strSettingsFile);
    put("ShowClassNames", EncodeBool(s.m_bShowClassNames));
    put("PasteParameters", EncodeBool(s.m_bPasteParameters));
    put("AllowMovement", EncodeBool(s.m_bAllowMovement));
    put("ColorTreeView", EncodeBool(s.m_bColorTreeView));
    put("ShowGlobals", EncodeBool(s.m_bShowGlobals));
    put("ActiveInLiterals", EncodeBool(s.m_bActiveInLiterals));
    put("TextForBlankFunction", s.m_strTextForBlankFunction);
    put("EnableNamingRules", EncodeBool(s.m_bEnableNamingRules));
    put("EnablePlusPlus", EncodeBool(s.m_bEnablePlusPlus));
    put("AddObjectNull", EncodeBool(s.m_bAddObjectNull));
    put("TextForArray", s.m_strTextForArray);
    put("EnableOnInsert", EncodeBool(s.m_bEnableOnInsert));
    put("DisableOnInsertInActions", EncodeBool(s.m_bDisableOnInsertInActions));
    put("TreeViewBgColor", s.m_strTreeViewBgColor);
    put("TooltipFuncMax", s.m_strTooltipFuncMax);
    put("TooltipMsgMax", s.m_strTooltipMsgMax);
    return stored;
}

bool WriteGroupSettings(const ConfigSettings& s) {
    const std::string& file = s.m_strSettingsFile;
    bool stored = true;
    auto put = [&](const char* key, const std::string& text) {
        stored = WriteGroupSetting(file, key, text) && stored;
    };
    put("PRIVATEFUNC1", EncodePrivateEntry(s.m_strPrivateFuncPrefix, s.m_nPrivateFuncMode));
    put("PRIVATEMEMBER1", EncodePrivateEntry(s.m_strPrivateMemberPrefix, s.m_nPrivateMemberMode));
    put("MSDNCOLLECTION", s.m_strMsdnCollection);
    put("CUSTOMKEYWORDS", s.m_strCustomKeywordsFile);
    put("MACROFILE", s.m_strMacroFile);
    return stored;
}

} // namespace

std::vector<std::string> SaveSettings(const ConfigSettings& s) {
    std::vector<std::string> failed;
    if (!WriteUserSettings(s))
        failed.emplace_back(kSettingsKeyPath);
    if (!SetAutoStart(s.m_bAutoStart))
        failed.emplace_back(kDesignHookKeyPath);
    // Without a group settings file the group fields are stored nowhere, as the add-in expects.
    if (!s.m_strSettingsFile.empty() && !WriteGroupSettings(s))
        failed.push_back(s.m_strSettingsFile);
    return failed;
}
