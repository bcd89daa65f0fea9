#include "ConfigDlg.h"
#include "TestApp.h"
#include "UiDriver.h"

#include <gtest/gtest.h>

TEST(Smoke, OkByButtonAndReturnKeyAndEscape) {
    TestApp();
    {
        CConfigDlg dlg;
        auto run = RunModalWhile([&] { return dlg.DoModal(); }, "CorvalisConfig",
                                 [](HWND d) { PostMessageA(d, WM_COMMAND, IDCANCEL, 0); });
        EXPECT_TRUE(run.found);
        EXPECT_EQ(run.result, IDCANCEL);
    }
    {
        CConfigDlg dlg;
        HWND focus = nullptr, d0 = nullptr; int focusId = 0;
        auto run = RunModalWhile([&] { return dlg.DoModal(); }, "CorvalisConfig", [&](HWND d) {
            GUITHREADINFO info = {};
            info.cbSize = sizeof info;
            WaitFor([&] { return GetGUIThreadInfo(GetWindowThreadProcessId(d, nullptr), &info) && info.hwndFocus && info.hwndFocus != d; }, 3000);
            focusId = GetDlgCtrlID(info.hwndFocus); (void)focus; (void)d0;
            PressKey(VK_ESCAPE);
        });
        EXPECT_FALSE(run.timedOut);
        EXPECT_EQ(run.result, IDCANCEL);
        EXPECT_EQ(focusId, IDOK);
    }
}
