#include "ButtonDriving.h"
#include "resource.h"

#include <tlhelp32.h>

#include <map>
#include <ostream>
#include <sstream>
#include <vector>

namespace {

const std::string kRecorderProgram = OPEN_RECORDER_PATH;
constexpr char kRecorderImage[] = "open_recorder.exe";
constexpr char kTestProgId[] = "CorvalisConfigTests.HelpPage";

// Where F1 must send the shell: the HELP folder beside this test executable, whose application object
// is the program's own.
std::string ExpectedHelpPage() {
    return TestExeDirectory() + "\\HELP\\_CorvalisHelp.HTM";
}

LSTATUS SetDefaultValue(HKEY root, const std::string& keyPath, const std::string& text) {
    HKEY key = nullptr;
    LSTATUS status =
        RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS)
        return status;
    status = RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
    return status;
}

std::optional<std::string> DefaultValue(HKEY root, const std::string& keyPath) {
    char text[512] = {};
    DWORD size = sizeof text;
    if (RegGetValueA(root, keyPath.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(text);
}

// For as long as it lives, the scratch prefix opens ".htm" files with the recorder, which appends each
// path it is asked to open to the log. The prefix's own association comes back afterwards.
class HtmOpenedByRecorder {
public:
    explicit HtmOpenedByRecorder(const std::string& log)
        : m_previous(DefaultValue(HKEY_CLASSES_ROOT, ".htm")) {
        const std::string command = "\"" + kRecorderProgram + "\" \"" + log + "\" \"%1\"";
        const std::string progId = std::string("Software\\Classes\\") + kTestProgId;
        m_ready =
            SetDefaultValue(HKEY_LOCAL_MACHINE, progId + "\\shell\\open\\command", command) ==
                ERROR_SUCCESS &&
            SetDefaultValue(HKEY_LOCAL_MACHINE, "Software\\Classes\\.htm", kTestProgId) == ERROR_SUCCESS;
    }
    HtmOpenedByRecorder(const HtmOpenedByRecorder&) = delete;
    HtmOpenedByRecorder& operator=(const HtmOpenedByRecorder&) = delete;
    ~HtmOpenedByRecorder() {
        if (m_previous)
            SetDefaultValue(HKEY_LOCAL_MACHINE, "Software\\Classes\\.htm", *m_previous);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, (std::string("Software\\Classes\\") + kTestProgId).c_str());
    }
    bool ready() const { return m_ready; }

private:
    std::optional<std::string> m_previous;
    bool m_ready = false;
};

bool RecorderRunning() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    bool running = false;
    for (BOOL more = Process32First(snapshot, &entry); more && !running;
         more = Process32Next(snapshot, &entry))
        running = _stricmp(entry.szExeFile, kRecorderImage) == 0;
    CloseHandle(snapshot);
    return running;
}

// Presses the key, lets the dialog's thread finish handling it (the shell starts the opener within that
// handling), then waits until every opener started so far has written its line.
void PressAndSettle(WORD key, const std::vector<WORD>& modifiers = {}) {
    PressKey(key, modifiers);
    WaitUntilInputHandled();
    EXPECT_TRUE(WaitFor([] { return !RecorderRunning(); })) << "the opener did not finish";
}

std::vector<std::string> Lines(const std::string& path) {
    std::vector<std::string> lines;
    if (!FileExists(path))
        return lines;
    std::istringstream text(ReadWholeFile(path));
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    return lines;
}

void FocusControl(HWND dialog, int id) {
    RunOnDialogThread(
        [=] { SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, id)), TRUE); });
}

class HelpKeyTest : public DialogStoreTest {
protected:
    void SetUp() override {
        DialogStoreTest::SetUp();
        ASSERT_TRUE(FileExists(ExpectedHelpPage())) << "the build puts the help page beside the tests";
        ASSERT_TRUE(m_opener.ready()) << "could not register the recorder for .htm";
    }

    // F1 pressings, with the dialog's content and the stores checked to be untouched by them.
    void RunDialogWithKeys(const std::function<void(HWND dialog)>& press) {
        PutSetting("TextForArray", "[10]");
        PutSetting("TooltipFuncMax", "7");
        const StoresSnapshot before = SnapshotStores("");
        const ModalRun run = RunSettingsDialog([&](HWND dialog) {
            SetControlText(dialog, IDC_TEXT_FOR_BLANK_FUNCTION, "typed, not yet saved");
            std::map<int, std::string> shown;
            RunOnDialogThread([&] { shown = ControlStates(dialog); });
            press(dialog);
            RunOnDialogThread([&] { m_controlsKept = ControlStates(dialog) == shown; });
            m_dialogStayedOpen = IsWindowVisible(dialog) && GetForegroundWindow() == dialog;
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_EQ(run.result, IDCANCEL);
        EXPECT_TRUE(SnapshotStores("") == before) << "F1 changed a store";
        EXPECT_TRUE(m_controlsKept) << "F1 changed a control";
        EXPECT_TRUE(m_dialogStayedOpen);
    }

    const std::string m_log = m_dir.file("opened.log");

private:
    HtmOpenedByRecorder m_opener{m_log};
    bool m_controlsKept = false;
    bool m_dialogStayedOpen = false;
};

struct FocusedControl {
    const char* name;
    int id;
};

void PrintTo(const FocusedControl& control, std::ostream* out) {
    *out << control.name;
}

const FocusedControl kFocusedControls[] = {
    {"Edit", IDC_SETTINGS_FILE},
    {"CheckBox", IDC_SHOW_CLASS_NAMES},
    {"RadioButton", IDC_PRIVATE_FUNC_LOCK},
    {"PushButton", IDC_BROWSE_MACRO_FILE},
    {"DefaultButton", IDOK},
};

class HelpKeyFromControlTest : public HelpKeyTest, public ::testing::WithParamInterface<FocusedControl> {};

TEST_P(HelpKeyFromControlTest, F1OpensTheHelpPageBesideTheExecutableOncePerPress) {
    std::vector<std::string> afterFirst;
    RunDialogWithKeys([&](HWND dialog) {
        FocusControl(dialog, GetParam().id);
        PressAndSettle(VK_F1);
        afterFirst = Lines(m_log);
        PressAndSettle(VK_F1);
    });

    EXPECT_EQ(afterFirst, std::vector<std::string>{ExpectedHelpPage()});
    EXPECT_EQ(Lines(m_log), std::vector<std::string>(2, ExpectedHelpPage()));
}

INSTANTIATE_TEST_SUITE_P(Focus, HelpKeyFromControlTest, ::testing::ValuesIn(kFocusedControls),
                         [](const auto& info) { return std::string(info.param.name); });

struct Modifier {
    const char* name;
    WORD key;
};

void PrintTo(const Modifier& modifier, std::ostream* out) {
    *out << modifier.name;
}

class HelpKeyWithModifierTest : public HelpKeyTest, public ::testing::WithParamInterface<Modifier> {};

TEST_P(HelpKeyWithModifierTest, F1WithAModifierDoesNothing) {
    std::vector<std::string> afterModified;
    RunDialogWithKeys([&](HWND dialog) {
        FocusControl(dialog, IDC_SETTINGS_FILE);
        PressAndSettle(VK_F1, {GetParam().key});
        afterModified = Lines(m_log);
        PressAndSettle(VK_F1); // the same press without the modifier, to show that F1 does reach the program
    });

    EXPECT_TRUE(afterModified.empty()) << "opened " << afterModified.front();
    EXPECT_EQ(Lines(m_log), std::vector<std::string>{ExpectedHelpPage()});
}

INSTANTIATE_TEST_SUITE_P(Modifiers, HelpKeyWithModifierTest,
                         ::testing::Values(Modifier{"Shift", VK_SHIFT}, Modifier{"Ctrl", VK_CONTROL},
                                           Modifier{"Alt", VK_MENU}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
