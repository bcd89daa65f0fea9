#include "IniEntries.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

// No stored text can be this: the platform trims the blanks at the start of a value.
constexpr const char* kMissing = " <missing>";

} // namespace

std::optional<std::string> ReadIniEntry(const std::string& path, const std::string& section,
                                        const std::string& key) {
    std::vector<char> buffer(65536);
    const DWORD copied = GetPrivateProfileStringA(section.c_str(), key.c_str(), kMissing, buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), path.c_str());
    std::string text(buffer.data(), copied);
    if (text == kMissing)
        return std::nullopt;
    return text;
}

void WriteIniEntry(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& text) {
    ASSERT_TRUE(WritePrivateProfileStringA(section.c_str(), key.c_str(), text.c_str(), path.c_str()))
        << "cannot write [" << section << "] " << key << " to " << path;
}
