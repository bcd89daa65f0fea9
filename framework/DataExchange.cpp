#include "DataExchange.h"

#include "FrameworkIds.h"
#include "MessageBox.h"

#include <cstring>

namespace {

// Leaves a control that already shows the text alone, so that its caret and selection survive.
void SetTextIfDifferent(HWND control, const std::string& text) {
    constexpr int kCompared = 256;
    if (text.size() < kCompared) {
        char current[kCompared] = {};
        const int length = GetWindowTextA(control, current, kCompared);
        if (static_cast<size_t>(length) == text.size() && std::memcmp(current, text.data(), text.size()) == 0)
            return;
    }
    SetWindowTextA(control, text.c_str());
}

std::string WindowText(HWND control) {
    std::string text(GetWindowTextLengthA(control) + 1, '\0');
    text.resize(GetWindowTextA(control, text.data(), static_cast<int>(text.size())));
    return text;
}

} // namespace

HWND CDataExchange::PrepareCtrl(int id) {
    m_hWndLastControl = m_pDlgWnd->GetDlgItem(id);
    m_bEditLastControl = false;
    return m_hWndLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int id) {
    PrepareCtrl(id);
    m_bEditLastControl = true;
    return m_hWndLastControl;
}

void CDataExchange::Fail() {
    if (m_bEditLastControl) {
        SetFocus(m_hWndLastControl);
        SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    } else if (m_hWndLastControl) {
        SetFocus(m_hWndLastControl);
    }
    m_failed = true;
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (pDX->Failed() || control.m_hWnd)
        return;
    pDX->m_pDlgWnd->BindControl(control, pDX->PrepareCtrl(id));
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value) {
    if (pDX->Failed())
        return;
    HWND control = pDX->PrepareEditCtrl(id);
    if (pDX->m_bSaveAndValidate)
        value = WindowText(control);
    else
        SetTextIfDifferent(control, value);
}

void DDX_Check(CDataExchange* pDX, int id, int& value) {
    if (pDX->Failed())
        return;
    HWND control = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(SendMessageA(control, BM_GETCHECK, 0, 0));
        return;
    }
    if (value < 0 || value > 2)
        value = 0;
    SendMessageA(control, BM_SETCHECK, value, 0);
}

void DDX_Radio(CDataExchange* pDX, int id, int& value) {
    if (pDX->Failed())
        return;
    HWND control = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    // The group runs to the next control marked as a group's start; only its radio buttons count.
    int index = 0;
    do {
        if (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (!pDX->m_bSaveAndValidate)
                SendMessageA(control, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
            else if (SendMessageA(control, BM_GETCHECK, 0, 0) != BST_UNCHECKED)
                value = index;
            ++index;
        }
        control = GetWindow(control, GW_HWNDNEXT);
    } while (control && !(GetWindowLongA(control, GWL_STYLE) & WS_GROUP));
}

void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int maxChars) {
    if (pDX->Failed())
        return;
    if (pDX->m_bSaveAndValidate && value.size() > static_cast<size_t>(maxChars)) {
        AfxMessageBox(AfxFormatString1(AFX_IDP_PARSE_STRING_SIZE, std::to_string(maxChars)),
                      MB_OK | MB_ICONEXCLAMATION);
        pDX->Fail();
        return;
    }
    SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, maxChars, 0);
}
