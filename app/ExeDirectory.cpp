#include "ExeDirectory.h"

#include "ModuleNames.h"

std::string GetExeDirectory() {
    return ExeDirectoryFor(ReadModulePath());
}

std::string ExeDirectoryFor(const std::string& modulePath) {
    return TextBeforeLastBackslash(HelpFilePathFor(modulePath));
}
