#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The colour a stored colour text stands for: its leading decimal integer, read as atol reads it, but
// saturated at the ends of the 32-bit range instead of overflowing; 0 (black) when there is none.
COLORREF ParseColorText(const std::string& text);

// The stored form of a colour: its value as a signed decimal integer.
std::string FormatColorText(COLORREF color);

// Runs the colour dialog preset with initial; the chosen colour, or nothing when cancelled. The custom
// colours the user defines are kept for the next opening in this run.
std::optional<COLORREF> ChooseColorFrom(HWND owner, COLORREF initial);
