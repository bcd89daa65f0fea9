#include "WinApp.h"

#include "FrameworkIds.h"
#include "ModuleNames.h"

namespace {

CWinApp* g_app = nullptr;

std::string LoadResourceString(HINSTANCE instance, UINT id) {
    char buffer[256] = {};
    const int length = LoadStringA(instance, id, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? length : 0);
}

} // namespace

CWinApp::CWinApp(const char* appName) {
    if (appName)
        m_pszAppName = appName;
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this)
        g_app = nullptr;
}

void CWinApp::InitApplication(HINSTANCE instance) {
    // A store on a drive that is not ready fails silently instead of asking the user.
    SetErrorMode(SetErrorMode(0) | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    m_hInstance = instance;

    const std::string modulePath = ReadModulePath(instance);
    m_pszHelpFilePath = HelpFilePathFor(modulePath);
    m_pszExeName = FileTitleFor(modulePath);
    if (m_pszAppName.empty())
        m_pszAppName = LoadResourceString(instance, AFX_IDS_APP_TITLE);
    if (m_pszAppName.empty())
        m_pszAppName = m_pszExeName;
    m_pszProfileName = m_pszExeName + ".INI";
}

CWinApp* AfxGetApp() {
    return g_app;
}

CWnd* AfxGetMainWnd() {
    return g_app ? g_app->m_pMainWnd : nullptr;
}

int AfxWinMain(HINSTANCE instance) {
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    app->InitApplication(instance);
    // All of this program's work happens inside InitInstance; it has no message loop of its own to run.
    app->InitInstance();
    return app->ExitInstance();
}
