#include "DialogHarness.h"
#include "DialogTemplate.h"

#include <array>
#include <vector>

namespace {

constexpr int kTemplateId = 102;
constexpr int kLabelId = -1;

// The full style of each kind of control.
constexpr DWORD kDefaultButton = 0x50010001;
constexpr DWORD kButton = 0x50010000;
constexpr DWORD kGroupBox = 0x50000007;
constexpr DWORD kCheckBox = 0x50010003;
constexpr DWORD kFirstRadio = 0x50020009;
constexpr DWORD kRadio = 0x50000009;
constexpr DWORD kLabel = 0x50020000;
constexpr DWORD kEdit = 0x50810080;

constexpr DWORD kControl = WS_CHILD | WS_VISIBLE;
static_assert(kDefaultButton == (kControl | BS_DEFPUSHBUTTON | WS_TABSTOP));
static_assert(kButton == (kControl | BS_PUSHBUTTON | WS_TABSTOP));
static_assert(kGroupBox == (kControl | BS_GROUPBOX));
static_assert(kCheckBox == (kControl | BS_AUTOCHECKBOX | WS_TABSTOP));
static_assert(kFirstRadio == (kControl | BS_AUTORADIOBUTTON | WS_GROUP));
static_assert(kRadio == (kControl | BS_AUTORADIOBUTTON));
static_assert(kLabel == (kControl | SS_LEFT | WS_GROUP));
static_assert(kEdit == (kControl | ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP));

struct ExpectedControl {
    int id;
    const char* className;
    DWORD style;
    RECT rect; // dialog units
    const char* caption;
};

constexpr RECT Place(LONG x, LONG y, LONG cx, LONG cy) {
    return {x, y, x + cx, y + cy};
}

// Every control in creation order.
const std::array<ExpectedControl, 48> kControls = {{
    {IDOK, "Button", kDefaultButton, Place(7, 275, 50, 14), "OK"},
    {IDCANCEL, "Button", kButton, Place(200, 275, 50, 14), "Cancel"},
    {kLabelId, "Button", kGroupBox, Place(7, 0, 239, 126), "Group Settings"},
    {kLabelId, "Button", kGroupBox, Place(7, 128, 239, 144), "User Settings"},
    {1000, "Button", kCheckBox, Place(156, 138, 77, 10), "Show Class Names"},
    {1001, "Button", kCheckBox, Place(9, 149, 118, 10), "Paste Function AND Parameters"},
    {kLabelId, "Static", kLabel, Place(10, 10, 39, 8), "SettingsFile:"},
    {1002, "Edit", kEdit, Place(9, 20, 219, 14), ""},
    {1003, "Button", kButton, Place(229, 20, 15, 14), ".."},
    {kLabelId, "Static", kLabel, Place(10, 40, 72, 8), "Private Function prefix:"},
    {1004, "Edit", kEdit, Place(89, 38, 34, 14), ""},
    {1005, "Button", kFirstRadio, Place(156, 36, 65, 10), "hide completely"},
    {1006, "Button", kRadio, Place(156, 46, 63, 10), "show with lock"},
    {kLabelId, "Static", kLabel, Place(10, 62, 71, 8), "Private Member prefix:"},
    {1007, "Edit", kEdit, Place(89, 60, 34, 14), ""},
    {1008, "Button", kFirstRadio, Place(156, 57, 65, 10), "hide completely"},
    {1009, "Button", kRadio, Place(156, 67, 63, 10), "show with lock"},
    {1010, "Button", kCheckBox, Place(9, 160, 122, 10), "Allow Movement with Cursor Keys"},
    {1011, "Button", kCheckBox, Place(9, 138, 135, 10), "Automatically start Corvalis with CTD"},
    {kLabelId, "Static", kLabel, Place(11, 239, 55, 8), "MSDN-Collection"},
    {1012, "Edit", kEdit, Place(10, 252, 216, 14), ""},
    {1013, "Button", kButton, Place(80, 237, 64, 13), "auto detect"},
    {1014, "Button", kButton, Place(227, 252, 15, 14), ".."},
    {1015, "Button", kCheckBox, Place(9, 183, 145, 10), "Colorize Left Tree View for included items"},
    {kLabelId, "Static", kLabel, Place(12, 208, 72, 8), "Add to empty function:"},
    {1016, "Edit", kEdit, Place(87, 206, 34, 14), ""},
    {1017, "Button", kCheckBox, Place(156, 149, 81, 10), "Always show globals"},
    {1023, "Button", kCheckBox, Place(156, 160, 67, 10), "Active in Literals"},
    {1024, "Button", kCheckBox, Place(9, 171, 100, 10), "Enable type helpers (++,...)"},
    {1025, "Button", kCheckBox, Place(156, 171, 84, 10), "Enable Naming Rules"},
    {kLabelId, "Static", kLabel, Place(155, 239, 40, 8), "Add to Array"},
    {1027, "Edit", kEdit, Place(201, 237, 25, 14), ""},
    {1028, "Button", kCheckBox, Place(156, 183, 60, 10), "Add OBJ_Null"},
    {1029, "Button", kCheckBox, Place(156, 194, 67, 10), "Enable OnInsert"},
    {1018, "Edit", kEdit, Place(9, 83, 219, 14), ""},
    {1020, "Button", kButton, Place(227, 83, 15, 14), ".."},
    {kLabelId, "Static", kLabel, Place(10, 73, 58, 8), "Custom keywords:"},
    {1021, "Edit", kEdit, Place(9, 109, 219, 14), ""},
    {1022, "Button", kButton, Place(227, 109, 15, 14), ".."},
    {kLabelId, "Static", kLabel, Place(10, 99, 26, 8), "Macros:"},
    {1030, "Button", kCheckBox, Place(169, 206, 71, 10), "Disable for actions"},
    {kLabelId, "Static", kLabel, Place(22, 196, 72, 8), "use background color:"},
    {1031, "Edit", kEdit, Place(97, 193, 24, 14), ""},
    {1026, "Button", kButton, Place(129, 193, 15, 14), ".."},
    {kLabelId, "Static", kLabel, Place(11, 222, 122, 8), "max. number of window funcs in tooltip"},
    {kLabelId, "Static", kLabel, Place(157, 221, 67, 8), "max. number of msgs"},
    {1032, "Edit", kEdit, Place(134, 219, 18, 14), ""},
    {1033, "Edit", kEdit, Place(225, 219, 18, 14), ""},
}};

// left, top, right, bottom: comparable and printable.
std::array<LONG, 4> Corners(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// Class names are matched without regard to case.
std::string Upper(std::string text) {
    CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

TEST(DialogTemplateResource, DialogIsAnEnglishExtendedTemplateAsDesigned) {
    const auto dialog = LoadDialogTemplateEx(GetModuleHandleA(nullptr), kTemplateId,
                                             MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    ASSERT_TRUE(dialog) << "no extended template 102 in English (United States)";
    EXPECT_EQ(dialog->title, "CorvalisConfig");
    EXPECT_EQ(dialog->style, 0x90C800C0u);
    EXPECT_EQ(dialog->style, static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU |
                                                DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(dialog->exStyle, static_cast<DWORD>(WS_EX_APPWINDOW));
    EXPECT_EQ(Corners(dialog->rect), Corners(Place(0, 0, 250, 295)));
    EXPECT_EQ(dialog->helpId, 0u);
    EXPECT_FALSE(dialog->hasMenu);
    EXPECT_FALSE(dialog->hasClass);
    EXPECT_EQ(dialog->pointSize, 8);
    EXPECT_EQ(dialog->typeface, "MS Sans Serif");
    EXPECT_EQ(dialog->weight, 0);
    EXPECT_EQ(dialog->italic, 0);
    EXPECT_EQ(dialog->charset, DEFAULT_CHARSET);
    EXPECT_EQ(dialog->items.size(), kControls.size());
}

TEST(DialogTemplateResource, EveryControlInCreationOrder) {
    const auto dialog = LoadDialogTemplateEx(GetModuleHandleA(nullptr), kTemplateId,
                                             MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    ASSERT_TRUE(dialog);
    ASSERT_EQ(dialog->items.size(), kControls.size());
    for (size_t i = 0; i < kControls.size(); ++i) {
        const ExpectedControl& expected = kControls[i];
        const DialogItemTemplate& item = dialog->items[i];
        SCOPED_TRACE(testing::Message()
                     << "control #" << i + 1 << " \"" << expected.caption << "\" (" << expected.id << ")");
        EXPECT_EQ(item.id, expected.id);
        EXPECT_EQ(Upper(item.className), Upper(expected.className));
        EXPECT_EQ(item.style, expected.style);
        EXPECT_EQ(Corners(item.rect), Corners(expected.rect));
        EXPECT_EQ(item.title, expected.caption);
        EXPECT_EQ(item.exStyle, 0u);
        EXPECT_EQ(item.helpId, 0u);
        EXPECT_EQ(item.extraCount, 0);
    }
}

// A group settings file that is named but absent leaves both modes at -1, so no radio button is checked.
class DialogWindowTest : public DialogStoreTest {
protected:
    void NameAbsentGroupFile() { PutSetting("SettingsFileName", m_dir.file("absent.ini")); }
};

struct ControlView {
    int id = 0;
    std::string className;
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect = {};         // pixels, in the dialog's client coordinates
    RECT expectedRect = {}; // the template's rectangle mapped by the dialog's own units
    std::string text;
};

// The dialog manager maps a control's position and its size separately, each rounded on its own, so
// the far edges are mapped as sizes too.
RECT ToPixels(HWND dialog, const RECT& units) {
    RECT placeAndSize = {units.left, units.top, units.right - units.left, units.bottom - units.top};
    MapDialogRect(dialog, &placeAndSize);
    return {placeAndSize.left, placeAndSize.top, placeAndSize.left + placeAndSize.right,
            placeAndSize.top + placeAndSize.bottom};
}

TEST_F(DialogWindowTest, ControlsAreCreatedAsTheTemplateSays) {
    NameAbsentGroupFile();
    std::vector<ControlView> views;
    CConfigDlg dlg;
    const auto run = RunConfigDialog(dlg, [&](HWND d) {
        RunOnDialogThread([&] {
            size_t index = 0;
            for (HWND c = GetWindow(d, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT), ++index) {
                ControlView view;
                view.id = GetDlgCtrlID(c);
                view.className = ClassNameOf(c);
                view.style = static_cast<DWORD>(GetWindowLongA(c, GWL_STYLE));
                view.exStyle = static_cast<DWORD>(GetWindowLongA(c, GWL_EXSTYLE));
                GetWindowRect(c, &view.rect);
                MapWindowPoints(nullptr, d, reinterpret_cast<POINT*>(&view.rect), 2);
                if (index < kControls.size())
                    view.expectedRect = ToPixels(d, kControls[index].rect);
                char text[256] = {};
                GetWindowTextA(c, text, sizeof text);
                view.text = text;
                views.push_back(view);
            }
        });
        PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
    });
    ASSERT_TRUE(run.found);
    ASSERT_EQ(views.size(), kControls.size());
    for (size_t i = 0; i < kControls.size(); ++i) {
        const ExpectedControl& expected = kControls[i];
        const ControlView& view = views[i];
        SCOPED_TRACE(testing::Message()
                     << "control #" << i + 1 << " \"" << expected.caption << "\" (" << expected.id << ")");
        EXPECT_EQ(view.id, expected.id);
        EXPECT_EQ(Upper(view.className), Upper(expected.className));
        // Creating an edit with WS_BORDER in a dialog, the system gives it a sunken edge instead
        // (WS_EX_CLIENTEDGE), as Windows does; the template's bits are checked above. Every control gets
        // WS_EX_NOPARENTNOTIFY from the dialog manager.
        const bool edit = expected.style == kEdit;
        EXPECT_EQ(view.style, edit ? expected.style & ~WS_BORDER : expected.style);
        EXPECT_EQ(view.exStyle, static_cast<DWORD>(WS_EX_NOPARENTNOTIFY | (edit ? WS_EX_CLIENTEDGE : 0)));
        EXPECT_EQ(Corners(view.rect), Corners(view.expectedRect));
        if (!edit) { // edits show the loaded settings
            EXPECT_EQ(view.text, expected.caption);
        }
    }
}

TEST_F(DialogWindowTest, OpensWithItsCaptionAndStylesAndTheFocusOnOk) {
    std::string caption;
    DWORD style = 0, exStyle = 0;
    int focusId = 0;
    CConfigDlg dlg;
    const auto run = RunConfigDialog(dlg, [&](HWND d) {
        caption = WindowText(d);
        style = static_cast<DWORD>(GetWindowLongA(d, GWL_STYLE));
        exStyle = static_cast<DWORD>(GetWindowLongA(d, GWL_EXSTYLE));
        WaitFor([&] { return FocusOf(d) != nullptr; });
        focusId = GetDlgCtrlID(FocusOf(d));
        PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
    });
    ASSERT_TRUE(run.found);
    EXPECT_EQ(caption, "CorvalisConfig");
    // The system adds WS_CLIPSIBLINGS to every top-level window and DS_3DLOOK to every dialog.
    EXPECT_EQ(style, 0x90C800C0u | WS_CLIPSIBLINGS | DS_3DLOOK);
    EXPECT_TRUE(exStyle & WS_EX_APPWINDOW);
    EXPECT_EQ(focusId, IDOK);
}

// The ids the keyboard focus visits, starting from OK, for presses of the Tab key.
std::vector<int> TabWalk(HWND dialog, size_t presses) {
    std::vector<int> visited;
    WaitFor([&] { return FocusOf(dialog) != nullptr; });
    visited.push_back(GetDlgCtrlID(FocusOf(dialog)));
    for (size_t i = 0; i < presses; ++i) {
        const HWND before = FocusOf(dialog);
        PressKey(VK_TAB);
        if (!WaitFor([&] { return FocusOf(dialog) != before; }, 2000))
            break;
        visited.push_back(GetDlgCtrlID(FocusOf(dialog)));
    }
    return visited;
}

TEST_F(DialogWindowTest, TabVisitsTheTabStopsInTemplateOrderAndNoRadioButton) {
    NameAbsentGroupFile();
    const std::vector<int> expected = {IDOK, IDCANCEL, 1000, 1001, 1002, 1003, 1004, 1007, 1010, 1011, 1012,
                                       1013, 1014,     1015, 1016, 1017, 1023, 1024, 1025, 1027, 1028, 1029,
                                       1018, 1020,     1021, 1022, 1030, 1031, 1026, 1032, 1033, IDOK};
    std::vector<int> visited;
    CConfigDlg dlg;
    const auto run = RunConfigDialog(dlg, [&](HWND d) {
        visited = TabWalk(d, expected.size() - 1);
        PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
    });
    ASSERT_TRUE(run.found);
    EXPECT_EQ(visited, expected);
}

// Checking an automatic radio button gives it WS_TABSTOP (the button control does this itself, on Windows
// as under Wine), so once a mode is shown its button becomes a Tab stop. Without a group settings file
// both modes load as "show with lock".
TEST_F(DialogWindowTest, TabAlsoStopsOnTheCheckedRadioButtonOfEachGroup) {
    const std::vector<int> expected = {IDOK, IDCANCEL, 1000, 1001, 1002, 1003, 1004, 1006, 1007,
                                       1009, 1010,     1011, 1012, 1013, 1014, 1015, 1016, 1017,
                                       1023, 1024,     1025, 1027, 1028, 1029, 1018, 1020, 1021,
                                       1022, 1030,     1031, 1026, 1032, 1033, IDOK};
    std::vector<int> visited;
    DWORD lockStyle = 0;
    CConfigDlg dlg;
    const auto run = RunConfigDialog(dlg, [&](HWND d) {
        lockStyle = static_cast<DWORD>(GetWindowLongA(GetDlgItem(d, 1006), GWL_STYLE));
        visited = TabWalk(d, expected.size() - 1);
        PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
    });
    ASSERT_TRUE(run.found);
    EXPECT_EQ(lockStyle, kRadio | WS_TABSTOP);
    EXPECT_EQ(visited, expected);
}

} // namespace
