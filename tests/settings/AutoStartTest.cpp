#include "AutoStart.h"

#include "RegistryTree.h"
#include "SettingsStoreFixture.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

class AutoStartTest : public SettingsStoreTest {};

// The library path worked out here from the test executable's own path.
std::string ExpectedLibraryPath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.rfind('\\')) + "\\CORVALIS30.DLL";
}

TEST_F(AutoStartTest, LibraryPathIsTheExecutablesDirectoryAndTheAddInName) {
    const std::string path = BuildHookDllPath();
    EXPECT_EQ(path, ExpectedLibraryPath());
    EXPECT_NE(path.find(":\\"), std::string::npos) << path; // a full path, not a bare name
}

enum class Before { KeyMissing, ValueMissing, ValueEmpty, OtherPath };

TEST_F(AutoStartTest, NetEffectOfEveryStartingStateAndRequest) {
    const std::string other = "D:\\Elsewhere\\CORVALIS30.DLL";
    const std::string ours = ExpectedLibraryPath();
    const struct {
        const char* name;
        Before before;
        int enable;
        std::string after;
    } rows[] = {
        {"key missing, enable", Before::KeyMissing, 1, ours},
        {"key missing, disable", Before::KeyMissing, 0, ""},
        {"value missing, enable", Before::ValueMissing, 1, ours},
        {"value missing, disable", Before::ValueMissing, 0, ""},
        {"value empty, enable", Before::ValueEmpty, 1, ours},
        {"value empty, disable", Before::ValueEmpty, 0, ""},
        {"other path, enable", Before::OtherPath, 1, other},
        {"other path, disable", Before::OtherPath, 0, ""},
        {"key missing, enable with -1", Before::KeyMissing, -1, ours},
        {"other path, enable with 2", Before::OtherPath, 2, other},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ClearKeys();
        switch (row.before) {
        case Before::KeyMissing:
            break;
        case Before::ValueMissing:
            CreateUserKey(kHookKey);
            break;
        case Before::ValueEmpty:
            PutHookValue("");
            break;
        case Before::OtherPath:
            PutHookValue(other);
            break;
        }
        EXPECT_EQ(IsAutoStartRegistered(), row.before == Before::OtherPath);

        EXPECT_TRUE(SetAutoStart(row.enable));

        EXPECT_EQ(StoredHookValue(), row.after);
        EXPECT_EQ(IsAutoStartRegistered(), !row.after.empty());
        // The value is the key's only content: nothing else is written beside it or below it.
        const auto tree = SnapshotUserTree(kHookKey);
        ASSERT_TRUE(tree);
        EXPECT_EQ(tree->keys.size(), 1u);
        EXPECT_EQ(tree->values.size(), 1u);
    }
}

TEST_F(AutoStartTest, AnyNonEmptyTextCountsAsRegisteredAndIsKeptWhenEnabling) {
    const std::string cases[] = {" ", std::string(1500, 'p'), std::string(1024, 'q'), "not a path at all"};
    for (const auto& text : cases) {
        SCOPED_TRACE(text.size() > 40 ? std::to_string(text.size()) + " bytes" : '"' + text + '"');
        ClearKeys();
        PutHookValue(text);
        const auto before = GetUserValue(kHookKey, kHookValue);

        EXPECT_TRUE(IsAutoStartRegistered());
        EXPECT_TRUE(SetAutoStart(1));

        const auto after = GetUserValue(kHookKey, kHookValue);
        ASSERT_TRUE(after);
        EXPECT_EQ(after->type, before->type);
        EXPECT_EQ(after->bytes, before->bytes);

        EXPECT_TRUE(SetAutoStart(0));
        EXPECT_EQ(StoredHookValue(), "");
        EXPECT_FALSE(IsAutoStartRegistered());
    }
}

TEST_F(AutoStartTest, ValueNamesAreMatchedWithoutRegardToCase) {
    PutUserValue(kHookKey, "CORVALIS", REG_SZ, std::string("X:\\CORVALIS30.DLL\0", 18));
    EXPECT_TRUE(IsAutoStartRegistered());
    EXPECT_TRUE(SetAutoStart(0));
    EXPECT_EQ(StoredHookValue(), "");
    EXPECT_EQ(SnapshotUserTree(kHookKey)->values.size(), 1u);
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The names of the subkeys of keyPath that equal name regardless of letter case.
std::vector<std::string> SubkeysNamed(const std::string& keyPath, const std::string& name) {
    std::vector<std::string> found;
    for (const auto& subkey : ListUserSubkeys(keyPath))
        if (Lower(subkey) == Lower(name))
            found.push_back(subkey);
    return found;
}

TEST_F(AutoStartTest, UsesTheHostKeyWhateverItsLetterCase) {
    const std::string upper = "SOFTWARE\\GUPTA\\SQLWINDOWS 3.0\\DESIGNHOOKDLL";
    for (int enable : {1, 0}) {
        SCOPED_TRACE(enable);
        ClearKeys();
        CreateUserKey(upper);

        EXPECT_TRUE(SetAutoStart(enable));

        EXPECT_EQ(SubkeysNamed("Software", "Gupta"), std::vector<std::string>{"GUPTA"});
        EXPECT_EQ(SubkeysNamed("Software\\Gupta", "SQLWindows 3.0"),
                  std::vector<std::string>{"SQLWINDOWS 3.0"});
        EXPECT_EQ(ListUserSubkeys("Software\\Gupta\\SQLWindows 3.0"),
                  std::vector<std::string>{"DESIGNHOOKDLL"});
        EXPECT_EQ(StoredString(upper, kHookValue), enable ? ExpectedLibraryPath() : "");
        EXPECT_EQ(IsAutoStartRegistered(), enable != 0);
    }
}

TEST_F(AutoStartTest, ReportsWritesThatCouldNotBeStored) {
    // Under a volatile key no ordinary key can be created, so the host key cannot come into being.
    for (int enable : {1, 0}) {
        SCOPED_TRACE(enable);
        ClearKeys();
        CreateVolatileUserKey("Software\\Gupta");

        EXPECT_FALSE(SetAutoStart(enable));

        EXPECT_FALSE(UserKeyExists(kHookKey));
        EXPECT_FALSE(IsAutoStartRegistered());
    }
}

} // namespace
