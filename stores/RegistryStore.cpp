#include "RegistryStore.h"

#include "RegKey.h"

#include <algorithm>
#include <vector>

namespace {

constexpr DWORD kFirstReadSize = 1024;

// MAXIMUM_ALLOWED is the access that RegOpenKeyA asks for; machine-wide keys are read in the 32-bit view
// so that the 64-bit build sees what the 32-bit host IDE and add-in see.
LONG OpenForReading(HKEY root, const std::string& keyPath, RegKey& key) {
    if (root == HKEY_LOCAL_MACHINE)
        return RegOpenKeyExA(root, keyPath.c_str(), 0, MAXIMUM_ALLOWED | KEY_WOW64_32KEY, key.receive());
    return RegOpenKeyA(root, keyPath.c_str(), key.receive());
}

} // namespace

std::string ReadRegString(HKEY root, const std::string& keyPath, const std::string& valueName) {
    RegKey key;
    if (OpenForReading(root, keyPath, key) != ERROR_SUCCESS)
        return {};

    std::vector<BYTE> data(kFirstReadSize);
    DWORD size = static_cast<DWORD>(data.size());
    LONG status = RegQueryValueExA(key.get(), valueName.c_str(), nullptr, nullptr, data.data(), &size);
    // A longer value is read again with the size the platform reported; it may grow in between.
    while (status == ERROR_MORE_DATA) {
        data.resize(size);
        status = RegQueryValueExA(key.get(), valueName.c_str(), nullptr, nullptr, data.data(), &size);
    }
    if (status != ERROR_SUCCESS || size == 0)
        return {};

    const auto end = data.begin() + std::min<size_t>(size, data.size());
    return std::string(data.begin(), std::find(data.begin(), end, BYTE{0}));
}

bool WriteRegString(const std::string& keyPath, const std::string& valueName, const std::string& text) {
    RegKey key;
    if (RegOpenKeyA(HKEY_CURRENT_USER, keyPath.c_str(), key.receive()) != ERROR_SUCCESS)
        return false;
    const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
    const auto size = static_cast<DWORD>(text.size() + 1);
    return RegSetValueExA(key.get(), valueName.c_str(), 0, REG_SZ, bytes, size) == ERROR_SUCCESS;
}

bool CreateRegKey(const std::string& keyPath) {
    RegKey key;
    return RegCreateKeyA(HKEY_CURRENT_USER, keyPath.c_str(), key.receive()) == ERROR_SUCCESS;
}
