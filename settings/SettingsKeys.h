#pragma once

// Where the add-in and this program keep the user's settings (under HKEY_CURRENT_USER).
inline constexpr const char* kSettingsKeyPath = "Software\\Brambleworks\\Corvalis\\Settings";
