#pragma once

#include <optional>
#include <string>

// Direct access to INI entries through the platform, independent of the code under test. Values are read
// whole up to the platform's own limit (under Wine, less than 65,536 characters).

// The entry's text, or nullopt when the file, the section or the key is missing.
std::optional<std::string> ReadIniEntry(const std::string& path, const std::string& section,
                                        const std::string& key);
// Writes one entry, creating the file and section as needed; the test fails when the platform refuses.
void WriteIniEntry(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& text);
