#include <windows.h>

#include <cstdlib>
#include <string>

// Stands in for the program that opens ".htm" files: appends the path it was asked to open, as one line,
// to a log file. Command line: open_recorder LOG PATH.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc != 3)
        return 1;
    const std::string line = std::string(__argv[2]) + "\n";
    HANDLE log = CreateFileA(__argv[1], FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    const BOOL ok = WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(log);
    return ok ? 0 : 1;
}
