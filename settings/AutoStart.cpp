#include "AutoStart.h"

#include "ExeDirectory.h"
#include "RegistryStore.h"

bool IsAutoStartRegistered() {
    return !ReadRegString(HKEY_CURRENT_USER, kDesignHookKeyPath, kDesignHookValueName).empty();
}

bool SetAutoStart(int enable) {
    bool stored = true;
    if (ReadRegString(HKEY_CURRENT_USER, kDesignHookKeyPath, kDesignHookValueName).empty()) {
        CreateRegKey(kDesignHookKeyPath);
        stored = WriteRegString(kDesignHookKeyPath, kDesignHookValueName, BuildHookDllPath());
    }
    if (enable == 0)
        stored = WriteRegString(kDesignHookKeyPath, kDesignHookValueName, "") && stored;
    return stored;
}

std::string BuildHookDllPath() {
    return GetExeDirectory() + "\\CORVALIS30.DLL";
}
