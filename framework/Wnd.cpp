#include "Wnd.h"

#include "FrameworkIds.h"
#include "WinApp.h"

#include <vector>

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

void CWnd::SetWindowText(const std::string& text) const {
    ::SetWindowTextA(m_hWnd, text.c_str());
}

std::string CWnd::GetWindowText() const {
    std::vector<char> buffer(::GetWindowTextLengthA(m_hWnd) + 1);
    const int length = ::GetWindowTextA(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), length);
}

BOOL CWnd::OnHelpInfo() {
    CWnd* mainWnd = AfxGetMainWnd();
    const bool modified =
        GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
    // FALSE leaves the request to the default processing, which passes it to an owner; we have none.
    if ((GetWindowLongA(m_hWnd, GWL_STYLE) & WS_CHILD) || !mainWnd || modified)
        return FALSE;
    mainWnd->SendMessage(WM_COMMAND, ID_HELP, 0);
    return TRUE;
}
