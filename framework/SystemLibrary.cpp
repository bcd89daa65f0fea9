#include "SystemLibrary.h"

#include <map>
#include <memory>
#include <string>

namespace {

struct FreeLibraryDeleter {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using LibraryHandle = std::unique_ptr<std::remove_pointer_t<HMODULE>, FreeLibraryDeleter>;

} // namespace

FARPROC SystemProcAddress(const char* dllName, const char* functionName) {
    static std::map<std::string, LibraryHandle> loaded;
    LibraryHandle& library = loaded[dllName];
    if (!library)
        library.reset(LoadLibraryExA(dllName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    return library ? GetProcAddress(library.get(), functionName) : nullptr;
}
