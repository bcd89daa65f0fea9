#include "GroupSettingsFile.h"

#include <windows.h>

#include <vector>

namespace {

constexpr const char* kSection = "CORVALIS";
constexpr DWORD kFirstReadSize = 4096;

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
    return WritePrivateProfileStringA(kSection, key.c_str(), text.c_str(), filePath.c_str()) != FALSE;
}
