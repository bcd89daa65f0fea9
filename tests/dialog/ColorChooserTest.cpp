#include "ButtonDriving.h"
#include "resource.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <vector>

namespace {

// The platform's colour dialog. The request names no title, so it carries its own.
const std::string kColorDialogTitle = "Color";
constexpr int kRedBox = 706;
constexpr int kGreenBox = 707;
constexpr int kBlueBox = 708;
constexpr int kAddToCustomColors = 712;
constexpr int kCustomColorCells = 721; // 16 cells, 8 in each of 2 rows

struct Rgb {
    std::string red, green, blue;
    bool operator==(const Rgb&) const = default;
};

void PrintTo(const Rgb& rgb, std::ostream* out) {
    *out << rgb.red << "/" << rgb.green << "/" << rgb.blue;
}

const Rgb kBlack = {"0", "0", "0"};
const Rgb kRed = {"255", "0", "0"};
const Rgb kWhite = {"255", "255", "255"};

Rgb ShownColor(HWND colorDialog) {
    return {ControlText(colorDialog, kRedBox), ControlText(colorDialog, kGreenBox),
            ControlText(colorDialog, kBlueBox)};
}

void SetShownColor(HWND colorDialog, const Rgb& rgb) {
    SetControlText(colorDialog, kRedBox, rgb.red);
    SetControlText(colorDialog, kGreenBox, rgb.green);
    SetControlText(colorDialog, kBlueBox, rgb.blue);
}

// Opens the colour chooser and notes the colour it starts with; then accepts rgb, or cancels when there is
// none. Nothing when the chooser did not open or did not close.
std::optional<Rgb> ChooseColor(HWND settings, const std::optional<Rgb>& rgb) {
    HWND colorDialog = OpenCommonDialog(settings, IDC_CHOOSE_BG_COLOR, kColorDialogTitle);
    if (!colorDialog)
        return std::nullopt;
    const Rgb preset = ShownColor(colorDialog);
    if (rgb)
        SetShownColor(colorDialog, *rgb);
    if (!CloseCommonDialog(colorDialog, rgb ? IDOK : IDCANCEL))
        return std::nullopt;
    return preset;
}

// Each custom colour cell's colour, as the boxes show it once the cell is clicked.
std::vector<Rgb> CustomColors(HWND colorDialog) {
    RECT cells = {};
    GetWindowRect(GetDlgItem(colorDialog, kCustomColorCells), &cells);
    const LONG width = (cells.right - cells.left) / 8;
    const LONG height = (cells.bottom - cells.top) / 2;
    std::vector<Rgb> colors;
    for (int cell = 0; cell < 16; ++cell) {
        // Near the cell's top left corner, clear of the gap between cells.
        POINT point = {cells.left + (cell % 8) * width + 3, cells.top + (cell / 8) * height + 3};
        ScreenToClient(colorDialog, &point);
        PostMessageA(colorDialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        PostMessageA(colorDialog, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
        RunOnDialogThread([] {}); // queued behind the click
        colors.push_back(ShownColor(colorDialog));
    }
    return colors;
}

struct Preset {
    const char* name;
    std::optional<std::string> stored; // TreeViewBgColor; nothing: no such value
    Rgb shown;
};

void PrintTo(const Preset& preset, std::ostream* out) {
    *out << preset.name;
}

const Preset kPresets[] = {
    {"NoValue", std::nullopt, kBlack},
    {"Empty", "", kBlack},
    {"Red", "255", kRed},
    {"RedThenLetters", "255abc", kRed},
    {"BlanksThenGreen", "  65280", {"0", "255", "0"}},
    {"Blue", "16711680", {"0", "0", "255"}},
    {"LowestByteIsRed", "197121", {"1", "2", "3"}},
    {"NoNumber", "abc", kBlack},
    // Beyond the 32-bit range the number saturates at 0x7FFFFFFF, rather than wrapping round to 255 (red).
    {"JustBeyondTheRange", "4294967551", kWhite},
    {"ThirtyDigits", std::string(30, '9'), kWhite},
    // Values that are no colour go to the platform as they are; it shows their three lowest bytes.
    {"MinusOne", "-1", kWhite},
    {"OnlyTheTopByte", "-16777216", kBlack},
    {"ThirtyDigitsNegative", "-" + std::string(30, '9'), kBlack},
};

class ColorPresetTest : public DialogStoreTest, public ::testing::WithParamInterface<Preset> {};

TEST_P(ColorPresetTest, StartsFromTheStoredColourNotTheEditAndCancelKeepsTheEdit) {
    const Preset& preset = GetParam();
    if (preset.stored)
        PutSetting("TreeViewBgColor", *preset.stored);
    const StoresSnapshot before = SnapshotStores("");

    std::optional<Rgb> shown;
    std::string editAfterCancel;
    const ModalRun run = RunSettingsDialog([&](HWND settings) {
        SetControlText(settings, IDC_TREE_VIEW_BG_COLOR, "65280"); // green, typed but not taken yet
        shown = ChooseColor(settings, std::nullopt);
        editAfterCancel = ControlText(settings, IDC_TREE_VIEW_BG_COLOR);
        PostMessageA(settings, WM_COMMAND, IDCANCEL, 0);
    });

    EXPECT_EQ(shown, preset.shown);
    EXPECT_EQ(editAfterCancel, "65280");
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_TRUE(SnapshotStores("") == before) << "Cancel changed a store";
}

INSTANTIATE_TEST_SUITE_P(StoredColors, ColorPresetTest, ::testing::ValuesIn(kPresets),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogStoreTest, AcceptedColourIsWrittenAsItsDecimalValueAndSavedOnOk) {
    PutSetting("TreeViewBgColor", "255");
    struct Accepted {
        Rgb rgb;
        std::string text;
    };
    const Accepted accepted[] = {
        {kWhite, "16777215"},
        {kBlack, "0"},
        {{"1", "2", "3"}, "197121"},
    };

    std::vector<std::optional<Rgb>> presets;
    std::vector<std::string> texts;
    const ModalRun run = RunSettingsDialog([&](HWND settings) {
        for (const Accepted& choice : accepted) {
            presets.push_back(ChooseColor(settings, choice.rgb));
            texts.push_back(ControlText(settings, IDC_TREE_VIEW_BG_COLOR));
        }
        PostMessageA(settings, WM_COMMAND, IDOK, 0);
    });

    for (size_t i = 0; i < std::size(accepted); ++i) {
        EXPECT_EQ(presets[i], kRed) << "opening " << i << " must start from the loaded colour";
        EXPECT_EQ(texts[i], accepted[i].text);
    }
    EXPECT_EQ(run.result, IDOK);
    EXPECT_EQ(StoredSetting("TreeViewBgColor"), "197121");
}

TEST_F(DialogStoreTest, AfterAFailedValidationThePresetIsTheColourTheRecordTook) {
    PutSetting("TreeViewBgColor", "255");
    const StoresSnapshot before = SnapshotStores("");

    std::optional<Rgb> first, afterFailedOk;
    bool validationShown = false;
    const ModalRun run = RunSettingsDialog([&](HWND settings) {
        first = ChooseColor(settings, kWhite);
        SetControlText(settings, IDC_TOOLTIP_FUNC_MAX, "1234");
        PostMessageA(settings, WM_COMMAND, IDOK, 0);
        if (HWND box = WaitForMessageBox(settings)) {
            validationShown = true;
            CloseMessageBox(box);
        }
        afterFailedOk = ChooseColor(settings, std::nullopt);
        PostMessageA(settings, WM_COMMAND, IDCANCEL, 0);
    });

    EXPECT_EQ(first, kRed);
    ASSERT_TRUE(validationShown);
    EXPECT_EQ(afterFailedOk, kWhite);
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_TRUE(SnapshotStores("") == before) << "a store changed";
}

TEST_F(DialogStoreTest, CustomColourDefinedInOneOpeningIsOfferedInTheNext) {
    const Rgb defined = {"7", "77", "177"}; // used by no other test of this run
    std::vector<Rgb> offeredBefore, offeredAfter;
    bool added = false;
    const ModalRun run = RunSettingsDialog([&](HWND settings) {
        if (HWND colorDialog = OpenCommonDialog(settings, IDC_CHOOSE_BG_COLOR, kColorDialogTitle)) {
            offeredBefore = CustomColors(colorDialog);
            SetShownColor(colorDialog, defined);
            PostClick(colorDialog, kAddToCustomColors);
            added = CloseCommonDialog(colorDialog, IDOK);
        }
        if (HWND colorDialog = OpenCommonDialog(settings, IDC_CHOOSE_BG_COLOR, kColorDialogTitle)) {
            offeredAfter = CustomColors(colorDialog);
            CloseCommonDialog(colorDialog, IDCANCEL);
        }
        PostMessageA(settings, WM_COMMAND, IDCANCEL, 0);
    });

    ASSERT_TRUE(added);
    EXPECT_EQ(std::count(offeredBefore.begin(), offeredBefore.end(), defined), 0);
    EXPECT_EQ(std::count(offeredAfter.begin(), offeredAfter.end(), defined), 1);
    EXPECT_EQ(run.result, IDCANCEL);
}

} // namespace
