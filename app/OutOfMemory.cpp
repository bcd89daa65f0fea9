// This program catches no exception: a failed allocation or an impossible string length ends it, as an
// uncaught exception would. Ending it here directly, rather than through the C++ library's throw helpers,
// keeps the library's exception machinery (some 250 KB, most of the executable) out of the program.
// Should the library ever need a helper that is not replaced here, the link fails with duplicate symbols.
#include <cstdlib>
#include <new>

namespace std {
void __throw_length_error(const char*) {
    abort();
}
void __throw_logic_error(const char*) {
    abort();
}
void __throw_out_of_range_fmt(const char*, ...) {
    abort();
}
void __throw_bad_alloc() {
    abort();
}
void __throw_bad_array_new_length() {
    abort();
}
} // namespace std

void* operator new(std::size_t size) {
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    std::abort();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
