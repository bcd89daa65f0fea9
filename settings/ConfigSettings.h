#pragma once

#include <string>

// Every value the settings dialog edits. Booleans are 0 or 1; a mode is the index of the selected radio
// button of a pair: -1 none, 0 "hide completely", 1 "show with lock".
struct ConfigSettings {
    int m_nPrivateFuncMode = -1;
    int m_nPrivateMemberMode = -1;
    std::string m_strSettingsFile;
    std::string m_strPrivateFuncPrefix;
    std::string m_strPrivateMemberPrefix;
    int m_bShowClassNames = 0;
    int m_bPasteParameters = 0;
    int m_bAllowMovement = 0;
    int m_bAutoStart = 0;
    std::string m_strMsdnCollection;
    int m_bColorTreeView = 0;
    std::string m_strTextForBlankFunction;
    int m_bShowGlobals = 0;
    int m_bActiveInLiterals = 0;
    int m_bEnableNamingRules = 0;
    int m_bEnablePlusPlus = 0;
    std::string m_strTextForArray;
    int m_bAddObjectNull = 0;
    int m_bEnableOnInsert = 0;
    std::string m_strCustomKeywordsFile;
    std::string m_strMacroFile;
    int m_bDisableOnInsertInActions = 0;
    std::string m_strTreeViewBgColor;
    std::string m_strTooltipFuncMax;
    std::string m_strTooltipMsgMax;
};

// Stored booleans are "1" and "0"; only the exact text "1" loads as on.
std::string EncodeBool(int value);
int DecodeBool(const std::string& text);

// A private prefix and its mode share one group-file entry: the prefix, ",", the mode's digit.
std::string EncodePrivateEntry(const std::string& prefix, int mode);
// Applies a stored entry to a prefix and its mode; an empty entry leaves both as they are.
void DecodePrivateEntry(const std::string& value, std::string& prefix, int& mode);
