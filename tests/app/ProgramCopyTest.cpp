#include "ProgramTestFixture.h"
#include "RegistryFixture.h"

namespace {

// Copies of the program under other names and in other directories: it takes its names from its own path.
class ProgramCopyTest : public ProgramTest {
protected:
    // A copy of the program at path, which must not exist yet.
    static void CopyProgramTo(const std::string& path) {
        ASSERT_TRUE(CopyFileA(BuiltProgramPath().c_str(), path.c_str(), TRUE)) << path;
    }
};

TEST_F(ProgramCopyTest, ValidationMessageIsCaptionedWithTheCopysFileTitle) {
    const std::string copy = m_dir.file("Other.exe");
    CopyProgramTo(copy);
    PutString(kSettingsKey, "TooltipFuncMax", "1000");
    const StoredKeys before = SnapshotStoredKeys();

    ProgramProcess process(copy);
    ASSERT_TRUE(process.started());
    const HWND dialog = process.WaitForDialog(kDialogTitle);
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(process.WaitForFocus(dialog, IDOK));
    PressKey(VK_RETURN);

    const HWND message = process.WaitForDialog("Other", dialog);
    ASSERT_TRUE(message) << "no message box captioned Other, owned by the dialog";
    EXPECT_EQ(MessageBoxText(message), "Please enter no more than 3 characters.");
    PostMessageA(message, WM_COMMAND, IDOK, 0);
    // The refused box gets the focus back once the message is gone; the dialog is still open.
    ASSERT_TRUE(process.WaitForFocus(dialog, kTooltipFuncMaxBox));
    PressKey(VK_ESCAPE);

    EXPECT_TRUE(process.WaitForExit());
    EXPECT_EQ(GetUserString(kSettingsKey, "TooltipFuncMax"), "1000");
    EXPECT_EQ(SnapshotStoredKeys(), before);
}

TEST_F(ProgramCopyTest, CheckedAutoStartRegistersTheLibraryBesideTheCopy) {
    for (const std::string directoryName : {"My.Tools", "Tools", "Corvalis 3.0.1"}) {
        SCOPED_TRACE(directoryName);
        ClearKeys();
        const std::string directory = m_dir.file(directoryName);
        ASSERT_TRUE(CreateDirectoryA(directory.c_str(), nullptr));
        const std::string copy = directory + "\\CorvalisConfig.exe";
        CopyProgramTo(copy);

        ProgramProcess process(copy);
        ASSERT_TRUE(process.started());
        const HWND dialog = process.WaitForDialog(kDialogTitle);
        ASSERT_TRUE(dialog);
        const HWND autoStart = GetDlgItem(dialog, kAutoStartBox);
        DWORD_PTR checked = BST_UNCHECKED;
        SendMessageTimeoutA(autoStart, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kUiTimeoutMs, nullptr);
        SendMessageTimeoutA(autoStart, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kUiTimeoutMs, &checked);
        ASSERT_EQ(checked, static_cast<DWORD_PTR>(BST_CHECKED));
        ASSERT_TRUE(process.WaitForFocus(dialog, kAutoStartBox));
        PressKey(VK_RETURN);

        EXPECT_TRUE(process.WaitForExit());
        EXPECT_EQ(GetUserString(kHookKey, kHookValue), directory + "\\CORVALIS30.DLL");
    }
}

} // namespace
