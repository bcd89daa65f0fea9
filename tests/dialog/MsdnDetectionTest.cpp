#include "ButtonDriving.h"
#include "IniEntries.h"
#include "RegistryFixture.h"
#include "resource.h"

#include <optional>
#include <vector>

namespace {

const std::string kHelpCollections = "Software\\Microsoft\\HTML Help Collections";
const std::string kBase = kHelpCollections + "\\Developer Collections";
const std::string kLanguageKey = kBase + "\\0x0409";
const std::string kPreferredKey = kLanguageKey + "\\0x04ec81b8";
const std::string kCollection = "C:\\Program Files\\Microsoft Visual Studio\\MSDN98\\98VSa\\1033\\MSDN.COL";

struct MachineValue {
    std::string key;
    std::string name;
    std::string text;
};

struct Outcome {
    const char* situation;
    std::vector<MachineValue> registered;
    std::optional<std::string> shown; // nothing: the edit keeps its text
};

const MachineValue kLanguage = {kBase, "Language", "0x0409"};
const MachineValue kPreferred = {kLanguageKey, "Preferred", "0x04ec81b8"};
const MachineValue kFileName = {kPreferredKey, "FileName", kCollection};

const Outcome kOutcomes[] = {
    {"nothing registered", {}, std::nullopt},
    {"an empty Language", {{kBase, "Language", ""}}, std::nullopt},
    {"a Language without its key", {kLanguage}, std::nullopt},
    {"a language key without Preferred", {kLanguage, {kLanguageKey, "Other", "x"}}, std::nullopt},
    {"an empty Preferred", {kLanguage, {kLanguageKey, "Preferred", ""}}, std::nullopt},
    {"a Preferred without its key", {kLanguage, kPreferred}, ""},
    {"a preferred key without FileName", {kLanguage, kPreferred, {kPreferredKey, "Other", "y"}}, ""},
    {"an empty FileName", {kLanguage, kPreferred, {kPreferredKey, "FileName", ""}}, ""},
    {"all three, naming a file that does not exist", {kLanguage, kPreferred, kFileName}, kCollection},
    {"names with blanks, taken as they are",
     {{kBase, "Language", "English (US) "},
      {kBase + "\\English (US) ", "Preferred", " Visual Studio 6"},
      {kBase + "\\English (US) \\ Visual Studio 6", "FileName", "D:\\MSDN\\Visual Studio.COL"}},
     "D:\\MSDN\\Visual Studio.COL"},
};

class MsdnDetectionTest : public DialogStoreTest {
protected:
    void SetUp() override {
        DialogStoreTest::SetUp();
        ClearHelpCollections();
    }
    void TearDown() override {
        ClearHelpCollections();
        DialogStoreTest::TearDown();
    }

    static void ClearHelpCollections() {
        DeleteMachineKey(kHelpCollections, KEY_WOW64_32KEY);
        DeleteMachineKey(kHelpCollections, KEY_WOW64_64KEY);
    }

    // Clicks "auto detect" and waits until the click has been handled.
    static void AutoDetect(HWND settings) {
        PostClick(settings, IDC_AUTO_DETECT_MSDN);
        RunOnDialogThread([] {}); // queued behind the click
    }
};

TEST_F(MsdnDetectionTest, EachRegistrationGivesItsOutcomeAndCancelStoresNothing) {
    const std::string group = m_dir.file("group.ini");
    PutSetting("SettingsFileName", group);
    WriteIniEntry(group, kGroupSection, "MSDNCOLLECTION", "C:\\stored\\MSDN.COL");
    const StoresSnapshot before = SnapshotStores(group);

    const std::string previous = "C:\\typed\\before.COL";
    std::vector<std::string> shown;
    std::string onlyIn64BitView;
    const ModalRun run = RunSettingsDialog([&](HWND settings) {
        for (const Outcome& outcome : kOutcomes) {
            ClearHelpCollections();
            for (const MachineValue& value : outcome.registered)
                PutMachineString(value.key, value.name, value.text, KEY_WOW64_32KEY);
            SetControlText(settings, IDC_MSDN_COLLECTION, previous);
            AutoDetect(settings);
            shown.push_back(ControlText(settings, IDC_MSDN_COLLECTION));
        }
        ClearHelpCollections();
        for (const MachineValue& value : {kLanguage, kPreferred, kFileName})
            PutMachineString(value.key, value.name, value.text,
                             KEY_WOW64_64KEY); // never seen by the 32-bit host
        SetControlText(settings, IDC_MSDN_COLLECTION, previous);
        AutoDetect(settings);
        onlyIn64BitView = ControlText(settings, IDC_MSDN_COLLECTION);
        PostMessageA(settings, WM_COMMAND, IDCANCEL, 0);
    });

    ASSERT_EQ(shown.size(), std::size(kOutcomes));
    for (size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(shown[i], kOutcomes[i].shown.value_or(previous)) << "with " << kOutcomes[i].situation;
    EXPECT_EQ(onlyIn64BitView, previous) << "the 64-bit registry view was read";
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_TRUE(SnapshotStores(group) == before) << "Cancel changed a store";
}

TEST_F(MsdnDetectionTest, OkStoresTheDetectedCollectionInTheGroupFile) {
    const std::string group = m_dir.file("group.ini");
    PutSetting("SettingsFileName", group);
    WriteIniEntry(group, kGroupSection, "MSDNCOLLECTION", "C:\\stored\\MSDN.COL");
    for (const MachineValue& value : {kLanguage, kPreferred, kFileName})
        PutMachineString(value.key, value.name, value.text, KEY_WOW64_32KEY);

    const ModalRun run = RunSettingsDialog([&](HWND settings) {
        AutoDetect(settings);
        PostMessageA(settings, WM_COMMAND, IDOK, 0);
    });

    EXPECT_EQ(run.result, IDOK);
    EXPECT_EQ(ReadIniEntry(group, kGroupSection, "MSDNCOLLECTION"), kCollection);
}

} // namespace
