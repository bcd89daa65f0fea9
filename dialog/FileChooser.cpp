#include "FileChooser.h"

#include "SystemLibrary.h"

#include <commdlg.h>

std::optional<std::string> ChooseFile(HWND owner, const FileChooser& chooser) {
    const std::string pattern = chooser.pattern;
    const std::string filter = pattern + '\0' + pattern + '\0'; // c_str() adds the list's final terminator
    char file[MAX_PATH] = "";

    OPENFILENAMEA request = {};
    request.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    request.hwndOwner = owner;
    request.lpstrFilter = filter.c_str();
    request.nFilterIndex = 0;
    request.lpstrFile = file;
    request.nMaxFile = sizeof file;
    request.lpstrTitle = chooser.title;
    // No overwrite prompt and no existence checks: a new keyword or macro file may be named here.
    request.Flags = OFN_EXPLORER | OFN_SHOWHELP;

    const bool save = chooser.style == FileDialogStyle::Save;
    auto* run = SystemFunction<decltype(GetOpenFileNameA)>("comdlg32.dll",
                                                           save ? "GetSaveFileNameA" : "GetOpenFileNameA");
    if (!run || !run(&request))
        return std::nullopt;
    return std::string(file);
}
