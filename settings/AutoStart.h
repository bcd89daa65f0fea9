#pragma once

#include <string>

// The host IDE loads the add-in at start when its design-hook key names the add-in library.
inline constexpr const char* kDesignHookKeyPath = "Software\\Gupta\\SQLWindows 3.0\\DesignHookDll";
inline constexpr const char* kDesignHookValueName = "Corvalis";

// Registered means the value holds any non-empty text, whichever library it names.
bool IsAutoStartRegistered();

// Registers (non-zero) or unregisters (zero) the add-in. A registration naming another library is kept
// when enabling; unregistering empties the value and never deletes it. Returns false when a write failed.
bool SetAutoStart(int enable);

// The add-in library beside this executable.
std::string BuildHookDllPath();
