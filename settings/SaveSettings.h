#pragma once

#include "ConfigSettings.h"

#include <string>
#include <vector>

// Writes every field to its store: the user settings (creating their key), the host registration and,
// when a group settings file is named, its five entries. Nothing is ever deleted.
// Returns the places that could not be fully written, in write order, each once: the settings key path,
// the design-hook key path, the group settings file path. Empty when everything was stored.
std::vector<std::string> SaveSettings(const ConfigSettings& settings);
