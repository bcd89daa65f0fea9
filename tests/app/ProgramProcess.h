#pragma once

#include "UiDriver.h"

#include <windows.h>

#include <string>
#include <vector>

// The program as this build made it, as a Windows path.
std::string BuiltProgramPath();

// One run of a program as a process of its own. A test that leaves it running has it ended by force.
class ProgramProcess {
public:
    // Starts program with arguments after its quoted path, in currentDirectory (this process's when empty).
    explicit ProgramProcess(const std::string& program, const std::string& arguments = {},
                            const std::string& currentDirectory = {});
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;
    ~ProgramProcess();

    bool started() const { return m_info.hProcess != nullptr; }

    // Top-level windows of the process; with visibleOnly, those that are shown.
    std::vector<HWND> Windows(bool visibleOnly) const;
    // The process's visible "#32770" window with this title, owned by owner when one is given; null when it
    // does not appear in time.
    HWND WaitForDialog(const std::string& title, HWND owner = nullptr) const;
    // Waits until dialog is the foreground window with the keyboard focus on its control controlId, which is
    // where keys typed with SendInput then arrive.
    bool WaitForFocus(HWND dialog, int controlId) const;
    // Waits for the process to end; when it does not, ends it by force and returns false.
    bool WaitForExit(DWORD timeoutMs = kUiTimeoutMs);

private:
    PROCESS_INFORMATION m_info = {};
};
