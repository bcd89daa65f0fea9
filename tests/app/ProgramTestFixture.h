#pragma once

#include "ProgramProcess.h"
#include "RegistryTree.h"
#include "TempFiles.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

// Where the program keeps what it edits, spelled out here rather than taken from the code under test.
inline const std::string kVendorKey = "Software\\Brambleworks";
inline const std::string kSettingsKey = "Software\\Brambleworks\\Corvalis\\Settings";
inline const std::string kHostKey = "Software\\Gupta";
inline const std::string kHookKey = "Software\\Gupta\\SQLWindows 3.0\\DesignHookDll";
inline const std::string kHookValue = "Corvalis";
inline const std::string kGroupSection = "CORVALIS";

inline const std::string kDialogTitle = "CorvalisConfig";
constexpr int kAutoStartBox = 1011;
constexpr int kTooltipFuncMaxBox = 1032;

// The ways a user ends the dialog.
enum class Ending { OkButton, ReturnKey, CancelButton, EscapeKey, CloseBox, AltF4 };
std::string NameOf(Ending ending);
// Ends the dialog as the user would; keys wait until the dialog has the focus on OK.
void EndDialogBy(const ProgramProcess& program, HWND dialog, Ending ending);

// Every key the program may touch, whole; nullopt for a key that does not exist.
struct StoredKeys {
    std::optional<RegistryTree> vendor;
    std::optional<RegistryTree> host;
    bool operator==(const StoredKeys&) const = default;
};
StoredKeys SnapshotStoredKeys();

// Starts and ends every test without the program's keys and gives it a scratch directory.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override { ClearKeys(); }
    void TearDown() override { ClearKeys(); }
    static void ClearKeys();

    // A REG_SZ value with its terminator, as the program writes them.
    static void PutString(const std::string& key, const std::string& name, const std::string& text);

    // Starts program, waits for its dialog, ends it so and waits for the process to exit; a failure names the
    // step that did not happen.
    static void RunAndEnd(Ending ending, const std::string& program = BuiltProgramPath(),
                          const std::string& arguments = {}, const std::string& currentDirectory = {});

    TempDirectory m_dir;
};
