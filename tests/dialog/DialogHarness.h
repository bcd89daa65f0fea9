#pragma once

#include "ConfigDlg.h"
#include "RegistryTree.h"
#include "TempFiles.h"
#include "UiDriver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <future>
#include <optional>
#include <ostream>
#include <string>

// Running the program's settings dialog in its real window, with a second thread driving it.

inline const std::string kDialogTitle = "CorvalisConfig";

// Runs the dialog modally on this thread, as start-up does (it is the application's main window), while
// drive works on a second thread. Work posted with PostToDialogThread runs on this thread meanwhile.
ModalRun RunConfigDialog(CConfigDlg& dialog, const std::function<void(HWND dialog)>& drive);

// Runs work on the dialog's thread, inside whichever of its message loops is current (the dialog's own, or
// that of a message box it shows). The future is ready when the work has run.
std::future<void> PostToDialogThread(std::function<void()> work);

// The same, waiting for the work to finish; the test fails, and the result is false, when it did not
// finish within the timeout.
bool RunOnDialogThread(std::function<void()> work, DWORD timeoutMs = kUiTimeoutMs);

// Waits until the dialog's thread has taken every key and mouse message from its queue. Typed keys wait
// behind posted work, so only a queue without input shows that the typing has been handled.
bool WaitUntilInputHandled();

// A message box that the dialog owns, as seen from outside.
struct MessageBoxView {
    std::string caption;
    std::string text;
    bool exclamationIcon = false;
    bool okButtonOnly = false; // OK is its only visible button
};

// The message box the dialog owns (caption: the application's name), or null after the timeout.
HWND WaitForMessageBox(HWND dialog, DWORD timeoutMs = kUiTimeoutMs);
MessageBoxView ViewMessageBox(HWND box);
// Presses the box's OK button and waits until the box is gone.
void CloseMessageBox(HWND box);

// The folder of this test executable, which stands where the program's executable would.
std::string TestExeDirectory();

int CheckState(HWND dialog, int id);
std::string ControlText(HWND dialog, int id);
// The keyboard focus of the dialog's thread.
HWND FocusOf(HWND dialog);

// Where the program keeps its settings, spelled out here rather than taken from the code under test.
inline const std::string kSettingsKey = "Software\\Brambleworks\\Corvalis\\Settings";
inline const std::string kHookKey = "Software\\Gupta\\SQLWindows 3.0\\DesignHookDll";
inline const std::string kGroupSection = "CORVALIS";

// What the program can write: the user settings, the host's registration and the group settings file.
struct StoresSnapshot {
    std::optional<RegistryTree> brambleworks;
    std::optional<RegistryTree> gupta;
    std::optional<std::string> groupFile; // its bytes, or nullopt when it does not exist
    bool operator==(const StoresSnapshot&) const = default;
};
StoresSnapshot SnapshotStores(const std::string& groupFilePath);
void PrintTo(const StoresSnapshot& snapshot, std::ostream* out);

// Every test starts and ends without the program's per-user keys, and has a scratch directory for group
// settings files.
class DialogStoreTest : public ::testing::Test {
protected:
    void SetUp() override { ClearKeys(); }
    void TearDown() override { ClearKeys(); }
    static void ClearKeys();

    // A REG_SZ value in the settings key, with its terminator, as the program writes them.
    static void PutSetting(const std::string& name, const std::string& text);
    static std::optional<std::string> StoredSetting(const std::string& name);
    static std::optional<std::string> StoredHookValue();

    TempDirectory m_dir;
};
