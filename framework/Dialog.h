#pragma once

#include "Wnd.h"

#include <vector>

class CDataExchange;

// A modal dialog built from a dialog template resource.
class CDialog : public CWnd {
public:
    CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog until it ends: IDOK, IDCANCEL, or -1 when it could not be created.
    virtual INT_PTR DoModal();
    // Moves values between the controls and the members; FALSE when a validation failed.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    void EndDialog(int result);

    // Commands go to the dialog's map, then to its parent, then to the application.
    bool OnCmdMsg(UINT commandId) override;

    // Called by the data exchange when it binds a member to a control window.
    void BindControl(CWnd& control, HWND window);

protected:
    virtual void DoDataExchange(CDataExchange*) {}
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    const MessageMap* GetMessageMap() const override;

    static const MessageMapEntry s_messageEntries[];
    static const MessageMap s_messageMap;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    void CenterInWorkArea();
    void OnNcDestroy();

    UINT m_templateId;
    CWnd* m_pParentWnd;
    std::vector<CWnd*> m_boundControls;
    // Set while an exchange runs: the notifications it causes (an edit's change, say) are not handlers'
    // business.
    bool m_lockoutNotify = false;
};
