#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// Whole-key views of HKEY_CURRENT_USER for tests that must show what an operation did or did not change.

struct StoredValue {
    DWORD type = REG_NONE;
    std::string bytes; // the stored data, exactly
    bool operator==(const StoredValue&) const = default;
};

// Every key and value under a key: subkeys by their path relative to it ("" for the key itself),
// values as "relative key path|value name".
struct RegistryTree {
    std::set<std::string> keys;
    std::map<std::string, StoredValue> values;
    bool operator==(const RegistryTree&) const = default;
};

void PrintTo(const StoredValue& value, std::ostream* out);

// The tree under a key of HKEY_CURRENT_USER, or nullopt when the key does not exist.
std::optional<RegistryTree> SnapshotUserTree(const std::string& keyPath);

// The names of a key's direct subkeys, as the registry spells them.
std::vector<std::string> ListUserSubkeys(const std::string& keyPath);

// Creates a volatile key of HKEY_CURRENT_USER. The registry refuses to create ordinary keys under it, which
// makes every later attempt to create a key below it fail.
void CreateVolatileUserKey(const std::string& keyPath);
