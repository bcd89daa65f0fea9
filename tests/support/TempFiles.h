#pragma once

#include <string>

// A fresh, empty directory under the system's temporary folder, removed with everything in it when the
// object goes out of scope.
class TempDirectory {
public:
    TempDirectory();
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;
    ~TempDirectory();

    const std::string& path() const { return m_path; }
    // path() + "\" + name
    std::string file(const std::string& name) const;

private:
    std::string m_path;
};

bool FileExists(const std::string& path);
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);
