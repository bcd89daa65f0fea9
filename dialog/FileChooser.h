#pragma once

#include <windows.h>

#include <optional>
#include <string>

enum class FileDialogStyle { Open, Save };

struct FileChooser {
    FileDialogStyle style;
    const char* title;
    const char* pattern; // the one filter entry, shown as its own description
};

// Runs the common file dialog, starting from an empty file name; the accepted full path, or nothing when
// the user cancelled or the dialog failed. No file is opened or created.
std::optional<std::string> ChooseFile(HWND owner, const FileChooser& chooser);
