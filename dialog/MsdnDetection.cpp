#include "MsdnDetection.h"

#include "RegistryStore.h"

std::optional<std::string> DetectMsdnCollection() {
    const std::string base = "Software\\Microsoft\\HTML Help Collections\\Developer Collections";
    const std::string language = ReadRegString(HKEY_LOCAL_MACHINE, base, "Language");
    if (language.empty())
        return std::nullopt;
    const std::string languageKey = base + "\\" + language;
    const std::string preferred = ReadRegString(HKEY_LOCAL_MACHINE, languageKey, "Preferred");
    if (preferred.empty())
        return std::nullopt;
    return ReadRegString(HKEY_LOCAL_MACHINE, languageKey + "\\" + preferred, "FileName");
}
