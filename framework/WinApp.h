#pragma once

#include "Wnd.h"

#include <string>

// The application: one global object of a derived class, built by static initialisation. The entry point
// derives its names from the executable and calls InitInstance, which does all of the program's work.
class CWinApp : public CCmdTarget {
public:
    // appName null: the name comes from the executable.
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }

    // The process start before InitInstance: error mode, instance handle, the names below.
    void InitApplication(HINSTANCE instance);

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;
    std::string m_pszHelpFilePath; // the executable's path with ".HLP" for its extension
    std::string m_pszExeName;      // the executable's file title
    std::string m_pszAppName;      // the caption of every message box
    std::string m_pszProfileName;  // the file title with ".INI"; no such file is ever used
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// The body of the process entry point.
int AfxWinMain(HINSTANCE instance);
