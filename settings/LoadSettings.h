#pragma once

#include "ConfigSettings.h"

// Fills the record from the user settings, the host registration and the group settings file the user
// settings name, applying every default. Never writes to any store.
void LoadSettings(ConfigSettings& settings);
