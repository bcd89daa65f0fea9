#include "ProgramProcess.h"

#include <algorithm>

std::string BuiltProgramPath() {
    // The build gives a Linux path; Wine shows the Linux root as drive Z:.
    std::string path = "Z:" + std::string(CORVALIS_PROGRAM_PATH);
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

ProgramProcess::ProgramProcess(const std::string& program, const std::string& arguments,
                               const std::string& currentDirectory) {
    std::string commandLine = "\"" + program + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        currentDirectory.empty() ? nullptr : currentDirectory.c_str(), &startup, &m_info))
        m_info = {};
}

ProgramProcess::~ProgramProcess() {
    if (!started())
        return;
    if (WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_info.hProcess, 1);
        WaitForSingleObject(m_info.hProcess, kUiTimeoutMs);
    }
    CloseHandle(m_info.hThread);
    CloseHandle(m_info.hProcess);
}

std::vector<HWND> ProgramProcess::Windows(bool visibleOnly) const {
    struct Query {
        DWORD processId;
        bool visibleOnly;
        std::vector<HWND> found;
    } query = {m_info.dwProcessId, visibleOnly, {}};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto* q = reinterpret_cast<Query*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == q->processId && (!q->visibleOnly || IsWindowVisible(window)))
                q->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&query));
    return query.found;
}

HWND ProgramProcess::WaitForDialog(const std::string& title, HWND owner) const {
    HWND dialog = nullptr;
    WaitFor([&] {
        for (HWND window : Windows(true)) {
            if (ClassNameOf(window) == "#32770" && WindowText(window) == title &&
                (!owner || GetWindow(window, GW_OWNER) == owner)) {
                dialog = window;
                return true;
            }
        }
        return false;
    });
    return dialog;
}

bool ProgramProcess::WaitForFocus(HWND dialog, int controlId) const {
    const HWND control = GetDlgItem(dialog, controlId);
    return control && WaitFor([&] {
               GUITHREADINFO info = {};
               info.cbSize = sizeof info;
               return GetForegroundWindow() == dialog &&
                      GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) &&
                      info.hwndFocus == control;
           });
}

bool ProgramProcess::WaitForExit(DWORD timeoutMs) {
    if (!started())
        return false;
    if (WaitForSingleObject(m_info.hProcess, timeoutMs) == WAIT_OBJECT_0)
        return true;
    TerminateProcess(m_info.hProcess, 1);
    WaitForSingleObject(m_info.hProcess, kUiTimeoutMs);
    return false;
}
