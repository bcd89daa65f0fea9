#include "DialogHarness.h"
#include "TestApp.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace {

struct TextControl {
    int id;
    std::string ConfigSettings::*field;
};

struct CheckControl {
    int id;
    int ConfigSettings::*field;
};

struct RadioGroup {
    int hide; // index 0
    int lock; // index 1
    int ConfigSettings::*field;
};

const std::array<TextControl, 11> kTexts = {{
    {1002, &ConfigSettings::m_strSettingsFile},
    {1004, &ConfigSettings::m_strPrivateFuncPrefix},
    {1007, &ConfigSettings::m_strPrivateMemberPrefix},
    {1012, &ConfigSettings::m_strMsdnCollection},
    {1016, &ConfigSettings::m_strTextForBlankFunction},
    {1027, &ConfigSettings::m_strTextForArray},
    {1018, &ConfigSettings::m_strCustomKeywordsFile},
    {1021, &ConfigSettings::m_strMacroFile},
    {1031, &ConfigSettings::m_strTreeViewBgColor},
    {1032, &ConfigSettings::m_strTooltipFuncMax},
    {1033, &ConfigSettings::m_strTooltipMsgMax},
}};

const std::array<CheckControl, 12> kChecks = {{
    {1000, &ConfigSettings::m_bShowClassNames},
    {1001, &ConfigSettings::m_bPasteParameters},
    {1010, &ConfigSettings::m_bAllowMovement},
    {1011, &ConfigSettings::m_bAutoStart},
    {1015, &ConfigSettings::m_bColorTreeView},
    {1017, &ConfigSettings::m_bShowGlobals},
    {1023, &ConfigSettings::m_bActiveInLiterals},
    {1025, &ConfigSettings::m_bEnableNamingRules},
    {1024, &ConfigSettings::m_bEnablePlusPlus},
    {1028, &ConfigSettings::m_bAddObjectNull},
    {1029, &ConfigSettings::m_bEnableOnInsert},
    {1030, &ConfigSettings::m_bDisableOnInsertInActions},
}};

const RadioGroup kFuncModes = {1005, 1006, &ConfigSettings::m_nPrivateFuncMode};
const RadioGroup kMemberModes = {1008, 1009, &ConfigSettings::m_nPrivateMemberMode};
const std::array<RadioGroup, 2> kRadioGroups = {kFuncModes, kMemberModes};

constexpr int kFuncMax = 1032;
constexpr int kMsgMax = 1033;

// Short texts of their own for every edit, within the tooltip limits.
std::string TextFor(int id) {
    return "t" + std::to_string(id % 1000);
}

void SetText(HWND dialog, int id, const std::string& text) {
    SetDlgItemTextA(dialog, id, text.c_str());
}

void SetCheck(HWND dialog, int id, int state) {
    SendMessageA(GetDlgItem(dialog, id), BM_SETCHECK, state, 0);
}

std::pair<DWORD, DWORD> Selection(HWND dialog, int id) {
    DWORD start = 0, end = 0;
    SendMessageA(GetDlgItem(dialog, id), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

// Which boxes of the table are checked, as 0/1 in table order.
std::vector<int> CheckStates(HWND dialog) {
    std::vector<int> states;
    for (const auto& check : kChecks)
        states.push_back(CheckState(dialog, check.id));
    return states;
}

std::vector<int> OnlyAt(size_t index) {
    std::vector<int> states(kChecks.size(), 0);
    states[index] = 1;
    return states;
}

// Every field that the exchange carries, compared one by one.
void ExpectSameRecord(const ConfigSettings& actual, const ConfigSettings& expected) {
    for (const auto& text : kTexts)
        EXPECT_EQ(actual.*text.field, expected.*text.field) << "field of control " << text.id;
    for (const auto& check : kChecks)
        EXPECT_EQ(actual.*check.field, expected.*check.field) << "field of control " << check.id;
    for (const auto& group : kRadioGroups)
        EXPECT_EQ(actual.*group.field, expected.*group.field) << "mode of group " << group.hide;
}

class ExchangeTest : public DialogStoreTest {
protected:
    // Opens the dialog, runs drive with it on the driver thread, then cancels it.
    static void WithDialog(const std::function<void(HWND, CConfigDlg&)>& drive) {
        CConfigDlg dlg;
        const auto run = RunConfigDialog(dlg, [&](HWND d) {
            drive(d, dlg);
            PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_TRUE(run.found);
        EXPECT_FALSE(run.timedOut);
    }
};

TEST_F(ExchangeTest, LoadShowsEveryFieldInItsOwnControl) {
    WithDialog([](HWND d, CConfigDlg& dlg) {
        RunOnDialogThread([&] {
            for (const auto& text : kTexts)
                dlg.m_settings.*text.field = TextFor(text.id);
            for (const auto& check : kChecks)
                dlg.m_settings.*check.field = 0;
            dlg.m_settings.m_nPrivateFuncMode = 0;
            dlg.m_settings.m_nPrivateMemberMode = 1;
            dlg.UpdateData(FALSE);
            for (const auto& text : kTexts)
                EXPECT_EQ(ControlText(d, text.id), TextFor(text.id)) << "control " << text.id;
            EXPECT_EQ(CheckState(d, 1005), BST_CHECKED);
            EXPECT_EQ(CheckState(d, 1006), BST_UNCHECKED);
            EXPECT_EQ(CheckState(d, 1008), BST_UNCHECKED);
            EXPECT_EQ(CheckState(d, 1009), BST_CHECKED);

            dlg.m_settings.m_nPrivateFuncMode = 1;
            dlg.m_settings.m_nPrivateMemberMode = 0;
            dlg.UpdateData(FALSE);
            EXPECT_EQ(CheckState(d, 1005), BST_UNCHECKED);
            EXPECT_EQ(CheckState(d, 1006), BST_CHECKED);
            EXPECT_EQ(CheckState(d, 1008), BST_CHECKED);
            EXPECT_EQ(CheckState(d, 1009), BST_UNCHECKED);

            // One boolean at a time, so that a box bound to the wrong field shows.
            for (size_t i = 0; i < kChecks.size(); ++i) {
                for (const auto& check : kChecks)
                    dlg.m_settings.*check.field = 0;
                dlg.m_settings.*kChecks[i].field = 1;
                dlg.UpdateData(FALSE);
                EXPECT_EQ(CheckStates(d), OnlyAt(i)) << "only field of control " << kChecks[i].id << " set";
            }
        });
    });
}

TEST_F(ExchangeTest, SaveTakesEveryControlIntoItsOwnField) {
    WithDialog([](HWND d, CConfigDlg& dlg) {
        for (const auto& text : kTexts)
            SetText(d, text.id, TextFor(text.id));
        SetCheck(d, 1005, BST_CHECKED);
        SetCheck(d, 1006, BST_UNCHECKED);
        SetCheck(d, 1008, BST_UNCHECKED);
        SetCheck(d, 1009, BST_CHECKED);
        RunOnDialogThread([&] {
            EXPECT_TRUE(dlg.UpdateData(TRUE));
            for (const auto& text : kTexts)
                EXPECT_EQ(dlg.m_settings.*text.field, TextFor(text.id)) << "field of control " << text.id;
            EXPECT_EQ(dlg.m_settings.m_nPrivateFuncMode, 0);
            EXPECT_EQ(dlg.m_settings.m_nPrivateMemberMode, 1);
        });

        SetCheck(d, 1005, BST_UNCHECKED);
        SetCheck(d, 1006, BST_CHECKED);
        SetCheck(d, 1008, BST_CHECKED);
        SetCheck(d, 1009, BST_UNCHECKED);
        RunOnDialogThread([&] {
            EXPECT_TRUE(dlg.UpdateData(TRUE));
            EXPECT_EQ(dlg.m_settings.m_nPrivateFuncMode, 1);
            EXPECT_EQ(dlg.m_settings.m_nPrivateMemberMode, 0);
        });

        for (size_t i = 0; i < kChecks.size(); ++i) {
            for (const auto& check : kChecks)
                SetCheck(d, check.id, check.id == kChecks[i].id ? BST_CHECKED : BST_UNCHECKED);
            RunOnDialogThread([&] {
                EXPECT_TRUE(dlg.UpdateData(TRUE));
                std::vector<int> fields;
                for (const auto& check : kChecks)
                    fields.push_back(dlg.m_settings.*check.field);
                EXPECT_EQ(fields, OnlyAt(i)) << "only control " << kChecks[i].id << " checked";
            });
        }
    });
}

// A load over an edit that already shows the text leaves it alone, caret and selection included. The
// comparison covers texts shorter than 256 characters; longer ones are always set again.
TEST_F(ExchangeTest, LoadLeavesAnEditThatShowsTheSameTextUntouched) {
    WithDialog([](HWND d, CConfigDlg& dlg) {
        const std::pair<DWORD, DWORD> selected = {1, 3};
        for (const auto& text : kTexts) {
            SCOPED_TRACE(testing::Message() << "control " << text.id);
            RunOnDialogThread([&] {
                dlg.m_settings.*text.field = "same text";
                dlg.UpdateData(FALSE);
                SendDlgItemMessageA(d, text.id, EM_SETSEL, selected.first, selected.second);
                dlg.UpdateData(FALSE);
                EXPECT_EQ(Selection(d, text.id), selected);
                EXPECT_EQ(ControlText(d, text.id), "same text");

                dlg.m_settings.*text.field = "other text";
                dlg.UpdateData(FALSE);
                EXPECT_EQ(ControlText(d, text.id), "other text");
                EXPECT_NE(Selection(d, text.id), selected);
            });
        }

        const struct {
            size_t length;
            bool untouched;
        } lengths[] = {{255, true}, {256, false}, {300, false}};
        for (const auto& row : lengths) {
            SCOPED_TRACE(testing::Message() << row.length << " characters");
            RunOnDialogThread([&] {
                dlg.m_settings.m_strTextForBlankFunction = std::string(row.length, 'x');
                dlg.UpdateData(FALSE);
                SendDlgItemMessageA(d, 1016, EM_SETSEL, selected.first, selected.second);
                dlg.UpdateData(FALSE);
                EXPECT_EQ(Selection(d, 1016) == selected, row.untouched);
                EXPECT_EQ(ControlText(d, 1016), std::string(row.length, 'x'));
            });
        }
    });
}

TEST_F(ExchangeTest, BooleanOutsideZeroToTwoShowsClearAndBecomesZero) {
    WithDialog([](HWND d, CConfigDlg& dlg) {
        for (int value : {5, 3, -1}) {
            SCOPED_TRACE(testing::Message() << "value " << value);
            RunOnDialogThread([&] {
                for (const auto& check : kChecks) {
                    SetCheck(d, check.id, BST_CHECKED);
                    dlg.m_settings.*check.field = value;
                }
                dlg.UpdateData(FALSE);
                EXPECT_EQ(CheckStates(d), std::vector<int>(kChecks.size(), 0));
                for (const auto& check : kChecks)
                    EXPECT_EQ(dlg.m_settings.*check.field, 0) << "field of control " << check.id;
            });
        }
    });
}

// A mode that matches no button clears the group, a save without a click gives -1 again, and a click on
// "show with lock" gives 1.
TEST_F(ExchangeTest, ModeWithoutButtonClearsTheGroupUntilAClick) {
    WithDialog([](HWND d, CConfigDlg& dlg) {
        for (const auto& group : kRadioGroups) {
            for (int mode : {-1, 2}) {
                SCOPED_TRACE(testing::Message() << "group " << group.hide << ", mode " << mode);
                RunOnDialogThread([&] {
                    SetCheck(d, group.hide, BST_CHECKED);
                    SetCheck(d, group.lock, BST_CHECKED);
                    dlg.m_settings.*group.field = mode;
                    dlg.UpdateData(FALSE);
                    EXPECT_EQ(CheckState(d, group.hide), BST_UNCHECKED);
                    EXPECT_EQ(CheckState(d, group.lock), BST_UNCHECKED);
                    dlg.m_settings.*group.field = 0;
                    EXPECT_TRUE(dlg.UpdateData(TRUE));
                    EXPECT_EQ(dlg.m_settings.*group.field, -1);
                });
                SendMessageA(GetDlgItem(d, group.lock), BM_CLICK, 0, 0);
                RunOnDialogThread([&] {
                    EXPECT_TRUE(dlg.UpdateData(TRUE));
                    EXPECT_EQ(dlg.m_settings.*group.field, 1);
                });
                SendMessageA(GetDlgItem(d, group.hide), BM_CLICK, 0, 0);
                RunOnDialogThread([&] {
                    EXPECT_EQ(CheckState(d, group.lock), BST_UNCHECKED);
                    EXPECT_TRUE(dlg.UpdateData(TRUE));
                    EXPECT_EQ(dlg.m_settings.*group.field, 0);
                });
            }
        }
    });
}

// The second radio group runs over the check boxes 1010 and 1011 up to the next label; only its radio
// buttons count for the mode, and clicking them leaves the boxes alone.
TEST_F(ExchangeTest, SecondGroupSpansTheTwoCheckBoxesWithoutCountingThem) {
    WithDialog([](HWND d, CConfigDlg& dlg) {
        RunOnDialogThread([&] {
            dlg.m_settings.m_nPrivateFuncMode = 0;
            dlg.m_settings.m_nPrivateMemberMode = -1;
            dlg.m_settings.m_bAllowMovement = 1;
            dlg.m_settings.m_bAutoStart = 1;
            dlg.UpdateData(FALSE);
            EXPECT_TRUE(dlg.UpdateData(TRUE));
            EXPECT_EQ(dlg.m_settings.m_nPrivateMemberMode, -1);
        });

        SendMessageA(GetDlgItem(d, 1009), BM_CLICK, 0, 0);
        EXPECT_EQ(CheckState(d, 1008), BST_UNCHECKED);
        EXPECT_EQ(CheckState(d, 1009), BST_CHECKED);
        EXPECT_EQ(CheckState(d, 1010), BST_CHECKED);
        EXPECT_EQ(CheckState(d, 1011), BST_CHECKED);
        EXPECT_EQ(CheckState(d, 1005), BST_CHECKED);

        SendMessageA(GetDlgItem(d, 1008), BM_CLICK, 0, 0);
        EXPECT_EQ(CheckState(d, 1009), BST_UNCHECKED);
        EXPECT_EQ(CheckState(d, 1010), BST_CHECKED);
        EXPECT_EQ(CheckState(d, 1011), BST_CHECKED);
        RunOnDialogThread([&] {
            EXPECT_TRUE(dlg.UpdateData(TRUE));
            EXPECT_EQ(dlg.m_settings.m_nPrivateMemberMode, 0);
            EXPECT_EQ(dlg.m_settings.m_nPrivateFuncMode, 0);
            EXPECT_EQ(dlg.m_settings.m_bAllowMovement, 1);
            EXPECT_EQ(dlg.m_settings.m_bAutoStart, 1);
        });
    });
}

// Saves on the dialog's thread while the driver watches for the validation message; closes it when it
// comes. Returns what UpdateData returned, and the message's view through shown.
bool SaveWatchingForMessage(HWND d, CConfigDlg& dlg, std::optional<MessageBoxView>& shown) {
    BOOL saved = FALSE;
    auto done = PostToDialogThread([&] { saved = dlg.UpdateData(TRUE); });
    shown.reset();
    const bool finished = WaitFor([&] {
        if (HWND box = WaitForMessageBox(d, 0)) {
            EXPECT_FALSE(shown) << "a second message box";
            shown = ViewMessageBox(box);
            CloseMessageBox(box);
        }
        return done.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    });
    EXPECT_TRUE(finished) << "the save did not end";
    return finished && saved;
}

MessageBoxView TooLongMessage() {
    return {TestApp().m_pszAppName, "Please enter no more than 3 characters.", true, true};
}

void ExpectMessage(const std::optional<MessageBoxView>& shown, const MessageBoxView& expected) {
    ASSERT_TRUE(shown) << "no message box";
    EXPECT_EQ(shown->caption, expected.caption);
    EXPECT_EQ(shown->text, expected.text);
    EXPECT_EQ(shown->exclamationIcon, expected.exclamationIcon);
    EXPECT_EQ(shown->okButtonOnly, expected.okButtonOnly);
}

// With both limits too long, the first refuses and the exchange stops there: the focus goes to it with
// its whole text selected, the fields before it hold the controls' values and the last keeps its own.
// Only once it passes is the second examined.
TEST_F(ExchangeTest, TooLongTooltipLimitsAreRefusedOneAtATime) {
    WithDialog([](HWND d, CConfigDlg& dlg) {
        ConfigSettings shown; // what the controls show: a value of its own in every field
        for (const auto& text : kTexts)
            shown.*text.field = TextFor(text.id);
        shown.m_strTooltipFuncMax = "1234";
        shown.m_strTooltipMsgMax = "56789";
        for (const auto& check : kChecks)
            shown.*check.field = 1;
        shown.m_nPrivateFuncMode = 0;
        shown.m_nPrivateMemberMode = 1;
        ConfigSettings before; // what the record holds before the save: different everywhere
        for (const auto& text : kTexts)
            before.*text.field = "before";

        RunOnDialogThread([&] {
            dlg.m_settings = shown;
            dlg.UpdateData(FALSE);
            dlg.m_settings = before;
        });
        std::optional<MessageBoxView> message;
        EXPECT_FALSE(SaveWatchingForMessage(d, dlg, message));
        ExpectMessage(message, TooLongMessage());
        EXPECT_EQ(FocusOf(d), GetDlgItem(d, kFuncMax));
        EXPECT_EQ(Selection(d, kFuncMax), std::make_pair(DWORD{0}, DWORD{4}));
        RunOnDialogThread([&] {
            ConfigSettings expected = shown;
            expected.m_strTooltipMsgMax = before.m_strTooltipMsgMax;
            ExpectSameRecord(dlg.m_settings, expected);
        });

        SetText(d, kFuncMax, "123");
        EXPECT_FALSE(SaveWatchingForMessage(d, dlg, message));
        ExpectMessage(message, TooLongMessage());
        EXPECT_EQ(FocusOf(d), GetDlgItem(d, kMsgMax));
        EXPECT_EQ(Selection(d, kMsgMax), std::make_pair(DWORD{0}, DWORD{5}));
        RunOnDialogThread([&] {
            EXPECT_EQ(dlg.m_settings.m_strTooltipFuncMax, "123");
            EXPECT_EQ(dlg.m_settings.m_strTooltipMsgMax, "56789");
        });
    });
}

TEST_F(ExchangeTest, TooltipLimitsOfThreeCharactersOrNonePass) {
    const std::pair<const char*, const char*> rows[] = {{"123", "456"}, {"", ""}, {"abc", ""}, {"", "9 9"}};
    WithDialog([&](HWND d, CConfigDlg& dlg) {
        for (const auto& [funcMax, msgMax] : rows) {
            SCOPED_TRACE(testing::Message() << "\"" << funcMax << "\", \"" << msgMax << "\"");
            SetText(d, kFuncMax, funcMax);
            SetText(d, kMsgMax, msgMax);
            std::optional<MessageBoxView> message;
            EXPECT_TRUE(SaveWatchingForMessage(d, dlg, message));
            EXPECT_FALSE(message) << message->text;
            RunOnDialogThread([&] {
                EXPECT_EQ(dlg.m_settings.m_strTooltipFuncMax, funcMax);
                EXPECT_EQ(dlg.m_settings.m_strTooltipMsgMax, msgMax);
            });
        }
    });
}

// The exchange limits typing in both boxes to 3 characters, but a longer stored limit is shown whole:
// the user can delete from it, not add.
TEST_F(ExchangeTest, TooltipBoxesTakeThreeTypedCharactersButShowALongerStoredLimit) {
    PutSetting("TooltipFuncMax", "1000");
    WithDialog([](HWND d, CConfigDlg&) {
        EXPECT_EQ(SendDlgItemMessageA(d, kFuncMax, EM_GETLIMITTEXT, 0, 0), 3);
        EXPECT_EQ(SendDlgItemMessageA(d, kMsgMax, EM_GETLIMITTEXT, 0, 0), 3);
        EXPECT_NE(SendDlgItemMessageA(d, 1016, EM_GETLIMITTEXT, 0, 0), 3);
        EXPECT_EQ(ControlText(d, kFuncMax), "1000");

        RunOnDialogThread([&] {
            SetFocus(GetDlgItem(d, kFuncMax));
            SendDlgItemMessageA(d, kFuncMax, EM_SETSEL, 4, 4);
        });
        // A refused '5' leaves "1000", which the backspace makes "100"; an accepted one would give "1000".
        PressKey('5');
        PressKey(VK_BACK);
        EXPECT_TRUE(WaitFor([&] { return ControlText(d, kFuncMax) == "100"; }, 3000))
            << ControlText(d, kFuncMax);
    });
}

} // namespace
