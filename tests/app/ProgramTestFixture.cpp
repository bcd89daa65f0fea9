#include "ProgramTestFixture.h"

#include "RegistryFixture.h"

std::string NameOf(Ending ending) {
    switch (ending) {
    case Ending::OkButton:
        return "OK button";
    case Ending::ReturnKey:
        return "Return key";
    case Ending::CancelButton:
        return "Cancel button";
    case Ending::EscapeKey:
        return "Escape key";
    case Ending::CloseBox:
        return "close box";
    case Ending::AltF4:
        return "Alt+F4";
    }
    return "unknown ending";
}

void EndDialogBy(const ProgramProcess& program, HWND dialog, Ending ending) {
    auto pressKey = [&](WORD key, const std::vector<WORD>& modifiers = {}) {
        ASSERT_TRUE(program.WaitForFocus(dialog, IDOK)) << "the dialog never had the focus on OK";
        PressKey(key, modifiers);
    };
    switch (ending) {
    case Ending::OkButton:
        PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        break;
    case Ending::ReturnKey:
        pressKey(VK_RETURN);
        break;
    case Ending::CancelButton:
        PostMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
        break;
    case Ending::EscapeKey:
        pressKey(VK_ESCAPE);
        break;
    case Ending::CloseBox:
        PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case Ending::AltF4:
        pressKey(VK_F4, {VK_MENU});
        break;
    }
}

StoredKeys SnapshotStoredKeys() {
    return {SnapshotUserTree(kVendorKey), SnapshotUserTree(kHostKey)};
}

void ProgramTest::ClearKeys() {
    DeleteUserKey(kVendorKey);
    DeleteUserKey(kHostKey);
}

void ProgramTest::PutString(const std::string& key, const std::string& name, const std::string& text) {
    PutUserValue(key, name, REG_SZ, text + '\0');
}

void ProgramTest::RunAndEnd(Ending ending, const std::string& program, const std::string& arguments,
                            const std::string& currentDirectory) {
    ProgramProcess process(program, arguments, currentDirectory);
    ASSERT_TRUE(process.started()) << "cannot start " << program;
    const HWND dialog = process.WaitForDialog(kDialogTitle);
    ASSERT_TRUE(dialog) << "no dialog appeared";
    EndDialogBy(process, dialog, ending);
    EXPECT_TRUE(process.WaitForExit()) << "the process did not end after the " << NameOf(ending);
}
