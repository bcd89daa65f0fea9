#pragma once

#include "Dialog.h"

#include <string>

// The state of one run of a dialog's data exchange.
class CDataExchange {
public:
    CDataExchange(CDialog* dialog, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(dialog) {}

    // Finds a control and remembers it for a validation that follows.
    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);

    // A validation failed: focus (and select) the control it concerns and stop the exchange.
    void Fail();
    bool Failed() const { return m_failed; }

    BOOL m_bSaveAndValidate; // TRUE: controls to members, with validation; FALSE: members to controls
    CDialog* m_pDlgWnd;
    HWND m_hWndLastControl = nullptr;
    bool m_bEditLastControl = false;

private:
    bool m_failed = false;
};

// Each exchange routine does nothing once an earlier validation of the same run has failed.

// Binds an unbound member to the dialog's control with this id.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
void DDX_Text(CDataExchange* pDX, int id, std::string& value);
// A check box: 0 clear, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange* pDX, int id, int& value);
// The index of the checked radio button of the group starting at id; -1 for none.
void DDX_Radio(CDataExchange* pDX, int id, int& value);
// Refuses a value longer than maxChars on saving, and limits typing in the last prepared control.
void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int maxChars);
