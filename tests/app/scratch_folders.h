// Real folders on the prefix's C: drive for lock and unlock tests, inspected
// through the wide API with "\\?\" paths so that dotted names show as stored.
#ifndef DOTLOCK_TESTS_APP_SCRATCH_FOLDERS_H
#define DOTLOCK_TESTS_APP_SCRATCH_FOLDERS_H

#include <windows.h>

#include <map>
#include <string>

namespace dotlock::testing {

std::wstring Wide(const std::string& ansi);
// The path in the "\\?\" form, which reaches names ending in a dot.
std::wstring Verbatim(const std::string& ansi);
std::string Ansi(const std::wstring& wide);

// A fresh, empty scratch folder (C:\dotlock-test\<name>), removed again on destruction.
class ScratchRoot {
public:
    explicit ScratchRoot(const std::string& name);
    ~ScratchRoot();
    ScratchRoot(const ScratchRoot&) = delete;
    ScratchRoot& operator=(const ScratchRoot&) = delete;

    const std::string& path() const { return path_; }
    // Full ANSI path of an entry directly inside the root.
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// Creates folder `path` with the given files (name -> bytes).
void MakeFolder(const std::string& path, const std::map<std::string, std::string>& files = {});
void WriteBytes(const std::string& path, const std::string& bytes);

// Reads entries by their exact on-disk name (no trailing-dot stripping).
bool ExistsExact(const std::string& path);
std::string ReadExact(const std::string& path);
// name -> bytes of every file directly inside the folder.
std::map<std::string, std::string> FilesExact(const std::string& folder);

void RemoveTree(const std::wstring& widePath);

}  // namespace dotlock::testing

#endif
