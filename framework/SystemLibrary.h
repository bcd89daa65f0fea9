#pragma once

#include <windows.h>

// A function of a system DLL that only some command needs (the common dialogs, the shell). Loading such a
// DLL at start-up costs more than all of the program's own start, so it is loaded on first use and kept
// until the process ends. Null when the DLL or the function is missing.
FARPROC SystemProcAddress(const char* dllName, const char* functionName);

template <class Function> Function* SystemFunction(const char* dllName, const char* functionName) {
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(SystemProcAddress(dllName, functionName)));
}
