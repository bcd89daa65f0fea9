#include "ButtonDriving.h"
#include "IniEntries.h"
#include "resource.h"

#include <commctrl.h>

#include <algorithm>
#include <ostream>

namespace {

// Controls of the platform's file dialog.
constexpr int kFileNameBox = 1148;
constexpr int kFileTypeList = 1136;
constexpr int kFolderList = 1137;
constexpr int kHelpButton = 1038;

struct Chooser {
    const char* name;
    int button;
    std::string title;
    std::string pattern;
    int edit;
    bool saveStyle;
};

void PrintTo(const Chooser& chooser, std::ostream* out) {
    *out << chooser.name;
}

const Chooser kChoosers[] = {
    {"SettingsFile", IDC_BROWSE_SETTINGS_FILE, "Choose Initialization file", "*.INI", IDC_SETTINGS_FILE,
     true},
    {"MsdnCollection", IDC_BROWSE_MSDN_COLLECTION, "Choose MSDN HTML Help Collection", "*.COL",
     IDC_MSDN_COLLECTION, false},
    {"CustomKeywords", IDC_BROWSE_CUSTOM_KEYWORDS, "Choose custom keyword file", "*.TXT", IDC_CUSTOM_KEYWORDS,
     true},
    {"MacroFile", IDC_BROWSE_MACRO_FILE, "Choose macro file", "*.TXT", IDC_MACRO_FILE, true},
};

// One file per pattern, and one that no chooser asks for.
const char* const kFolderFiles[] = {"group.INI", "help.COL", "words.TXT", "other.DAT"};

std::vector<std::string> FileTypes(HWND fileDialog) {
    HWND list = GetDlgItem(fileDialog, kFileTypeList);
    std::vector<std::string> types;
    const auto count = SendMessageA(list, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::string text(SendMessageA(list, CB_GETLBTEXTLEN, i, 0), '\0');
        SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        types.push_back(text.c_str());
    }
    return types;
}

// The names in the dialog's folder view.
std::vector<std::string> ListedNames(HWND fileDialog) {
    HWND view = FindWindowExA(fileDialog, nullptr, "SHELLDLL_DefView", nullptr);
    HWND list = view ? FindWindowExA(view, nullptr, "SysListView32", nullptr) : nullptr;
    std::vector<std::string> names;
    const auto count = SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[MAX_PATH] = {};
        LVITEMA item = {};
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(list, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
        names.push_back(text);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Typing a folder into the file-name box and pressing OK opens that folder.
bool ShowFolder(HWND fileDialog, const std::string& folder) {
    SetControlText(fileDialog, kFileNameBox, folder);
    PostMessageA(fileDialog, WM_COMMAND, IDOK, 0);
    const std::string name = folder.substr(folder.rfind('\\') + 1);
    return WaitFor([&] { return WindowText(GetDlgItem(fileDialog, kFolderList)) == name; });
}

// How one choice went, seen from outside.
struct Choice {
    bool closed = false;      // the chooser closed by itself after its OK
    std::string otherWindows; // the titles and texts of any window it showed instead
    std::string editText;     // the receiving edit afterwards
};

// Opens the chooser, types path into its file-name box and presses its OK button.
Choice ChoosePath(HWND settings, const Chooser& chooser, const std::string& path) {
    Choice choice;
    HWND fileDialog = OpenCommonDialog(settings, chooser.button, chooser.title);
    if (!fileDialog)
        return choice;
    SetControlText(fileDialog, kFileNameBox, path);
    choice.closed = CloseCommonDialog(fileDialog, IDOK);
    if (!choice.closed) {
        // A question or an error: note what it said, then get out of it.
        const DWORD thread = GetWindowThreadProcessId(settings, nullptr);
        for (HWND other : OtherVisibleWindows(thread, {settings, fileDialog})) {
            choice.otherWindows += WindowText(other) + ": " + MessageBoxText(other) + "\n";
            PostMessageA(other, WM_CLOSE, 0, 0);
        }
        WaitFor([&] { return OtherVisibleWindows(thread, {settings, fileDialog}).empty(); });
        CloseCommonDialog(fileDialog, IDCANCEL);
    }
    choice.editText = ControlText(settings, chooser.edit);
    return choice;
}

class FileChooserTest : public DialogStoreTest, public ::testing::WithParamInterface<Chooser> {
protected:
    // Stores with something in each, so that a write would show.
    void FillStores() {
        PutSetting("SettingsFileName", m_groupFile);
        PutSetting("ShowGlobals", "1");
        PutSetting("TreeViewBgColor", "255");
        for (const char* key :
             {"PRIVATEFUNC1", "PRIVATEMEMBER1", "MSDNCOLLECTION", "CUSTOMKEYWORDS", "MACROFILE"})
            WriteIniEntry(m_groupFile, kGroupSection, key, std::string("stored ") + key);
    }

    const std::string m_groupFile = m_dir.file("stored-group.ini");
};

TEST_P(FileChooserTest, OpensEmptyOnItsOwnPatternAndCancelKeepsTheEdit) {
    const Chooser& chooser = GetParam();
    FillStores();
    TempDirectory folder;
    for (const char* name : kFolderFiles)
        WriteWholeFile(folder.file(name), "x");
    const StoresSnapshot before = SnapshotStores(m_groupFile);

    const std::string previous = "C:\\Previous\\choice.old";
    std::string fileName = "<not seen>", okCaption, editAfterCancel;
    std::vector<std::string> types, listed;
    bool helpButton = false, folderShown = false, cancelled = false;
    const ModalRun run = RunSettingsDialog([&](HWND settings) {
        SetControlText(settings, chooser.edit, previous);
        if (HWND fileDialog = OpenCommonDialog(settings, chooser.button, chooser.title)) {
            fileName = ControlText(fileDialog, kFileNameBox);
            types = FileTypes(fileDialog);
            okCaption = ControlText(fileDialog, IDOK);
            helpButton = IsWindowVisible(GetDlgItem(fileDialog, kHelpButton));
            folderShown = ShowFolder(fileDialog, folder.path());
            listed = ListedNames(fileDialog);
            SetControlText(fileDialog, kFileNameBox, folder.file("typed.new"));
            cancelled = CloseCommonDialog(fileDialog, IDCANCEL);
        }
        editAfterCancel = ControlText(settings, chooser.edit);
        PostMessageA(settings, WM_COMMAND, IDCANCEL, 0);
    });

    EXPECT_EQ(fileName, "") << "the chooser must not start from the edit's text";
    EXPECT_EQ(types, std::vector<std::string>{chooser.pattern});
    EXPECT_EQ(okCaption, chooser.saveStyle ? "&Save" : "&Open");
    EXPECT_TRUE(helpButton);
    ASSERT_TRUE(folderShown);
    std::vector<std::string> matching;
    for (const char* name : kFolderFiles)
        if (std::string(name).ends_with(chooser.pattern.substr(1)))
            matching.push_back(name);
    EXPECT_EQ(listed, matching);
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(editAfterCancel, previous);
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_TRUE(SnapshotStores(m_groupFile) == before) << "Cancel changed a store";
}

TEST_P(FileChooserTest, TypedPathReplacesTheEditAsTypedWithoutQuestions) {
    const Chooser& chooser = GetParam();
    FillStores();
    const std::string newFile = m_dir.file("NewFile"); // no such file, and no extension
    const std::string existing = m_dir.file("existing.dat");
    WriteWholeFile(existing, "kept as it is");
    const StoresSnapshot before = SnapshotStores(m_groupFile);

    Choice ofNew, ofExisting;
    const ModalRun run = RunSettingsDialog([&](HWND settings) {
        SetControlText(settings, chooser.edit, "text to be replaced whole");
        ofNew = ChoosePath(settings, chooser, newFile);
        ofExisting = ChoosePath(settings, chooser, existing);
        PostMessageA(settings, WM_COMMAND, IDCANCEL, 0);
    });

    EXPECT_TRUE(ofNew.closed) << ofNew.otherWindows;
    EXPECT_EQ(ofNew.editText, newFile);
    EXPECT_FALSE(FileExists(newFile));
    EXPECT_TRUE(ofExisting.closed) << ofExisting.otherWindows;
    EXPECT_EQ(ofExisting.editText, existing);
    EXPECT_EQ(ReadWholeFile(existing), "kept as it is");
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_TRUE(SnapshotStores(m_groupFile) == before) << "Cancel changed a store";
}

INSTANTIATE_TEST_SUITE_P(EachChooser, FileChooserTest, ::testing::ValuesIn(kChoosers),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogStoreTest, ChosenPathsAreSavedOnOk) {
    const std::string group = m_dir.file("new group.ini");
    const std::string collection = m_dir.file("MSDN.COL");
    const std::string keywords = m_dir.file("keywords");
    const std::string macros = m_dir.file("macros.txt");

    std::vector<Choice> choices;
    const ModalRun run = RunSettingsDialog([&](HWND settings) {
        choices.push_back(ChoosePath(settings, kChoosers[0], group));
        choices.push_back(ChoosePath(settings, kChoosers[1], collection));
        choices.push_back(ChoosePath(settings, kChoosers[2], keywords));
        choices.push_back(ChoosePath(settings, kChoosers[3], macros));
        PostMessageA(settings, WM_COMMAND, IDOK, 0);
    });

    for (const Choice& choice : choices)
        EXPECT_TRUE(choice.closed) << choice.otherWindows;
    EXPECT_EQ(run.result, IDOK);
    EXPECT_EQ(StoredSetting("SettingsFileName"), group);
    // No settings were stored before: the prefixes come with their defaults.
    EXPECT_EQ(ReadIniEntry(group, kGroupSection, "PRIVATEFUNC1"), "_,1");
    EXPECT_EQ(ReadIniEntry(group, kGroupSection, "PRIVATEMEMBER1"), "_,1");
    EXPECT_EQ(ReadIniEntry(group, kGroupSection, "MSDNCOLLECTION"), collection);
    EXPECT_EQ(ReadIniEntry(group, kGroupSection, "CUSTOMKEYWORDS"), keywords);
    EXPECT_EQ(ReadIniEntry(group, kGroupSection, "MACROFILE"), macros);
    for (const std::string& chosen : {collection, keywords, macros})
        EXPECT_FALSE(FileExists(chosen)) << "choosing created " << chosen;
}

} // namespace
