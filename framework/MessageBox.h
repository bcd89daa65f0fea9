#pragma once

#include <windows.h>

#include <string>

// A message box owned by the application's main window, with the application's name as its caption.
int AfxMessageBox(const std::string& text, UINT type = MB_OK);

// The string resource with "%1" replaced by argument.
std::string AfxFormatString1(UINT stringId, const std::string& argument);
