#pragma once

#include <windows.h>

#include <string>

// The names the application derives from its executable's path. Every search for a separator steps by
// characters of the ANSI code page, so the second byte of a double-byte character is never taken for one.

// The module's full path, read whole however long it is.
std::string ReadModulePath(HMODULE module = nullptr);

// The path cut before its last "." (whole when it has none), followed by ".HLP".
std::string HelpFilePathFor(const std::string& modulePath);

// The file title: the path cut before its last ".", then the text after its last "\", "/" or ":".
std::string FileTitleFor(const std::string& modulePath);

// The text before the last backslash; empty when there is none.
std::string TextBeforeLastBackslash(const std::string& path);
