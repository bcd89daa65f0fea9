#include "DialogHarness.h"
#include "IniEntries.h"
#include "RegistryFixture.h"
#include "RegistryTree.h"
#include "TestApp.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

struct NamedText {
    const char* name;
    const char* text;
};

void SetText(HWND dialog, int id, const std::string& text) {
    SetDlgItemTextA(dialog, id, text.c_str());
}

void SetCheck(HWND dialog, int id, int state) {
    SendMessageA(GetDlgItem(dialog, id), BM_SETCHECK, state, 0);
}

// Clicks a button through the dialog's own loop, so that the driver is free while its handler runs.
void PostClick(HWND dialog, int id) {
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

class LifecycleTest : public DialogStoreTest {
protected:
    // Stores as a user might have them, every value different from what the tests type.
    void SeedStores() {
        for (const char* name : {"ShowClassNames", "PasteParameters", "AllowMovement", "ColorTreeView",
                                 "ShowGlobals", "ActiveInLiterals", "EnableNamingRules", "EnablePlusPlus",
                                 "AddObjectNull", "EnableOnInsert", "DisableOnInsertInActions"})
            PutSetting(name, "1");
        PutSetting("SettingsFileName", GroupFile());
        PutSetting("TextForBlankFunction", "seeded blank");
        PutSetting("TextForArray", "seeded array");
        PutSetting("TreeViewBgColor", "255");
        PutSetting("TooltipFuncMax", "20");
        PutSetting("TooltipMsgMax", "30");
        PutUserValue(kHookKey, "Corvalis", REG_SZ, std::string("C:\\elsewhere\\CORVALIS30.DLL") + '\0');
        for (const auto& [key, text] :
             {NamedText{"PRIVATEFUNC1", "sf_,0"}, NamedText{"PRIVATEMEMBER1", "sm_,1"},
              NamedText{"MSDNCOLLECTION", "seeded.col"}, NamedText{"CUSTOMKEYWORDS", "seeded.txt"},
              NamedText{"MACROFILE", "seeded macros.txt"}})
            WriteIniEntry(GroupFile(), kGroupSection, key, text);
    }

    std::string GroupFile() const { return m_dir.file("group.ini"); }
    StoresSnapshot Snapshot() const { return SnapshotStores(GroupFile()); }
};

// Fills the controls with values that differ from the seeded ones in every field.
void TypeNewValues(HWND d, const std::string& groupFile) {
    SetText(d, 1002, groupFile);
    SetText(d, 1004, "nf_");
    SetText(d, 1007, "nm_");
    SetCheck(d, 1005, BST_UNCHECKED);
    SetCheck(d, 1006, BST_CHECKED);
    SetCheck(d, 1008, BST_CHECKED);
    SetCheck(d, 1009, BST_UNCHECKED);
    SetText(d, 1012, "new.col");
    SetText(d, 1016, "new blank");
    SetText(d, 1027, "new array");
    SetText(d, 1018, "new keywords.txt");
    SetText(d, 1021, "new macros.txt");
    SetText(d, 1031, "16777215");
    SetText(d, 1032, "7");
    SetText(d, 1033, "");
    for (int id : {1000, 1010, 1015, 1023, 1024, 1028, 1030})
        SetCheck(d, id, BST_UNCHECKED);
    for (int id : {1001, 1011, 1017, 1025, 1029})
        SetCheck(d, id, BST_CHECKED);
}

TEST_F(LifecycleTest, OkWritesTheControlsToEveryStoreAndEndsWithIdOk) {
    SeedStores();
    PutUserValue(kHookKey, "Corvalis", REG_SZ, std::string(1, '\0')); // not registered: OK registers
    const std::string newGroupFile = m_dir.file("new group.ini");
    CConfigDlg dlg;
    const auto run = RunConfigDialog(dlg, [&](HWND d) {
        TypeNewValues(d, newGroupFile);
        PostClick(d, IDOK);
    });
    ASSERT_TRUE(run.found);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.result, IDOK);
    EXPECT_EQ(TestApp().m_pMainWnd, nullptr);

    const NamedText settings[] = {
        {"SettingsFileName", newGroupFile.c_str()},
        {"ShowClassNames", "0"},
        {"PasteParameters", "1"},
        {"AllowMovement", "0"},
        {"ColorTreeView", "0"},
        {"ShowGlobals", "1"},
        {"ActiveInLiterals", "0"},
        {"TextForBlankFunction", "new blank"},
        {"EnableNamingRules", "1"},
        {"EnablePlusPlus", "0"},
        {"AddObjectNull", "0"},
        {"TextForArray", "new array"},
        {"EnableOnInsert", "1"},
        {"DisableOnInsertInActions", "0"},
        {"TreeViewBgColor", "16777215"},
        {"TooltipFuncMax", "7"},
        {"TooltipMsgMax", ""},
    };
    for (const auto& [name, text] : settings)
        EXPECT_EQ(StoredSetting(name), text) << name;
    EXPECT_EQ(StoredHookValue(), TestExeDirectory() + "\\CORVALIS30.DLL");

    const NamedText entries[] = {
        {"PRIVATEFUNC1", "nf_,1"},       {"PRIVATEMEMBER1", "nm_,0"},
        {"MSDNCOLLECTION", "new.col"},   {"CUSTOMKEYWORDS", "new keywords.txt"},
        {"MACROFILE", "new macros.txt"},
    };
    for (const auto& [key, text] : entries)
        EXPECT_EQ(ReadIniEntry(newGroupFile, kGroupSection, key), text) << key;
}

// Right after opening the focus is on OK, so the keys that press a button press OK.
TEST_F(LifecycleTest, EnterOrSpaceRightAfterOpeningPressesOk) {
    for (WORD key : {VK_RETURN, VK_SPACE}) {
        SCOPED_TRACE(testing::Message() << "key " << key);
        ClearKeys();
        CConfigDlg dlg;
        const auto run = RunConfigDialog(dlg, [&](HWND d) {
            WaitFor([&] { return FocusOf(d) == GetDlgItem(d, IDOK); });
            PressKey(key);
        });
        EXPECT_FALSE(run.timedOut);
        EXPECT_EQ(run.result, IDOK);
        EXPECT_EQ(StoredSetting("TooltipFuncMax"), "15") << "OK saves what loading showed";
    }
}

struct CancelWay {
    const char* name;
    void (*cancel)(HWND dialog);
};

const CancelWay kCancelWays[] = {
    {"Cancel button", [](HWND d) { PostClick(d, IDCANCEL); }},
    {"Escape", [](HWND) { PressKey(VK_ESCAPE); }},
    {"close box", [](HWND d) { PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {"WM_CLOSE", [](HWND d) { PostMessageA(d, WM_CLOSE, 0, 0); }},
    {"Alt+F4", [](HWND) { PressKey(VK_F4, {VK_MENU}); }},
};

TEST_F(LifecycleTest, EveryWayOfCancellingEndsWithIdCancelAndChangesNoStore) {
    for (const CancelWay& way : kCancelWays) {
        SCOPED_TRACE(way.name);
        ClearKeys();
        SeedStores();
        const StoresSnapshot before = Snapshot();
        CConfigDlg dlg;
        const auto run = RunConfigDialog(dlg, [&](HWND d) {
            TypeNewValues(d, GroupFile());
            way.cancel(d);
        });
        EXPECT_FALSE(run.timedOut);
        EXPECT_EQ(run.result, IDCANCEL);
        EXPECT_EQ(Snapshot(), before);
        EXPECT_EQ(TestApp().m_pMainWnd, nullptr);
    }
}

// The driver's view of OK that ends in a message box: what the box showed, and whether another followed.
struct RefusedOk {
    std::optional<MessageBoxView> message;
    bool anotherMessage = false;
    bool stillOpen = false;
};

RefusedOk PressOkExpectingMessage(HWND d) {
    RefusedOk outcome;
    PostClick(d, IDOK);
    if (HWND box = WaitForMessageBox(d)) {
        outcome.message = ViewMessageBox(box);
        CloseMessageBox(box);
    }
    outcome.anotherMessage = WaitForMessageBox(d, 500) != nullptr;
    outcome.stillOpen = IsWindow(d) && IsWindowEnabled(d);
    return outcome;
}

void ExpectExclamation(const RefusedOk& outcome, const std::string& text) {
    ASSERT_TRUE(outcome.message) << "no message box";
    EXPECT_EQ(outcome.message->caption, TestApp().m_pszAppName);
    EXPECT_EQ(outcome.message->text, text);
    EXPECT_TRUE(outcome.message->exclamationIcon);
    EXPECT_TRUE(outcome.message->okButtonOnly);
    EXPECT_FALSE(outcome.anotherMessage);
    EXPECT_TRUE(outcome.stillOpen);
}

TEST_F(LifecycleTest, OkWithATooLongTooltipLimitWritesNothingUntilItIsShortened) {
    SeedStores();
    const StoresSnapshot before = Snapshot();
    RefusedOk refused;
    StoresSnapshot afterRefusal;
    CConfigDlg dlg;
    const auto run = RunConfigDialog(dlg, [&](HWND d) {
        SetText(d, 1032, "1234");
        refused = PressOkExpectingMessage(d);
        afterRefusal = Snapshot();
        SetText(d, 1032, "12");
        PostClick(d, IDOK);
    });
    ExpectExclamation(refused, "Please enter no more than 3 characters.");
    EXPECT_EQ(afterRefusal, before);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.result, IDOK);
    EXPECT_EQ(StoredSetting("TooltipFuncMax"), "12");
}

class FailedSaveTest : public LifecycleTest {
protected:
    std::string Unwritable() const { return m_dir.file("missing\\group.ini"); }
    std::string FailureText() const { return "Some settings could not be saved to:\n" + Unwritable(); }
};

TEST_F(FailedSaveTest, SaysWhereSavingFailedKeepsWhatWasWrittenAndStaysOpenForCancel) {
    RefusedOk refused;
    std::optional<std::string> storedPath;
    CConfigDlg dlg;
    const auto run = RunConfigDialog(dlg, [&](HWND d) {
        SetText(d, 1002, Unwritable());
        refused = PressOkExpectingMessage(d);
        storedPath = StoredSetting("SettingsFileName");
        PostClick(d, IDCANCEL);
    });
    ExpectExclamation(refused, FailureText());
    EXPECT_EQ(storedPath, Unwritable()) << "the registry is written before the group file fails";
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.result, IDCANCEL);
}

TEST_F(FailedSaveTest, ACorrectedPathThenSavesAndCloses) {
    RefusedOk refused;
    CConfigDlg dlg;
    const auto run = RunConfigDialog(dlg, [&](HWND d) {
        SetText(d, 1002, Unwritable());
        SetText(d, 1004, "pf_");
        refused = PressOkExpectingMessage(d);
        SetText(d, 1002, GroupFile());
        PostClick(d, IDOK);
    });
    ExpectExclamation(refused, FailureText());
    EXPECT_EQ(run.result, IDOK);
    EXPECT_EQ(StoredSetting("SettingsFileName"), GroupFile());
    EXPECT_EQ(ReadIniEntry(GroupFile(), kGroupSection, "PRIVATEFUNC1"), "pf_,1");
}

// Icon resource 128: 16 x 16 and 32 x 32 in 16 colours, 32 x 32 in 256 colours.
TEST(DialogIconResource, HoldsTheThreeImageFormats) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(128), RT_GROUP_ICON);
    ASSERT_TRUE(resource);
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
    ASSERT_TRUE(data);
    WORD count = 0;
    std::memcpy(&count, data + 4, sizeof count);
    constexpr size_t kHeaderSize = 6, kEntrySize = 14, kBitCountOffset = 6;
    ASSERT_GE(SizeofResource(module, resource), kHeaderSize + count * kEntrySize);
    std::vector<std::vector<int>> images; // width, height, bits per pixel
    for (WORD i = 0; i < count; ++i) {
        const BYTE* entry = data + kHeaderSize + i * kEntrySize;
        WORD bits = 0;
        std::memcpy(&bits, entry + kBitCountOffset, sizeof bits);
        images.push_back({entry[0], entry[1], bits});
    }
    EXPECT_EQ(images, (std::vector<std::vector<int>>{{16, 16, 4}, {32, 32, 4}, {32, 32, 8}}));
}

TEST_F(LifecycleTest, ShowsIcon128CentredInTheWorkArea) {
    LRESULT bigIcon = 0, smallIcon = 0, dragIcon = 0;
    RECT window = {}, area = {};
    CConfigDlg dlg;
    const auto run = RunConfigDialog(dlg, [&](HWND d) {
        bigIcon = SendMessageA(d, WM_GETICON, ICON_BIG, 0);
        smallIcon = SendMessageA(d, WM_GETICON, ICON_SMALL, 0);
        dragIcon = SendMessageA(d, WM_QUERYDRAGICON, 0, 0);
        GetWindowRect(d, &window);
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
        PostClick(d, IDCANCEL);
    });
    ASSERT_TRUE(run.found);
    const auto icon = reinterpret_cast<LRESULT>(dlg.m_hIcon);
    const HICON fromResource = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(128));
    EXPECT_NE(fromResource, nullptr);
    EXPECT_EQ(dlg.m_hIcon, fromResource);
    EXPECT_EQ(bigIcon, icon);
    EXPECT_EQ(smallIcon, icon);
    EXPECT_EQ(dragIcon, icon);
    EXPECT_NEAR((window.left + window.right) / 2.0, (area.left + area.right) / 2.0, 2.0);
    EXPECT_NEAR((window.top + window.bottom) / 2.0, (area.top + area.bottom) / 2.0, 2.0);
}

TEST_F(LifecycleTest, AMinimisedDialogPaintsAndCanBeRestoredAndClosed) {
    bool minimised = false, restored = false;
    CConfigDlg dlg;
    const auto run = RunConfigDialog(dlg, [&](HWND d) {
        // Under Wine a minimise that arrives while the new window is still being shown can be undone by the
        // display's late events; ask again until it holds.
        WaitFor([&] { return FocusOf(d) == GetDlgItem(d, IDOK); });
        for (int attempt = 0; attempt < 5 && !minimised; ++attempt) {
            PostMessageA(d, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            minimised = WaitFor([&] { return IsIconic(d) != FALSE; }, 2000);
        }
        // A minimised dialog has an empty client area, so the system asks for no painting and the icon
        // drawn would not show; a direct WM_PAINT still runs the minimised branch of the painting.
        RunOnDialogThread([&] { SendMessageA(d, WM_PAINT, 0, 0); });
        PostMessageA(d, WM_SYSCOMMAND, SC_RESTORE, 0);
        restored = WaitFor([&] { return !IsIconic(d); });
        PostClick(d, IDCANCEL);
    });
    EXPECT_TRUE(minimised);
    EXPECT_TRUE(restored);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.result, IDCANCEL);
}

} // namespace
