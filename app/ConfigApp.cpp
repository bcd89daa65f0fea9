#include "ConfigApp.h"

#include "ConfigDlg.h"
#include "ExeDirectory.h"
#include "FrameworkIds.h"
#include "SystemLibrary.h"

#include <shellapi.h>

const MessageMapEntry CConfigApp::s_messageEntries[] = {
    MapCommand<&CConfigApp::OnHelpCommand>(ID_HELP),
};
const MessageMap CConfigApp::s_messageMap = {nullptr, s_messageEntries};

const MessageMap* CConfigApp::GetMessageMap() const {
    return &s_messageMap;
}

BOOL CConfigApp::InitInstance() {
    CConfigDlg dialog(nullptr);
    m_pMainWnd = &dialog;
    dialog.DoModal(); // OK and Cancel end the program alike
    return FALSE;
}

void CConfigApp::OnHelpCommand() {
    const std::string page = GetExeDirectory() + "\\HELP\\_CorvalisHelp.HTM";
    if (auto* shellExecute = SystemFunction<decltype(ShellExecuteA)>("shell32.dll", "ShellExecuteA"))
        shellExecute(nullptr, "open", page.c_str(), "", "", SW_SHOWNORMAL);
}
