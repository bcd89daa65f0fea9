#include "UiDriver.h"

#include <thread>

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount64() > deadline)
            return false;
        Sleep(5);
    }
}

namespace {

struct WindowQuery {
    const char* className;
    const std::string* title;
    HWND owner;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM context) {
    auto* query = reinterpret_cast<WindowQuery*>(context);
    if (!IsWindowVisible(window) || ClassNameOf(window) != query->className ||
        WindowText(window) != *query->title)
        return TRUE;
    if (query->owner && GetWindow(window, GW_OWNER) != query->owner)
        return TRUE;
    query->found = window;
    return FALSE;
}

} // namespace

HWND FindThreadWindow(DWORD threadId, const char* className, const std::string& title, HWND owner) {
    WindowQuery query = {className, &title, owner, nullptr};
    EnumThreadWindows(threadId, MatchWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

HWND WaitForThreadWindow(DWORD threadId, const char* className, const std::string& title, HWND owner,
                         DWORD timeoutMs) {
    HWND found = nullptr;
    WaitFor([&] { return (found = FindThreadWindow(threadId, className, title, owner)) != nullptr; },
            timeoutMs);
    return found;
}

std::string WindowText(HWND window) {
    char text[4096] = {};
    // WM_GETTEXT rather than GetWindowText: it also reads controls of other threads and processes.
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, nullptr);
    return text;
}

std::string ClassNameOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string MessageBoxText(HWND box) {
    constexpr int kMessageTextId = 0xFFFF;
    return WindowText(GetDlgItem(box, kMessageTextId));
}

void PressKey(WORD virtualKey, const std::vector<WORD>& modifiers) {
    std::vector<INPUT> inputs;
    auto add = [&inputs](WORD key, DWORD flags) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    for (WORD modifier : modifiers)
        add(modifier, 0);
    add(virtualKey, 0);
    add(virtualKey, KEYEVENTF_KEYUP);
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it)
        add(*it, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

ModalRun RunModalWhile(const std::function<INT_PTR()>& run, const std::string& title,
                       const std::function<void(HWND dialog)>& drive, DWORD timeoutMs) {
    ModalRun outcome;
    const DWORD uiThread = GetCurrentThreadId();
    std::thread driver([&] {
        HWND dialog = WaitForThreadWindow(uiThread, "#32770", title);
        if (!dialog)
            return;
        outcome.found = true;
        drive(dialog);
        if (!WaitFor([&] { return !IsWindow(dialog); }, timeoutMs)) {
            outcome.timedOut = true;
            // Close whatever modal window sits on top first, then the dialog itself.
            for (int attempt = 0; attempt < 10 && IsWindow(dialog); ++attempt) {
                if (HWND popup = GetLastActivePopup(dialog); popup && popup != dialog)
                    PostMessageA(popup, WM_CLOSE, 0, 0);
                PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
                WaitFor([&] { return !IsWindow(dialog); }, 1000);
            }
        }
    });
    outcome.result = run();
    driver.join();
    return outcome;
}
