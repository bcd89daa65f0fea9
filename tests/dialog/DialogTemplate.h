#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// An extended dialog template (DLGTEMPLATEEX) as stored in a module's resources, read field by field.

struct DialogItemTemplate {
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    RECT rect = {}; // dialog units: x, y, x + cx, y + cy
    int id = 0;
    std::string className; // predefined classes stored as ordinals are given by their names ("Button")
    std::string title;
    WORD extraCount = 0;
};

struct DialogTemplate {
    WORD version = 0;
    WORD signature = 0;
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    RECT rect = {};
    bool hasMenu = false;
    bool hasClass = false;
    std::string title;
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charset = 0;
    std::string typeface;
    std::vector<DialogItemTemplate> items;
};

// The template of the given id and language; nullopt when the module has none or it is not an extended one.
std::optional<DialogTemplate> LoadDialogTemplateEx(HMODULE module, int id, LANGID language);
