#include "MessageBox.h"

#include "WinApp.h"

int AfxMessageBox(const std::string& text, UINT type) {
    CWinApp* app = AfxGetApp();
    CWnd* owner = AfxGetMainWnd();
    const std::string caption = app ? app->m_pszAppName : std::string();
    return MessageBoxA(owner ? owner->m_hWnd : GetActiveWindow(), text.c_str(), caption.c_str(), type);
}

std::string AfxFormatString1(UINT stringId, const std::string& argument) {
    CWinApp* app = AfxGetApp();
    char buffer[512] = {};
    const int length =
        LoadStringA(app ? app->m_hInstance : GetModuleHandleA(nullptr), stringId, buffer, sizeof buffer);
    std::string text(buffer, length > 0 ? length : 0);
    const auto placeholder = text.find("%1");
    if (placeholder != std::string::npos)
        text.replace(placeholder, 2, argument);
    return text;
}
