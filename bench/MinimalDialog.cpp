// The yardsticks for start-up: the least dialog program, one button, closed as soon as it is shown; built
// a second time with the settings dialog's own template (DIALOG_TEMPLATE 102), to tell what the template
// itself costs from what the program adds to it.
#include <windows.h>

#ifndef DIALOG_TEMPLATE
#define DIALOG_TEMPLATE 1
#endif

namespace {

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
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
