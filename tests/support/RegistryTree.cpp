#include "RegistryTree.h"

#include "RegKey.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

void Walk(HKEY key, const std::string& relative, RegistryTree& tree) {
    tree.keys.insert(relative);

    DWORD subkeyCount = 0, longestSubkey = 0, valueCount = 0, longestName = 0, longestData = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeyCount, &longestSubkey, nullptr, &valueCount,
                         &longestName, &longestData, nullptr, nullptr) != ERROR_SUCCESS) {
        ADD_FAILURE() << "cannot query key " << relative;
        return;
    }
    for (DWORD i = 0; i < valueCount; ++i) {
        std::string name(longestName + 1, '\0');
        std::string data(longestData + 1, '\0');
        DWORD nameSize = static_cast<DWORD>(name.size());
        DWORD dataSize = static_cast<DWORD>(data.size());
        DWORD type = REG_NONE;
        if (RegEnumValueA(key, i, name.data(), &nameSize, nullptr, &type,
                          reinterpret_cast<BYTE*>(data.data()), &dataSize) != ERROR_SUCCESS) {
            ADD_FAILURE() << "cannot read value " << i << " of key " << relative;
            continue;
        }
        name.resize(nameSize);
        data.resize(dataSize);
        tree.values[relative + "|" + name] = StoredValue{type, data};
    }
    for (DWORD i = 0; i < subkeyCount; ++i) {
        std::string name(longestSubkey + 1, '\0');
        DWORD nameSize = static_cast<DWORD>(name.size());
        if (RegEnumKeyExA(key, i, name.data(), &nameSize, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            ADD_FAILURE() << "cannot list subkey " << i << " of key " << relative;
            continue;
        }
        name.resize(nameSize);
        RegKey child;
        if (RegOpenKeyExA(key, name.c_str(), 0, KEY_READ, child.receive()) != ERROR_SUCCESS) {
            ADD_FAILURE() << "cannot open subkey " << name << " of key " << relative;
            continue;
        }
        Walk(child.get(), relative.empty() ? name : relative + "\\" + name, tree);
    }
}

} // namespace

void PrintTo(const StoredValue& value, std::ostream* out) {
    *out << "{type " << value.type << ", " << value.bytes.size()
         << " bytes: " << ::testing::PrintToString(value.bytes) << "}";
}

std::optional<RegistryTree> SnapshotUserTree(const std::string& keyPath) {
    RegKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, key.receive()) != ERROR_SUCCESS)
        return std::nullopt;
    RegistryTree tree;
    Walk(key.get(), "", tree);
    return tree;
}

std::vector<std::string> ListUserSubkeys(const std::string& keyPath) {
    std::vector<std::string> names;
    RegKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, key.receive()) != ERROR_SUCCESS)
        return names;
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD size = sizeof name;
        if (RegEnumKeyExA(key.get(), i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name, size);
    }
    return names;
}

void CreateVolatileUserKey(const std::string& keyPath) {
    RegKey key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, key.receive(), nullptr),
              ERROR_SUCCESS);
}
