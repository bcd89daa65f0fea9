#pragma once

#include <string>

// The group settings file: one INI file shared by a group of developers. Both operations work on its
// section "CORVALIS"; section and key names match without regard to letter case.

// The key's text, whole however long; the empty string when the file, section or key is missing.
std::string ReadGroupSetting(const std::string& filePath, const std::string& key);

// Writes the key (creating file and section as needed); returns whether the platform stored it, that is,
// reported success and finds the key afterwards.
bool WriteGroupSetting(const std::string& filePath, const std::string& key, const std::string& text);
