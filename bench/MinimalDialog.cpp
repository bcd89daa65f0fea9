// The yardsticks for start-up: the least dialog program, one button, closed as soon as it is shown; built
// again with the settings dialog's own template (DIALOG_TEMPLATE 102), to tell what the template itself
// costs from what the program adds to it, and once more left open (WAIT_FOR_CANCEL) to be closed from
// outside exactly as the program is.
#include <windows.h>

#ifndef DIALOG_TEMPLATE
#define DIALOG_TEMPLATE 1
#endif

namespace {

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
#ifndef WAIT_FOR_CANCEL
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
#endif
        return TRUE;
    case WM_COMMAND:
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return static_cast<int>(
        DialogBoxParamA(instance, MAKEINTRESOURCEA(DIALOG_TEMPLATE), nullptr, DialogProc, 0));
}
