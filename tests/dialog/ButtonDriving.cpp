#include "ButtonDriving.h"

#include <algorithm>

ModalRun RunSettingsDialog(const std::function<void(HWND dialog)>& drive) {
    CConfigDlg dialog;
    const ModalRun run = RunConfigDialog(dialog, drive);
    EXPECT_TRUE(run.found) << "the settings dialog did not appear";
    EXPECT_FALSE(run.timedOut) << "the settings dialog had to be closed by force";
    return run;
}

void SetControlText(HWND window, int id, const std::string& text) {
    SendMessageA(GetDlgItem(window, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void PostClick(HWND window, int id) {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

HWND OpenCommonDialog(HWND settingsDialog, int button, const std::string& title) {
    PostClick(settingsDialog, button);
    const DWORD thread = GetWindowThreadProcessId(settingsDialog, nullptr);
    HWND opened = WaitForThreadWindow(thread, "#32770", title, settingsDialog);
    EXPECT_TRUE(opened) << "button " << button << " opened no window \"" << title << "\"";
    return opened;
}

bool CloseCommonDialog(HWND commonDialog, int button) {
    PostMessageA(commonDialog, WM_COMMAND, button, 0);
    return WaitFor([&] { return !IsWindow(commonDialog); }, 5000);
}

namespace {

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
    reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    return TRUE;
}

} // namespace

std::vector<HWND> OtherVisibleWindows(DWORD threadId, const std::vector<HWND>& known) {
    std::vector<HWND> all;
    EnumThreadWindows(threadId, CollectWindow, reinterpret_cast<LPARAM>(&all));
    std::vector<HWND> others;
    for (HWND window : all)
        if (IsWindowVisible(window) && std::find(known.begin(), known.end(), window) == known.end())
            others.push_back(window);
    return others;
}

std::map<int, std::string> ControlStates(HWND dialog) {
    std::vector<HWND> controls;
    EnumChildWindows(dialog, CollectWindow, reinterpret_cast<LPARAM>(&controls));
    std::map<int, std::string> states;
    for (HWND control : controls) {
        const int id = GetDlgCtrlID(control);
        if (id == -1)
            continue;
        std::string state = WindowText(control);
        if (ClassNameOf(control) == "Button")
            state += " [check " + std::to_string(SendMessageA(control, BM_GETCHECK, 0, 0)) + "]";
        states[id] = state;
    }
    return states;
}
