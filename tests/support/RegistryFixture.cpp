#include "RegistryFixture.h"

#include "RegKey.h"

#include <gtest/gtest.h>

#include <vector>

void DeleteUserKey(const std::string& keyPath) {
    RegDeleteTreeA(HKEY_CURRENT_USER, keyPath.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, keyPath.c_str());
}

void DeleteMachineKey(const std::string& keyPath, REGSAM view) {
    RegKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_ALL_ACCESS | view, key.receive()) ==
        ERROR_SUCCESS)
        RegDeleteTreeA(key.get(), nullptr);
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), view, 0);
}

bool UserKeyExists(const std::string& keyPath) {
    RegKey key;
    return RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, key.receive()) == ERROR_SUCCESS;
}

void PutUserValue(const std::string& keyPath, const std::string& name, DWORD type, const std::string& bytes) {
    RegKey key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, keyPath.c_str(), key.receive()), ERROR_SUCCESS);
    // RegSetValueExA counts a zero byte that happens to follow string data in memory as its terminator;
    // a copy followed by a non-zero byte keeps "no terminator" fixtures honest.
    std::vector<BYTE> data(bytes.begin(), bytes.end());
    data.push_back('#');
    ASSERT_EQ(RegSetValueExA(key.get(), name.c_str(), 0, type, data.data(), static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
}

void PutMachineString(const std::string& keyPath, const std::string& name, const std::string& text,
                      REGSAM view) {
    RegKey key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view,
                              nullptr, key.receive(), nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                             static_cast<DWORD>(text.size() + 1)),
              ERROR_SUCCESS);
}

std::optional<RawValue> GetUserValue(const std::string& keyPath, const std::string& name) {
    RegKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, key.receive()) != ERROR_SUCCESS)
        return std::nullopt;
    RawValue value;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<BYTE> data(size + 1);
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.type, data.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.bytes.assign(data.begin(), data.begin() + size);
    return value;
}

std::optional<std::string> GetUserString(const std::string& keyPath, const std::string& name) {
    auto value = GetUserValue(keyPath, name);
    if (!value)
        return std::nullopt;
    std::string text = value->bytes;
    if (!text.empty() && text.back() == '\0')
        text.pop_back();
    return text;
}
