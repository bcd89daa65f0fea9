#pragma once

#include <string>

// The directory of the running executable, without a trailing backslash; "C:" for a drive's root.
std::string GetExeDirectory();

// The same rule for a given executable path: the help-file path the application derives, cut before its
// last backslash.
std::string ExeDirectoryFor(const std::string& modulePath);
