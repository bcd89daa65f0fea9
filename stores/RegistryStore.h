#pragma once

#include <windows.h>

#include <string>

// Reads a string value under root (HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE). Any failure, a missing key or
// value included, gives the empty string. The value's type is not examined: its bytes up to the first zero
// byte are the text, however long. Machine-wide keys are read in the 32-bit view, as the host IDE sees them.
std::string ReadRegString(HKEY root, const std::string& keyPath, const std::string& valueName);

// Sets a REG_SZ value under an existing key of HKEY_CURRENT_USER; never creates the key.
// Returns true only when the value was stored.
bool WriteRegString(const std::string& keyPath, const std::string& valueName, const std::string& text);

// Creates a key (and any missing keys above it) under HKEY_CURRENT_USER, or opens it when it exists.
bool CreateRegKey(const std::string& keyPath);
