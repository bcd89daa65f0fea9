#include "WinApp.h"

// Kept alone in its file so that only the program, not the test executables, links it.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return AfxWinMain(instance);
}
