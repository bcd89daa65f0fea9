#include "ModuleNames.h"

#include <string_view>
#include <vector>

namespace {

// Position of the last character of path that is one of chars, stepping by code-page characters.
size_t FindLastOf(std::string_view path, std::string_view chars) {
    size_t found = std::string_view::npos;
    for (size_t i = 0; i < path.size();) {
        const char c = path[i];
        if (IsDBCSLeadByte(static_cast<BYTE>(c)) && i + 1 < path.size()) {
            i += 2;
            continue;
        }
        if (chars.find(c) != std::string_view::npos)
            found = i;
        ++i;
    }
    return found;
}

std::string CutBeforeLastDot(const std::string& path) {
    return path.substr(0, FindLastOf(path, "."));
}

} // namespace

std::string ReadModulePath(HMODULE module) {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetModuleFileNameA(module, buffer.data(), size);
        // A path that filled the buffer may have been cut: try again with more room.
        if (length < size)
            return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

std::string HelpFilePathFor(const std::string& modulePath) {
    return CutBeforeLastDot(modulePath) + ".HLP";
}

std::string FileTitleFor(const std::string& modulePath) {
    const std::string stem = CutBeforeLastDot(modulePath);
    const size_t separator = FindLastOf(stem, "\\/:");
    return separator == std::string::npos ? stem : stem.substr(separator + 1);
}

std::string TextBeforeLastBackslash(const std::string& path) {
    const size_t backslash = FindLastOf(path, "\\");
    return backslash == std::string::npos ? std::string() : path.substr(0, backslash);
}
