#pragma once

#include "DialogHarness.h"

#include <map>
#include <string>
#include <vector>

// Driving the settings dialog's buttons and the common dialogs they open, from the driver thread.

// Runs a fresh settings dialog as RunConfigDialog does; the test fails when the dialog did not appear or
// had to be closed by force.
ModalRun RunSettingsDialog(const std::function<void(HWND dialog)>& drive);

void SetControlText(HWND window, int id, const std::string& text);

// Posts a button's click: its handler may run a nested modal loop, for which a sent message would wait.
void PostClick(HWND window, int id);

// Clicks a button of the settings dialog and waits for the common dialog it opens: a "#32770" window of
// the dialog's thread with this title, owned by the settings dialog. Null when none appeared.
HWND OpenCommonDialog(HWND settingsDialog, int button, const std::string& title);

// Presses OK or Cancel of a common dialog; whether it then closed.
bool CloseCommonDialog(HWND commonDialog, int button);

// The visible top-level windows of the thread besides these: a question or an error box.
std::vector<HWND> OtherVisibleWindows(DWORD threadId, const std::vector<HWND>& known);

// Each control's text, with the check state of buttons, by control id.
std::map<int, std::string> ControlStates(HWND dialog);
