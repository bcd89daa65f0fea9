#include "LoadSettings.h"
#include "SaveSettings.h"

#include "IniEntries.h"
#include "SettingsStoreFixture.h"

#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <vector>

// Random stored states, loaded and saved again as the dialog does on OK without a change: what was stored
// must come back, apart from the normalisations that loading and saving are meant to make.

namespace {

constexpr unsigned long kDefaultSeed = 20240611;
constexpr int kStates = 300;

unsigned long SeedFromEnvironment() {
    if (const char* text = std::getenv("CORVALIS_ROUNDTRIP_SEED"); text && *text)
        return std::strtoul(text, nullptr, 0);
    return kDefaultSeed;
}

// The characters beyond ASCII that the ANSI code page carries both ways, each as its narrow bytes.
std::vector<std::string> NonAsciiCharacters() {
    std::vector<std::string> found;
    const auto roundTrips = [](const std::string& narrow) {
        wchar_t wide[4] = {};
        const int wideLength = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, narrow.data(),
                                                   static_cast<int>(narrow.size()), wide, 4);
        if (wideLength <= 0)
            return false;
        char back[8] = {};
        const int backLength =
            WideCharToMultiByte(CP_ACP, 0, wide, wideLength, back, sizeof back, nullptr, nullptr);
        return std::string(back, backLength > 0 ? backLength : 0) == narrow;
    };
    for (int byte = 0x80; byte <= 0xff; ++byte) {
        const std::string narrow(1, static_cast<char>(byte));
        if (!IsDBCSLeadByte(static_cast<BYTE>(byte)) && roundTrips(narrow))
            found.push_back(narrow);
    }
    // Code pages of more than one byte a character: a few letters in their narrow form.
    for (wchar_t letter : {L'\u00e9', L'\u00df', L'\u20ac', L'\u0416', L'\u3042', L'\u4e2d'}) {
        char narrow[8] = {};
        const int length =
            WideCharToMultiByte(CP_ACP, 0, &letter, 1, narrow, sizeof narrow, nullptr, nullptr);
        if (length > 1 && roundTrips(std::string(narrow, length)))
            found.emplace_back(narrow, length);
    }
    return found;
}

// Makes stored texts. Registry values carry any byte but zero. An INI value cannot hold a line break or a
// zero byte, and the platform trims blanks, tabs and some other control characters at its ends and a pair of
// matching quotes around it, so INI texts keep line breaks out and no such character at either end: that is
// the file format's rule, not this program's.
class TextMaker {
public:
    TextMaker(std::mt19937& rng, const std::vector<std::string>& nonAscii)
        : m_rng(rng), m_nonAscii(nonAscii) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool Chance(int percent) { return Below(100) < percent; }
    template <class T> const T& Pick(const std::vector<T>& items) {
        return items[Below(static_cast<int>(items.size()))];
    }

    std::string RegistryText() { return Text(false); }

    // nonEmpty: never the empty text; commas: whether commas may appear.
    std::string IniText(bool nonEmpty = false, bool commas = true) {
        std::string text = Text(true, nonEmpty);
        if (!commas)
            for (char& c : text)
                if (c == ',')
                    c = '.';
        if (!text.empty()) {
            FixIniEnd(text.front());
            FixIniEnd(text.back());
        }
        return text;
    }

    // Every shape a private entry can have, hand-edited ones included.
    std::string PrivateEntry() {
        const std::string prefix = IniText(true, false);
        switch (Below(10)) {
        case 0:
            return "";
        case 1:
            return prefix; // no comma at all
        case 2:
            return prefix + ",0";
        case 3:
            return prefix + ",1";
        case 4:
            return prefix + ",";
        case 5:
            return prefix + "," + IniText(true) + Pick<std::string>({"", ",", ",0", ",1", "0"});
        case 6:
            return Pick<std::string>({",0", ",", ",1", "m_0", "A,x,0", "P,10"});
        default:
            return IniText(true);
        }
    }

private:
    std::string Text(bool ini, bool nonEmpty = false) {
        int length = 0;
        switch (Below(nonEmpty ? 4 : 5)) {
        case 0:
            length = 1 + Below(12);
            break;
        case 1:
            length = 13 + Below(300);
            break;
        case 2:
            length = 1025 + Below(1000); // beyond the old registry read limit
            break;
        case 3:
            length = 4097 + Below(2000); // beyond the old group file read limit
            break;
        default:
            return "";
        }
        std::string text;
        while (static_cast<int>(text.size()) < length)
            text += Character(ini);
        return text;
    }

    std::string Character(bool ini) {
        static const std::string punctuation = ",,,;=[]\"'\\/.:-_()%&";
        switch (Below(10)) {
        case 0:
            return std::string(1, punctuation[Below(static_cast<int>(punctuation.size()))]);
        case 1:
            return Pick<std::string>({" ", " ", "\t"});
        case 2:
            return m_nonAscii.empty() ? "x" : Pick(m_nonAscii);
        case 3:
            if (Chance(20)) {
                const char control = static_cast<char>(1 + Below(31));
                if (!ini || (control != '\r' && control != '\n'))
                    return std::string(1, control);
            }
            [[fallthrough]];
        default:
            return std::string(1, static_cast<char>("abcXYZ019_"[Below(10)]));
        }
    }

    static void FixIniEnd(char& c) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || byte == 0x7f || c == '"' || c == '\'')
            c = 'e';
    }

    std::mt19937& m_rng;
    const std::vector<std::string>& m_nonAscii;
};

// Where the state keeps its group settings file, if anywhere.
enum class GroupFile { Unnamed, EmptyName, Missing, Present };

struct StoredState {
    bool settingsKey = false;
    std::map<std::string, std::string> settings; // values present in the settings key
    std::optional<std::string> hook;             // the host registration, when its value exists
    bool hookKey = false;
    GroupFile groupFile = GroupFile::Unnamed;
    std::string section = "CORVALIS";
    std::map<std::string, std::string> group;         // entries present, by the name saving writes
    std::map<std::string, std::string> groupSpelling; // the same entries' names as stored
};

const char* const kGroupKeys[] = {"PRIVATEFUNC1", "PRIVATEMEMBER1", "MSDNCOLLECTION", "CUSTOMKEYWORDS",
                                  "MACROFILE"};
const std::map<std::string, std::vector<std::string>> kGroupSpellings = {
    {"PRIVATEFUNC1", {"PRIVATEFUNC1", "PrivateFunc1", "privatefunc1"}},
    {"PRIVATEMEMBER1", {"PRIVATEMEMBER1", "PrivateMember1", "privatemember1"}},
    {"MSDNCOLLECTION", {"MSDNCOLLECTION", "MSDNCollection", "msdncollection"}},
    {"CUSTOMKEYWORDS", {"CUSTOMKEYWORDS", "CustomKeywords"}},
    {"MACROFILE", {"MACROFILE", "MacroFile"}},
};

bool IsPrivateKey(const std::string& key) {
    return key == "PRIVATEFUNC1" || key == "PRIVATEMEMBER1";
}

StoredState RandomState(TextMaker& make, const std::string& groupPath) {
    StoredState state;
    state.settingsKey = make.Chance(90);
    if (state.settingsKey) {
        for (const auto& flag : kFlagFields)
            if (make.Chance(80))
                state.settings[flag.name] = make.Chance(20)
                                                ? make.RegistryText()
                                                : make.Pick<std::string>({"1", "1", "1", "0", "0", "", "01",
                                                                          "true", "1 ", " 1", "-1"});
        for (const char* name : {"TextForBlankFunction", "TextForArray", "TreeViewBgColor"})
            if (make.Chance(80))
                state.settings[name] = make.RegistryText();
        for (const char* name : {"TooltipFuncMax", "TooltipMsgMax"})
            if (make.Chance(80))
                state.settings[name] = make.Chance(40) ? make.RegistryText()
                                                       : make.Pick<std::string>({"", "0", "15", "1000", " "});
        if (make.Chance(20))
            state.settings["NotOurs"] = make.RegistryText();

        const int file = make.Below(10);
        state.groupFile = file == 0   ? GroupFile::Unnamed
                          : file == 1 ? GroupFile::EmptyName
                          : file < 5  ? GroupFile::Missing
                                      : GroupFile::Present;
        if (state.groupFile == GroupFile::EmptyName)
            state.settings["SettingsFileName"] = "";
        else if (state.groupFile != GroupFile::Unnamed)
            state.settings["SettingsFileName"] = groupPath;
    }
    if (state.groupFile == GroupFile::Present) {
        state.section = make.Pick<std::string>({"CORVALIS", "Corvalis", "corvalis"});
        for (const char* key : kGroupKeys) {
            if (!make.Chance(80))
                continue;
            state.group[key] = IsPrivateKey(key) ? make.PrivateEntry() : make.IniText();
            state.groupSpelling[key] = make.Pick(kGroupSpellings.at(key));
        }
        if (make.Chance(30)) {
            state.group["NotOurs"] = make.IniText();
            state.groupSpelling["NotOurs"] = "NotOurs";
        }
    }
    const int hook = make.Below(6);
    state.hookKey = hook > 0;
    if (hook >= 2)
        state.hook =
            make.Pick<std::string>({"", "", " ", "D:\\Other\\CORVALIS30.DLL", std::string(1500, 'p')});
    return state;
}

// A short account of how two long texts differ, instead of printing both.
testing::AssertionResult SameText(const std::optional<std::string>& actual, const std::string& expected) {
    if (!actual)
        return testing::AssertionFailure() << "missing, expected " << expected.size() << " bytes";
    if (*actual == expected)
        return testing::AssertionSuccess();
    size_t at = 0;
    while (at < actual->size() && at < expected.size() && (*actual)[at] == expected[at])
        ++at;
    return testing::AssertionFailure()
           << actual->size() << " bytes, expected " << expected.size() << "; first difference at " << at
           << ": " << testing::PrintToString(actual->substr(at, 20)) << " instead of "
           << testing::PrintToString(expected.substr(at, 20));
}

class RoundTripTest : public SettingsStoreTest {
protected:
    void Store(const StoredState& state, const std::string& groupPath) {
        if (state.settingsKey) {
            // One open key for all values: a state is stored hundreds of times.
            HKEY key = nullptr;
            ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kSettingsKey.c_str(), &key), ERROR_SUCCESS);
            for (const auto& [name, text] : state.settings)
                EXPECT_EQ(RegSetValueExA(key, name.c_str(), 0, REG_SZ,
                                         reinterpret_cast<const BYTE*>(text.c_str()),
                                         static_cast<DWORD>(text.size() + 1)),
                          ERROR_SUCCESS);
            RegCloseKey(key);
        }
        if (state.hookKey)
            CreateUserKey(kHookKey);
        if (state.hook)
            PutHookValue(*state.hook);
        if (state.groupFile == GroupFile::Present) {
            // Written as a person or another program might, in one go: each platform write rewrites the file.
            std::string file = "; shared by the team\r\n[Other]\r\nMACROFILE=another section's\r\n\r\n[" +
                               state.section + "]\r\n";
            for (const auto& [key, text] : state.group)
                file += state.groupSpelling.at(key) + (text.size() % 2 ? " = " : "=") + text + "\r\n";
            WriteWholeFile(groupPath, file);
            // Guards the text maker: the file format must carry every text it makes.
            for (const auto& [key, text] : state.group)
                ASSERT_TRUE(SameText(ReadIniEntry(groupPath, state.section, key), text)) << key;
        }
    }

    // What a stored value must read back as after loading and saving. It is the value as it was, except:
    // - a boolean that was not exactly "1" or "0" becomes "0";
    // - a tooltip maximum that was missing (or empty, which loads alike) becomes "15";
    // - a private entry is re-encoded as EncodePrivateEntry writes what DecodePrivateEntry made of it;
    // - a missing value is written empty.
    static std::string ExpectedSetting(const StoredState& state, const std::string& name, bool flag) {
        const auto found = state.settings.find(name);
        const std::string stored = found == state.settings.end() ? "" : found->second;
        if (flag)
            return stored == "1" ? "1" : "0";
        if ((name == "TooltipFuncMax" || name == "TooltipMsgMax") && stored.empty())
            return "15";
        return stored;
    }

    static std::string ExpectedGroupEntry(const StoredState& state, const std::string& key) {
        const auto found = state.group.find(key);
        const std::string stored = found == state.group.end() ? "" : found->second;
        if (!IsPrivateKey(key))
            return stored;
        std::string prefix;
        int mode = -1;
        DecodePrivateEntry(stored, prefix, mode);
        return EncodePrivateEntry(prefix, mode);
    }

    void CheckStores(const StoredState& state, const std::string& groupPath) {
        for (const auto& flag : kFlagFields)
            EXPECT_TRUE(SameText(StoredSetting(flag.name), ExpectedSetting(state, flag.name, true)))
                << flag.name;
        for (const auto& text : kTextFields)
            EXPECT_TRUE(SameText(StoredSetting(text.name), ExpectedSetting(state, text.name, false)))
                << text.name;
        if (const auto notOurs = state.settings.find("NotOurs"); notOurs != state.settings.end()) {
            EXPECT_TRUE(SameText(StoredSetting("NotOurs"), notOurs->second)) << "NotOurs";
        }

        EXPECT_TRUE(SameText(StoredHookValue(), state.hook.value_or("")));

        const bool named = state.groupFile == GroupFile::Missing || state.groupFile == GroupFile::Present;
        if (!named) {
            EXPECT_TRUE(std::filesystem::is_empty(m_dir.path()))
                << "a group file was written though none is named";
            return;
        }
        for (const char* key : kGroupKeys)
            EXPECT_TRUE(SameText(ReadIniEntry(groupPath, kGroupSection, key), ExpectedGroupEntry(state, key)))
                << key;
        if (state.group.count("NotOurs")) {
            EXPECT_TRUE(
                SameText(ReadIniEntry(groupPath, kGroupSection, "NotOurs"), state.group.at("NotOurs")));
        }
        if (state.groupFile == GroupFile::Present) {
            EXPECT_EQ(ReadIniEntry(groupPath, "Other", "MACROFILE"), "another section's");
        }
    }
};

TEST_F(RoundTripTest, LoadingThenSavingKeepsWhatWasStored) {
    const unsigned long seed = SeedFromEnvironment();
    const std::vector<std::string> nonAscii = NonAsciiCharacters();
    ASSERT_FALSE(nonAscii.empty()) << "code page " << GetACP();

    for (int i = 0; i < kStates && !HasFailure(); ++i) {
        SCOPED_TRACE(testing::Message() << "seed " << seed << " (CORVALIS_ROUNDTRIP_SEED), state " << i);
        // Each state has its own generator, so that one state can be studied without the others.
        std::seed_seq seq{static_cast<unsigned>(seed), static_cast<unsigned>(i)};
        std::mt19937 rng(seq);
        TextMaker make(rng, nonAscii);
        // A new name each time: the platform's cache of INI files never serves an earlier state's file.
        const std::string groupPath = m_dir.file("group " + std::to_string(i) + ", settings.ini");
        const StoredState state = RandomState(make, groupPath);
        ClearKeys();
        Store(state, groupPath);
        if (HasFailure())
            break;

        ConfigSettings settings;
        LoadSettings(settings);
        EXPECT_EQ(SaveSettings(settings), std::vector<std::string>{});

        CheckStores(state, groupPath);
        DeleteFileA(groupPath.c_str());
    }
}

} // namespace
