#include "Dialog.h"

#include "DataExchange.h"
#include "WinApp.h"

const MessageMapEntry CDialog::s_messageEntries[] = {
    MapCommand<&CDialog::OnOK>(IDOK),
    MapCommand<&CDialog::OnCancel>(IDCANCEL),
};
const MessageMap CDialog::s_messageMap = {nullptr, s_messageEntries};

const MessageMap* CDialog::GetMessageMap() const {
    return &s_messageMap;
}

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_pParentWnd(parent) {
}

CDialog::~CDialog() {
    // The application must not keep pointing at a dialog that is gone, even one whose window never existed.
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
}

INT_PTR CDialog::DoModal() {
    CWinApp* app = AfxGetApp();
    HINSTANCE instance = app ? app->m_hInstance : GetModuleHandleA(nullptr);
    HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(m_templateId), parent, &CDialog::DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    const bool outerLockout = m_lockoutNotify;
    m_lockoutNotify = true;
    DoDataExchange(&dx);
    m_lockoutNotify = outerLockout;
    return dx.Failed() ? FALSE : TRUE;
}

void CDialog::EndDialog(int result) {
    ::EndDialog(m_hWnd, result);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

bool CDialog::OnCmdMsg(UINT commandId) {
    if (CWnd::OnCmdMsg(commandId))
        return true;
    if (m_pParentWnd && m_pParentWnd->OnCmdMsg(commandId))
        return true;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(commandId);
}

void CDialog::BindControl(CWnd& control, HWND window) {
    control.m_hWnd = window;
    m_boundControls.push_back(&control);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        reinterpret_cast<CDialog*>(lParam)->m_hWnd = window;
    }
    auto* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    // Messages before WM_INITDIALOG (the font, creation) need nothing of the dialog object.
    return dialog ? dialog->HandleMessage(message, wParam, lParam) : FALSE;
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        const BOOL result = OnInitDialog();
        CenterInWorkArea();
        return result;
    }
    case WM_COMMAND:
        return OnCommand(wParam, lParam);
    case WM_HELP:
        return OnHelpInfo();
    case WM_NCDESTROY:
        OnNcDestroy();
        return FALSE;
    }
    const MessageMapEntry* entry = FindMessageEntry(message, 0);
    if (!entry)
        return FALSE;
    m_defaultProcessing = false;
    const LRESULT result = entry->handler(*this);
    if (m_defaultProcessing)
        return FALSE;
    // This one message's result is the dialog procedure's own return value; the others go by DWLP_MSGRESULT.
    if (message == WM_QUERYDRAGICON)
        return result;
    SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    const bool fromControl = lParam != 0;
    if (fromControl && m_lockoutNotify)
        return TRUE;
    // Clicks and plain commands only; other notifications (an edit's change, say) are not mapped.
    if (HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    return OnCmdMsg(LOWORD(wParam)) ? TRUE : FALSE;
}

void CDialog::CenterInWorkArea() {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor))
        return;
    RECT window = {};
    GetWindowRect(m_hWnd, &window);
    const RECT& area = monitor.rcWork;
    const LONG width = window.right - window.left;
    const LONG height = window.bottom - window.top;
    LONG x = area.left + (area.right - area.left - width) / 2;
    LONG y = area.top + (area.bottom - area.top - height) / 2;
    // A dialog larger than the work area keeps its top left corner inside it.
    x = x < area.left ? area.left : x;
    y = y < area.top ? area.top : y;
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDialog::OnNcDestroy() {
    for (CWnd* control : m_boundControls)
        control->m_hWnd = nullptr;
    m_boundControls.clear();
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
    SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
    m_hWnd = nullptr;
}
