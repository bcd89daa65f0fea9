#pragma once

#include <optional>
#include <string>

// The file of the MSDN help collection that the machine's help system prefers for its collection
// language. Nothing when no language or no preferred collection is registered; the registered file name
// otherwise, which may be empty.
std::optional<std::string> DetectMsdnCollection();
