#include "ConfigDlg.h"

#include "ColorChooser.h"
#include "FileChooser.h"
#include "LoadSettings.h"
#include "MessageBox.h"
#include "SaveSettings.h"
#include "WinApp.h"
#include "MsdnDetection.h"
#include "resource.h"

namespace {

// The four ".." buttons beside the path boxes: one family, differing only in these.
struct BrowseButton {
    UINT button;
    FileChooser chooser;
    CEdit CConfigDlg::*edit;
};

const BrowseButton kBrowseButtons[] = {
    {IDC_BROWSE_SETTINGS_FILE,
     {FileDialogStyle::Save, "Choose Initialization file", "*.INI"},
     &CConfigDlg::m_editSettingsFile},
    {IDC_BROWSE_MSDN_COLLECTION,
     {FileDialogStyle::Open, "Choose MSDN HTML Help Collection", "*.COL"},
     &CConfigDlg::m_editMsdnCollection},
    {IDC_BROWSE_CUSTOM_KEYWORDS,
     {FileDialogStyle::Save, "Choose custom keyword file", "*.TXT"},
     &CConfigDlg::m_editCustomKeywords},
    {IDC_BROWSE_MACRO_FILE,
     {FileDialogStyle::Save, "Choose macro file", "*.TXT"},
     &CConfigDlg::m_editMacroFile},
};

} // namespace

const MessageMapEntry CConfigDlg::s_messageEntries[] = {
    MapMessage<&CConfigDlg::OnPaint>(WM_PAINT),
    MapMessage<&CConfigDlg::OnQueryDragIcon>(WM_QUERYDRAGICON),
    MapCommand<&CConfigDlg::OnBrowseSettingsFile>(IDC_BROWSE_SETTINGS_FILE),
    MapCommand<&CConfigDlg::OnBrowseMsdnCollection>(IDC_BROWSE_MSDN_COLLECTION),
    MapCommand<&CConfigDlg::OnAutoDetectMsdn>(IDC_AUTO_DETECT_MSDN),
    MapCommand<&CConfigDlg::OnBrowseCustomKeywords>(IDC_BROWSE_CUSTOM_KEYWORDS),
    MapCommand<&CConfigDlg::OnBrowseMacroFile>(IDC_BROWSE_MACRO_FILE),
    MapCommand<&CConfigDlg::OnChooseBgColor>(IDC_CHOOSE_BG_COLOR),
};
const MessageMap CConfigDlg::s_messageMap = {&CDialog::s_messageMap, s_messageEntries};

const MessageMap* CConfigDlg::GetMessageMap() const {
    return &s_messageMap;
}

CConfigDlg::CConfigDlg(CWnd* parent)
    : CDialog(IDD_CORVALISCONFIG_DIALOG, parent),
      m_hIcon(LoadIconA(AfxGetApp() ? AfxGetApp()->m_hInstance : GetModuleHandleA(nullptr),
                        MAKEINTRESOURCEA(IDR_MAINFRAME))) {
}

void CConfigDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    // clang-format off
    DDX_Control(pDX, IDC_TREE_VIEW_BG_COLOR,          m_editBgColor);
    DDX_Control(pDX, IDC_MACRO_FILE,                  m_editMacroFile);
    DDX_Control(pDX, IDC_CUSTOM_KEYWORDS,             m_editCustomKeywords);
    DDX_Control(pDX, IDC_MSDN_COLLECTION,             m_editMsdnCollection);
    DDX_Control(pDX, IDC_SETTINGS_FILE,               m_editSettingsFile);
    DDX_Radio  (pDX, IDC_PRIVATE_FUNC_HIDE,           m_settings.m_nPrivateFuncMode);
    DDX_Radio  (pDX, IDC_PRIVATE_MEMBER_HIDE,         m_settings.m_nPrivateMemberMode);
    DDX_Text   (pDX, IDC_SETTINGS_FILE,               m_settings.m_strSettingsFile);
    DDX_Text   (pDX, IDC_PRIVATE_FUNC_PREFIX,         m_settings.m_strPrivateFuncPrefix);
    DDX_Text   (pDX, IDC_PRIVATE_MEMBER_PREFIX,       m_settings.m_strPrivateMemberPrefix);
    DDX_Check  (pDX, IDC_SHOW_CLASS_NAMES,            m_settings.m_bShowClassNames);
    DDX_Check  (pDX, IDC_PASTE_PARAMETERS,            m_settings.m_bPasteParameters);
    DDX_Check  (pDX, IDC_ALLOW_MOVEMENT,              m_settings.m_bAllowMovement);
    DDX_Check  (pDX, IDC_AUTO_START,                  m_settings.m_bAutoStart);
    DDX_Text   (pDX, IDC_MSDN_COLLECTION,             m_settings.m_strMsdnCollection);
    DDX_Check  (pDX, IDC_COLOR_TREE_VIEW,             m_settings.m_bColorTreeView);
    DDX_Text   (pDX, IDC_TEXT_FOR_BLANK_FUNCTION,     m_settings.m_strTextForBlankFunction);
    DDX_Check  (pDX, IDC_SHOW_GLOBALS,                m_settings.m_bShowGlobals);
    DDX_Check  (pDX, IDC_ACTIVE_IN_LITERALS,          m_settings.m_bActiveInLiterals);
    DDX_Check  (pDX, IDC_ENABLE_NAMING_RULES,         m_settings.m_bEnableNamingRules);
    DDX_Check  (pDX, IDC_ENABLE_PLUS_PLUS,            m_settings.m_bEnablePlusPlus);
    DDX_Text   (pDX, IDC_TEXT_FOR_ARRAY,              m_settings.m_strTextForArray);
    DDX_Check  (pDX, IDC_ADD_OBJECT_NULL,             m_settings.m_bAddObjectNull);
    DDX_Check  (pDX, IDC_ENABLE_ON_INSERT,            m_settings.m_bEnableOnInsert);
    DDX_Text   (pDX, IDC_CUSTOM_KEYWORDS,             m_settings.m_strCustomKeywordsFile);
    DDX_Text   (pDX, IDC_MACRO_FILE,                  m_settings.m_strMacroFile);
    DDX_Check  (pDX, IDC_DISABLE_ON_INSERT_IN_ACTIONS, m_settings.m_bDisableOnInsertInActions);
    DDX_Text   (pDX, IDC_TREE_VIEW_BG_COLOR,          m_settings.m_strTreeViewBgColor);
    DDX_Text   (pDX, IDC_TOOLTIP_FUNC_MAX,            m_settings.m_strTooltipFuncMax);
    DDV_MaxChars(pDX,                                 m_settings.m_strTooltipFuncMax, 3);
    DDX_Text   (pDX, IDC_TOOLTIP_MSG_MAX,             m_settings.m_strTooltipMsgMax);
    DDV_MaxChars(pDX,                                 m_settings.m_strTooltipMsgMax, 3);
    // clang-format on
}

BOOL CConfigDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    LoadSettings(m_settings);
    UpdateData(FALSE);
    return TRUE; // the system puts the focus on the first tab stop, OK
}

void CConfigDlg::OnPaint() {
    if (!IsIconic()) {
        Default();
        return;
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    const int iconWidth = GetSystemMetrics(SM_CXICON);
    const int iconHeight = GetSystemMetrics(SM_CYICON);
    RECT client;
    GetClientRect(m_hWnd, &client);
    const int x = (client.right - client.left - iconWidth + 1) / 2;
    const int y = (client.bottom - client.top - iconHeight + 1) / 2;
    DrawIcon(dc, x, y, m_hIcon);
    EndPaint(m_hWnd, &paint);
}

HCURSOR CConfigDlg::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_hIcon);
}

void CConfigDlg::OnOK() {
    if (!UpdateData(TRUE))
        return;
    const std::vector<std::string> failed = SaveSettings(m_settings);
    if (!failed.empty()) {
        // Stay open, so that the user can correct the settings file path and try again, or cancel.
        std::string text = "Some settings could not be saved to:";
        for (const std::string& place : failed)
            text += "\n" + place;
        AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CDialog::OnOK();
}

void CConfigDlg::Browse(UINT button) {
    for (const BrowseButton& browse : kBrowseButtons) {
        if (browse.button != button)
            continue;
        if (const auto path = ChooseFile(m_hWnd, browse.chooser))
            (this->*browse.edit).SetWindowText(*path);
        return;
    }
}

void CConfigDlg::OnBrowseSettingsFile() {
    Browse(IDC_BROWSE_SETTINGS_FILE);
}

void CConfigDlg::OnBrowseMsdnCollection() {
    Browse(IDC_BROWSE_MSDN_COLLECTION);
}

void CConfigDlg::OnBrowseCustomKeywords() {
    Browse(IDC_BROWSE_CUSTOM_KEYWORDS);
}

void CConfigDlg::OnBrowseMacroFile() {
    Browse(IDC_BROWSE_MACRO_FILE);
}

void CConfigDlg::OnAutoDetectMsdn() {
    if (const auto collection = DetectMsdnCollection())
        m_editMsdnCollection.SetWindowText(*collection);
}

void CConfigDlg::OnChooseBgColor() {
    // Preset from the record, not from the edit: the colour last loaded or taken by an exchange.
    const COLORREF initial = ParseColorText(m_settings.m_strTreeViewBgColor);
    if (const auto chosen = ChooseColorFrom(m_hWnd, initial))
        m_editBgColor.SetWindowText(FormatColorText(*chosen));
}
