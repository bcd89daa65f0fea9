#include "GroupSettingsFile.h"

#include <windows.h>

#include <vector>

namespace {

constexpr const char* kSection = "CORVALIS";
constexpr DWORD kFirstReadSize = 4096;

// Whether the key exists, however the platform resolves the path. A value never starts with a line break,
// so the default shows that the key was not found.
bool KeyPresent(const std::string& filePath, const std::string& key) {
    char probe[2] = {};
    GetPrivateProfileStringA(kSection, key.c_str(), "\n", probe, sizeof probe, filePath.c_str());
    return probe[0] != '\n';
}

} // namespace

std::string ReadGroupSetting(const std::string& filePath, const std::string& key) {
    std::vector<char> buffer(kFirstReadSize);
    for (;;) {
        const auto size = static_cast<DWORD>(buffer.size());
        const DWORD copied =
            GetPrivateProfileStringA(kSection, key.c_str(), "", buffer.data(), size, filePath.c_str());
        // A full buffer (size - 1 characters) may mean the value was cut: read again with more room.
        if (copied + 1 < size)
            return std::string(buffer.data(), copied);
        buffer.resize(buffer.size() * 2);
    }
}

bool WriteGroupSetting(const std::string& filePath, const std::string& key, const std::string& text) {
    // Wine reports success for a path it cannot open (beyond MAX_PATH), so a write counts only when the
    // key can then be found.
    return WritePrivateProfileStringA(kSection, key.c_str(), text.c_str(), filePath.c_str()) != FALSE &&
           KeyPresent(filePath, key);
}
