#include "DialogHarness.h"

#include "RegistryFixture.h"
#include "TestApp.h"

#include <atomic>
#include <memory>

namespace {

using Task = std::packaged_task<void()>;

constexpr UINT kRunTaskMessage = WM_APP + 1;
constexpr char kCallWindowClass[] = "CorvalisDialogTestCalls";

// The window through which the driver reaches the dialog's thread; null while no dialog runs.
std::atomic<HWND> g_callWindow = nullptr;

LRESULT CALLBACK CallWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kRunTaskMessage)
        return DefWindowProcA(window, message, wParam, lParam);
    std::unique_ptr<Task> task(reinterpret_cast<Task*>(lParam));
    (*task)();
    return 0;
}

// A message-only window of the dialog's thread. Every message loop of that thread (the dialog's, a
// message box's) dispatches what is posted to it, so posted work runs wherever the thread waits.
class CallWindow {
public:
    CallWindow() {
        static const ATOM registered = [] {
            WNDCLASSA windowClass = {};
            windowClass.lpfnWndProc = CallWindowProc;
            windowClass.hInstance = GetModuleHandleA(nullptr);
            windowClass.lpszClassName = kCallWindowClass;
            return RegisterClassA(&windowClass);
        }();
        (void)registered;
        m_window = CreateWindowExA(0, kCallWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
        g_callWindow = m_window;
    }
    CallWindow(const CallWindow&) = delete;
    CallWindow& operator=(const CallWindow&) = delete;
    ~CallWindow() {
        g_callWindow = nullptr;
        DestroyWindow(m_window);
    }

private:
    HWND m_window = nullptr;
};

} // namespace

ModalRun RunConfigDialog(CConfigDlg& dialog, const std::function<void(HWND)>& drive) {
    TestApp().m_pMainWnd = &dialog;
    CallWindow calls;
    return RunModalWhile([&] { return dialog.DoModal(); }, kDialogTitle, drive);
}

std::future<void> PostToDialogThread(std::function<void()> work) {
    auto task = std::make_unique<Task>(std::move(work));
    std::future<void> done = task->get_future();
    if (PostMessageA(g_callWindow, kRunTaskMessage, 0, reinterpret_cast<LPARAM>(task.get())))
        task.release(); // the call window owns it now
    else
        ADD_FAILURE() << "no dialog thread to run on";
    return done;
}

bool RunOnDialogThread(std::function<void()> work, DWORD timeoutMs) {
    std::future<void> done = PostToDialogThread(std::move(work));
    const bool finished =
        done.valid() && done.wait_for(std::chrono::milliseconds(timeoutMs)) == std::future_status::ready;
    EXPECT_TRUE(finished) << "the dialog thread did not run the call in time";
    return finished;
}

bool WaitUntilInputHandled() {
    const bool handled = WaitFor([] {
        bool pending = true;
        RunOnDialogThread([&] { pending = HIWORD(GetQueueStatus(QS_INPUT)) != 0; });
        return !pending;
    });
    EXPECT_TRUE(handled) << "the dialog's thread left input unhandled";
    return handled;
}

HWND WaitForMessageBox(HWND dialog, DWORD timeoutMs) {
    const DWORD thread = GetWindowThreadProcessId(dialog, nullptr);
    return WaitForThreadWindow(thread, "#32770", TestApp().m_pszAppName, dialog, timeoutMs);
}

MessageBoxView ViewMessageBox(HWND box) {
    // The message box's icon is a static control with this id, on Windows and under Wine alike.
    constexpr int kIconId = 0x0440;
    MessageBoxView view;
    view.caption = WindowText(box);
    view.text = MessageBoxText(box);
    const auto icon = SendMessageA(GetDlgItem(box, kIconId), STM_GETICON, 0, 0);
    view.exclamationIcon = icon && icon == reinterpret_cast<LRESULT>(LoadIconA(nullptr, IDI_EXCLAMATION));
    bool othersHidden = true;
    for (int button :
         {IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO, IDCLOSE, IDHELP, IDTRYAGAIN, IDCONTINUE})
        othersHidden = othersHidden && !IsWindowVisible(GetDlgItem(box, button));
    view.okButtonOnly = IsWindowVisible(GetDlgItem(box, IDOK)) && othersHidden;
    return view;
}

void CloseMessageBox(HWND box) {
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); })) << "the message box stayed open";
}

std::string TestExeDirectory() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string text = path;
    return text.substr(0, text.rfind('\\'));
}

int CheckState(HWND dialog, int id) {
    return static_cast<int>(SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0));
}

std::string ControlText(HWND dialog, int id) {
    return WindowText(GetDlgItem(dialog, id));
}

HWND FocusOf(HWND dialog) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
    return info.hwndFocus;
}

StoresSnapshot SnapshotStores(const std::string& groupFilePath) {
    StoresSnapshot snapshot;
    snapshot.brambleworks = SnapshotUserTree("Software\\Brambleworks");
    snapshot.gupta = SnapshotUserTree("Software\\Gupta");
    if (FileExists(groupFilePath))
        snapshot.groupFile = ReadWholeFile(groupFilePath);
    return snapshot;
}

void PrintTo(const StoresSnapshot& snapshot, std::ostream* out) {
    *out << (snapshot.brambleworks ? snapshot.brambleworks->values.size() : 0) << " settings values, "
         << (snapshot.gupta ? snapshot.gupta->values.size() : 0) << " host values, group file "
         << testing::PrintToString(snapshot.groupFile);
}

void DialogStoreTest::ClearKeys() {
    DeleteUserKey("Software\\Brambleworks");
    DeleteUserKey("Software\\Gupta");
}

void DialogStoreTest::PutSetting(const std::string& name, const std::string& text) {
    PutUserValue(kSettingsKey, name, REG_SZ, text + '\0');
}

std::optional<std::string> DialogStoreTest::StoredSetting(const std::string& name) {
    return GetUserString(kSettingsKey, name);
}

std::optional<std::string> DialogStoreTest::StoredHookValue() {
    return GetUserString(kHookKey, "Corvalis");
}
