#include "IniEntries.h"
#include "ProgramTestFixture.h"
#include "RegistryFixture.h"

#include <functional>
#include <map>
#include <vector>

namespace {

class ProgramProcessTest : public ProgramTest {};

StoredValue Sz(const std::string& text) {
    return {REG_SZ, text + '\0'};
}

// What the first OK on a machine without any settings stores: the defaults loading applied.
RegistryTree DefaultSettingsTree() {
    RegistryTree tree;
    tree.keys = {"", "Corvalis", "Corvalis\\Settings"};
    for (const char* flag : {"ShowClassNames", "PasteParameters", "AllowMovement", "ColorTreeView",
                             "ShowGlobals", "ActiveInLiterals", "EnableNamingRules", "EnablePlusPlus",
                             "AddObjectNull", "EnableOnInsert", "DisableOnInsertInActions"})
        tree.values[std::string("Corvalis\\Settings|") + flag] = Sz("0");
    for (const char* text : {"SettingsFileName", "TextForBlankFunction", "TextForArray", "TreeViewBgColor"})
        tree.values[std::string("Corvalis\\Settings|") + text] = Sz("");
    tree.values["Corvalis\\Settings|TooltipFuncMax"] = Sz("15");
    tree.values["Corvalis\\Settings|TooltipMsgMax"] = Sz("15");
    return tree;
}

// The host's key with the add-in not registered: the value exists and is empty.
RegistryTree UnregisteredHookTree() {
    RegistryTree tree;
    tree.keys = {"", "SQLWindows 3.0", "SQLWindows 3.0\\DesignHookDll"};
    tree.values["SQLWindows 3.0\\DesignHookDll|Corvalis"] = Sz("");
    return tree;
}

TEST_F(ProgramProcessTest, ReturnStoresTheLoadedDefaultsWhateverTheArguments) {
    for (const std::string arguments : {"", "/x foo --bar", "\"C:\\some where\\file.ini\" /s -embedding"}) {
        SCOPED_TRACE("arguments: " + arguments);
        ClearKeys();

        RunAndEnd(Ending::ReturnKey, BuiltProgramPath(), arguments);

        EXPECT_EQ(SnapshotUserTree(kVendorKey), DefaultSettingsTree());
        EXPECT_EQ(SnapshotUserTree(kHostKey), UnregisteredHookTree());
    }
}

struct StoreState {
    const char* name;
    std::function<void(const std::string& groupFile)> prepare;
};

TEST_F(ProgramProcessTest, CancellingInAnyWayLeavesEveryStoreAsItWas) {
    const std::string groupFile = m_dir.file("group.ini");
    // Blanks around "=" that any rewrite of the file would drop.
    const std::string groupBytes = "[CORVALIS]\r\nPrivateFunc1 = pf_,0\r\nMACROFILE=C:\\macros.txt\r\n"
                                   "[Other]\r\nKeep=this\r\n";
    const std::vector<StoreState> states = {
        {"nothing stored", [](const std::string&) {}},
        {"everything stored",
         [&](const std::string& file) {
             PutString(kSettingsKey, "SettingsFileName", file);
             PutString(kSettingsKey, "ShowClassNames", "1");
             PutString(kSettingsKey, "TooltipFuncMax", "7");
             PutString(kSettingsKey, "TextForArray", "");
             PutString(kHookKey, kHookValue, "C:\\Elsewhere\\CORVALIS30.DLL");
             WriteWholeFile(file, groupBytes);
         }},
    };
    for (const StoreState& state : states) {
        for (Ending ending : {Ending::CancelButton, Ending::EscapeKey, Ending::CloseBox, Ending::AltF4}) {
            SCOPED_TRACE(std::string(state.name) + ", " + NameOf(ending));
            ClearKeys();
            DeleteFileA(groupFile.c_str());
            state.prepare(groupFile);
            const StoredKeys before = SnapshotStoredKeys();
            const bool hadGroupFile = FileExists(groupFile);

            RunAndEnd(ending);

            EXPECT_EQ(SnapshotStoredKeys(), before);
            EXPECT_EQ(FileExists(groupFile), hadGroupFile);
            if (hadGroupFile) {
                EXPECT_EQ(ReadWholeFile(groupFile), groupBytes);
            }
        }
    }
}

struct GroupFileCase {
    const char* name;
    std::optional<std::string> bytes; // nullopt: no file yet
    std::map<std::string, std::string> entries;
};

TEST_F(ProgramProcessTest, ReturnWritesTheFiveGroupEntriesBackToTheNamedFile) {
    const std::vector<GroupFileCase> cases = {
        {"file not there yet",
         std::nullopt,
         {{"PRIVATEFUNC1", ""},
          {"PRIVATEMEMBER1", ""},
          {"MSDNCOLLECTION", ""},
          {"CUSTOMKEYWORDS", ""},
          {"MACROFILE", ""}}},
        {"some entries, in mixed case",
         "[CORVALIS]\r\nPrivateFunc1=pf_,0\r\nMacroFile=C:\\macros.txt\r\n",
         {{"PRIVATEFUNC1", "pf_,0"},
          {"PRIVATEMEMBER1", ""},
          {"MSDNCOLLECTION", ""},
          {"CUSTOMKEYWORDS", ""},
          {"MACROFILE", "C:\\macros.txt"}}},
        {"prefixes without a mode",
         "[CORVALIS]\r\nPrivateFunc1=f_\r\nPrivateMember1=m_,\r\nMSDNCollection=C:\\msdn.col\r\n"
         "CustomKeywords=C:\\words.txt\r\nMACROFILE=\r\n",
         {{"PRIVATEFUNC1", "f_,1"},
          {"PRIVATEMEMBER1", "m_,1"},
          {"MSDNCOLLECTION", "C:\\msdn.col"},
          {"CUSTOMKEYWORDS", "C:\\words.txt"},
          {"MACROFILE", ""}}},
    };
    const std::string groupFile = m_dir.file("group.ini");
    for (const GroupFileCase& c : cases) {
        SCOPED_TRACE(c.name);
        ClearKeys();
        DeleteFileA(groupFile.c_str());
        PutString(kSettingsKey, "SettingsFileName", groupFile);
        if (c.bytes)
            WriteWholeFile(groupFile, *c.bytes + "[Other]\r\nKeep=this\r\n");

        RunAndEnd(Ending::ReturnKey);

        for (const auto& [key, text] : c.entries)
            EXPECT_EQ(ReadIniEntry(groupFile, kGroupSection, key), text) << key;
        EXPECT_EQ(GetUserString(kSettingsKey, "SettingsFileName"), groupFile);
        if (c.bytes) {
            EXPECT_EQ(ReadIniEntry(groupFile, "Other", "Keep"), "this");
        }
    }
}

TEST_F(ProgramProcessTest, EveryEndingEndsTheProcessWithTheDialogItsOnlyWindow) {
    for (Ending ending : {Ending::OkButton, Ending::ReturnKey, Ending::CancelButton, Ending::EscapeKey,
                          Ending::CloseBox, Ending::AltF4}) {
        SCOPED_TRACE(NameOf(ending));
        ProgramProcess process(BuiltProgramPath());
        ASSERT_TRUE(process.started());
        const HWND dialog = process.WaitForDialog(kDialogTitle);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(process.Windows(true), std::vector<HWND>{dialog});

        EndDialogBy(process, dialog, ending);

        EXPECT_TRUE(process.WaitForExit());
        EXPECT_EQ(process.Windows(false), std::vector<HWND>{});
    }
}

TEST_F(ProgramProcessTest, CreatesNoIniFileNamedAfterTheProgram) {
    char windowsDirectory[MAX_PATH] = {};
    ASSERT_GT(GetWindowsDirectoryA(windowsDirectory, sizeof windowsDirectory), 0u);
    const std::string program = BuiltProgramPath();
    const std::string currentDirectory = m_dir.file("current");
    ASSERT_TRUE(CreateDirectoryA(currentDirectory.c_str(), nullptr));
    const std::vector<std::string> places = {
        std::string(windowsDirectory) + "\\CorvalisConfig.INI",
        program.substr(0, program.rfind('\\')) + "\\CorvalisConfig.INI",
        currentDirectory + "\\CorvalisConfig.INI",
    };
    for (Ending ending : {Ending::ReturnKey, Ending::EscapeKey}) {
        SCOPED_TRACE(NameOf(ending));
        for (const std::string& place : places)
            DeleteFileA(place.c_str());

        RunAndEnd(ending, program, {}, currentDirectory);

        for (const std::string& place : places)
            EXPECT_FALSE(FileExists(place)) << place;
    }
}

} // namespace
