#include "RegistryStore.h"

#include "RegKey.h"
#include "RegistryFixture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// Each test executable keeps to its own branch, so that test runs in parallel do not clear each other's keys.
const std::string kRoot = "Software\\CorvalisTest\\RegistryStore";
const std::string kKey = kRoot + "\\Key";
const std::string kMissingKey = kRoot + "\\Missing\\Deeper";

// Text whose every position differs from its neighbours, so that a cut or a shifted read shows.
std::string Pattern(size_t length) {
    std::string text(length, ' ');
    for (size_t i = 0; i < length; ++i)
        text[i] = static_cast<char>('A' + i % 23);
    return text;
}

std::string WithTerminator(const std::string& text) {
    return text + std::string(1, '\0');
}

template <typename Number> std::string BytesOf(Number number) {
    std::string bytes(sizeof number, '\0');
    std::memcpy(bytes.data(), &number, sizeof number);
    return bytes;
}

bool MachineKeyExists32(const std::string& keyPath) {
    RegKey key;
    return RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ | KEY_WOW64_32KEY, key.receive()) ==
           ERROR_SUCCESS;
}

// The number of values under a key of HKEY_CURRENT_USER; 0 when it cannot be opened.
DWORD ValueCount(const std::string& keyPath) {
    RegKey key;
    DWORD values = 0;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, key.receive()) == ERROR_SUCCESS)
        RegQueryInfoKeyA(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                         nullptr, nullptr, nullptr);
    return values;
}

// The parent that every test executable's branch shares; deleting it without its tree removes it only once
// it is empty.
const char* const kSharedParent = "Software\\CorvalisTest";

class RegistryStoreTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteUserKey(kRoot); }
    void TearDown() override {
        DeleteUserKey(kRoot);
        RegDeleteKeyA(HKEY_CURRENT_USER, kSharedParent);
    }
};

struct ReadCase {
    const char* name;
    DWORD type;
    std::string stored; // the value's data, exactly
    std::string expected;
};

TEST_F(RegistryStoreTest, ReadsTheStoredBytesUpToTheFirstZeroWhateverTheLength) {
    const std::vector<ReadCase> cases = {
        {"short text with terminator", REG_SZ, WithTerminator("hello"), "hello"},
        {"1,023 bytes and terminator fill the first buffer", REG_SZ, WithTerminator(Pattern(1023)),
         Pattern(1023)},
        {"1,024 bytes and terminator", REG_SZ, WithTerminator(Pattern(1024)), Pattern(1024)},
        {"1,025 bytes and terminator", REG_SZ, WithTerminator(Pattern(1025)), Pattern(1025)},
        {"5,000 bytes and terminator", REG_SZ, WithTerminator(Pattern(5000)), Pattern(5000)},
        {"short text without terminator", REG_SZ, "abc", "abc"},
        {"1,024 bytes without terminator", REG_SZ, Pattern(1024), Pattern(1024)},
        {"1,025 bytes without terminator", REG_SZ, Pattern(1025), Pattern(1025)},
        {"zero byte inside", REG_SZ, std::string("ab\0cd", 5) + '\0', "ab"},
        {"zero byte first", REG_SZ, std::string("\0cd", 3) + '\0', ""},
        {"zero byte inside a long value", REG_SZ, Pattern(1500) + '\0' + Pattern(700) + '\0', Pattern(1500)},
        {"data size 0", REG_SZ, "", ""},
        {"binary of data size 0", REG_BINARY, "", ""},
        {"DWORD 0", REG_DWORD, BytesOf<std::uint32_t>(0), ""},
        {"DWORD 49", REG_DWORD, BytesOf<std::uint32_t>(49), "1"},
        {"DWORD without zero byte", REG_DWORD, BytesOf<std::uint32_t>(0x34333231), "1234"},
        {"QWORD", REG_QWORD, BytesOf<std::uint64_t>(0x4241), "AB"},
        {"QWORD without zero byte", REG_QWORD, BytesOf<std::uint64_t>(0x3837363534333231), "12345678"},
        {"binary", REG_BINARY, "xyz", "xyz"},
        {"long binary", REG_BINARY, Pattern(3000), Pattern(3000)},
        {"expandable string stays unexpanded", REG_EXPAND_SZ, WithTerminator("%SystemRoot%\\x"),
         "%SystemRoot%\\x"},
        {"multi-string gives its first string", REG_MULTI_SZ, std::string("one\0two\0\0", 9), "one"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PutUserValue(kKey, "Value", c.type, c.stored);
        EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, "Value"), c.expected);
    }
}

TEST_F(RegistryStoreTest, MissingKeyOrValueReadsEmptyAndCreatesNothing) {
    PutUserValue(kKey, "Present", REG_SZ, WithTerminator("here"));

    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, "Absent"), "");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kMissingKey, "Present"), "");
    EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, kMissingKey, "Present"), "");

    EXPECT_FALSE(UserKeyExists(kRoot + "\\Missing"));
    EXPECT_FALSE(MachineKeyExists32(kRoot + "\\Missing"));
    EXPECT_FALSE(GetUserValue(kKey, "Absent").has_value());
}

TEST_F(RegistryStoreTest, KeyAndValueNamesMatchWithoutRegardToLetterCase) {
    PutUserValue(kKey, "MixedCase", REG_SZ, WithTerminator("first"));
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, "SOFTWARE\\corvalistest\\REGISTRYSTORE\\KEY", "mixedcase"),
              "first");

    EXPECT_TRUE(WriteRegString("software\\CORVALISTEST\\registrystore\\key", "MIXEDCASE", "second"));
    EXPECT_EQ(GetUserString(kKey, "MixedCase"), "second");

    EXPECT_EQ(ValueCount(kKey), 1u);
}

struct WriteCase {
    const char* name;
    DWORD existingType; // REG_NONE: no value before the write
    std::string existing;
    std::string text;
};

TEST_F(RegistryStoreTest, WriteStoresTextAndTerminatorAsStringWhateverWasThere) {
    const std::vector<WriteCase> cases = {
        {"new value", REG_NONE, "", "C:\\Tools\\CORVALIS30.DLL"},
        {"empty text", REG_NONE, "", ""},
        {"empty text over text", REG_SZ, WithTerminator("old"), ""},
        {"shorter text over longer", REG_SZ, WithTerminator(Pattern(50)), "1"},
        {"over a DWORD", REG_DWORD, BytesOf<std::uint32_t>(1), "0"},
        {"over binary", REG_BINARY, Pattern(2000), "text"},
        {"over a string without terminator", REG_SZ, "abc", "abc"},
        {"long text", REG_NONE, "", Pattern(5000)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteUserKey(kKey);
        PutUserValue(kKey, "Other", REG_SZ, WithTerminator("untouched"));
        if (c.existingType != REG_NONE)
            PutUserValue(kKey, "Value", c.existingType, c.existing);

        EXPECT_TRUE(WriteRegString(kKey, "Value", c.text));

        const auto stored = GetUserValue(kKey, "Value");
        ASSERT_TRUE(stored.has_value());
        EXPECT_EQ(stored->type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(stored->bytes, WithTerminator(c.text));
        EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, "Value"), c.text);
        EXPECT_EQ(GetUserString(kKey, "Other"), "untouched");
    }
}

TEST_F(RegistryStoreTest, WriteUnderMissingKeyFailsAndCreatesNothingUntilTheKeyIsCreated) {
    EXPECT_FALSE(WriteRegString(kMissingKey, "Value", "text"));
    EXPECT_FALSE(UserKeyExists(kRoot));

    EXPECT_TRUE(CreateRegKey(kMissingKey));
    EXPECT_TRUE(UserKeyExists(kMissingKey));
    EXPECT_TRUE(WriteRegString(kMissingKey, "Value", "text"));
    EXPECT_EQ(GetUserString(kMissingKey, "Value"), "text");
}

TEST_F(RegistryStoreTest, WriteThatThePlatformRefusesReportsFailure) {
    // Value names are limited to 16,383 characters; the key opens but the value cannot be set.
    ASSERT_TRUE(CreateRegKey(kKey));
    const std::string tooLongName(16384, 'v');
    EXPECT_FALSE(WriteRegString(kKey, tooLongName, "text"));

    EXPECT_EQ(ValueCount(kKey), 0u);
}

TEST_F(RegistryStoreTest, CreateOnExistingKeyKeepsItsValuesAndSubkeys) {
    PutUserValue(kKey, "Keep", REG_DWORD, BytesOf<std::uint32_t>(7));
    PutUserValue(kKey + "\\Child", "Inner", REG_SZ, WithTerminator("inner"));

    EXPECT_TRUE(CreateRegKey(kKey));
    EXPECT_TRUE(CreateRegKey("SOFTWARE\\CORVALISTEST\\REGISTRYSTORE\\KEY"));

    const auto kept = GetUserValue(kKey, "Keep");
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(kept->bytes, BytesOf<std::uint32_t>(7));
    EXPECT_EQ(GetUserString(kKey + "\\Child", "Inner"), "inner");
}

TEST_F(RegistryStoreTest, CreateThatThePlatformRefusesReportsFailure) {
    // A key name may not be longer than 255 characters.
    EXPECT_FALSE(CreateRegKey(kRoot + "\\" + std::string(300, 'k')));
}

class MachineRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }

    static void Clean() {
        DeleteMachineKey(kRoot, KEY_WOW64_32KEY);
        DeleteMachineKey(kRoot, KEY_WOW64_64KEY);
        RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kSharedParent, KEY_WOW64_32KEY, 0);
        RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kSharedParent, KEY_WOW64_64KEY, 0);
    }
};

TEST_F(MachineRegistryTest, MachineWideReadsSeeThe32BitView) {
    const std::string both = kRoot + "\\BothViews";
    const std::string only64 = kRoot + "\\Only64";
    PutMachineString(both, "Value", "seen by the 32-bit host", KEY_WOW64_32KEY);
    PutMachineString(both, "Value", "64-bit only", KEY_WOW64_64KEY);
    PutMachineString(only64, "Value", "64-bit only", KEY_WOW64_64KEY);
    PutMachineString(kKey, "Long", Pattern(3000), KEY_WOW64_32KEY);

    EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, both, "Value"), "seen by the 32-bit host");
    EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, only64, "Value"), "");
    EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, kKey, "Long"), Pattern(3000));
    EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, "software\\corvalistest\\registrystore\\bothviews", "VALUE"),
              "seen by the 32-bit host");
}

} // namespace
