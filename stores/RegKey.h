#pragma once

#include <windows.h>

// Owns one open registry key handle and closes it when it goes out of scope.
class RegKey {
public:
    RegKey() = default;
    explicit RegKey(HKEY key) : m_key(key) {}
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    ~RegKey() {
        if (m_key)
            RegCloseKey(m_key);
    }

    HKEY get() const { return m_key; }
    HKEY* receive() { return &m_key; }

private:
    HKEY m_key = nullptr;
};
