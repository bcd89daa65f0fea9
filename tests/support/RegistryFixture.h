#pragma once

#include <windows.h>

#include <optional>
#include <string>

// Direct registry access for tests, independent of the code under test.

// Deletes a key of HKEY_CURRENT_USER with everything under it; missing keys are fine.
void DeleteUserKey(const std::string& keyPath);
// Deletes a key of HKEY_LOCAL_MACHINE in one registry view (KEY_WOW64_32KEY, the one the 32-bit host sees,
// or KEY_WOW64_64KEY), with everything under it.
void DeleteMachineKey(const std::string& keyPath, REGSAM view);
bool UserKeyExists(const std::string& keyPath);

struct RawValue {
    DWORD type = REG_NONE;
    std::string bytes; // the stored data, exactly
    bool operator==(const RawValue&) const = default;
};

// Stores raw bytes of any type under HKEY_CURRENT_USER, creating the key.
void PutUserValue(const std::string& keyPath, const std::string& name, DWORD type, const std::string& bytes);
// Stores a REG_SZ (with terminator) under HKEY_LOCAL_MACHINE in one registry view, creating the key.
void PutMachineString(const std::string& keyPath, const std::string& name, const std::string& text,
                      REGSAM view);
std::optional<RawValue> GetUserValue(const std::string& keyPath, const std::string& name);
// The text of a REG_SZ value without its terminator, or nullopt when missing.
std::optional<std::string> GetUserString(const std::string& keyPath, const std::string& name);
