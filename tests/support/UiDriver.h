#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Driving real windows from a test. Every wait has a timeout, so that a stuck window fails a test
// instead of hanging it.

constexpr DWORD kUiTimeoutMs = 10000;

// Polls condition every few milliseconds until it holds or the timeout passes; returns whether it held.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = kUiTimeoutMs);

// The visible top-level window of a thread with this class name ("#32770" for dialogs) and title, or null.
// An owner, when given, must own the window.
HWND FindThreadWindow(DWORD threadId, const char* className, const std::string& title, HWND owner = nullptr);
// The same, waiting for it to appear.
HWND WaitForThreadWindow(DWORD threadId, const char* className, const std::string& title,
                         HWND owner = nullptr, DWORD timeoutMs = kUiTimeoutMs);

std::string WindowText(HWND window);
std::string ClassNameOf(HWND window);
// The text of a message box (its static text control).
std::string MessageBoxText(HWND box);

// Keys typed through SendInput; modifiers are held down around the key.
void PressKey(WORD virtualKey, const std::vector<WORD>& modifiers = {});

// Runs DoModal-like work on this thread while drive runs on a second thread with the dialog's window.
// run: starts the modal loop and returns its result. title: the dialog's caption, to find its window.
// When drive leaves the dialog open past the timeout, the dialog is cancelled and timedOut is set.
struct ModalRun {
    INT_PTR result = 0;
    bool found = false;    // the dialog appeared
    bool timedOut = false; // it had to be closed by force
};
ModalRun RunModalWhile(const std::function<INT_PTR()>& run, const std::string& title,
                       const std::function<void(HWND dialog)>& drive, DWORD timeoutMs = 30000);
