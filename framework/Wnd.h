#pragma once

#include "CmdTarget.h"

#include <string>

// A window of the program, reached through its handle. It does not own the window: dialogs and their
// controls are destroyed by the system when the dialog ends.
class CWnd : public CCmdTarget {
public:
    HWND m_hWnd = nullptr;

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SetWindowText(const std::string& text) const;
    std::string GetWindowText() const;
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }

protected:
    // F1 on a top-level window: the help command to the main window, unless Shift, Ctrl or Alt is down.
    virtual BOOL OnHelpInfo();

    // Asks for the current message to be left to the system's default processing.
    void Default() { m_defaultProcessing = true; }
    bool m_defaultProcessing = false;
};

// An edit control owned by a dialog; bound to its window by the data exchange.
class CEdit : public CWnd {};
