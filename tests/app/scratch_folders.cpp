#include "scratch_folders.h"

#include <vector>

namespace dotlock::testing {

std::wstring Verbatim(const std::string& ansi) { return L"\\\\?\\" + Wide(ansi); }

std::wstring Wide(const std::string& ansi) {
    const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring w(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), w.data(), n);
    return w;
}

std::string Ansi(const std::wstring& wide) {
    const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string s(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), s.data(), n, nullptr, nullptr);
    return s;
}

ScratchRoot::ScratchRoot(const std::string& name) : path_("C:\\dotlock-test\\" + name) {
    CreateDirectoryA("C:\\dotlock-test", nullptr);
    RemoveTree(Verbatim(path_));
    CreateDirectoryA(path_.c_str(), nullptr);
}

ScratchRoot::~ScratchRoot() { RemoveTree(Verbatim(path_)); }

void MakeFolder(const std::string& path, const std::map<std::string, std::string>& files) {
    CreateDirectoryW(Verbatim(path).c_str(), nullptr);
    for (const auto& [name, bytes] : files) WriteBytes(path + "\\" + name, bytes);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE h = CreateFileW(Verbatim(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    DWORD wrote = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr);
    CloseHandle(h);
}

bool ExistsExact(const std::string& path) {
    return GetFileAttributesW(Verbatim(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadExact(const std::string& path) {
    HANDLE h = CreateFileW(Verbatim(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes;
    char chunk[65536];
    DWORD got = 0;
    while (ReadFile(h, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    CloseHandle(h);
    return bytes;
}

std::map<std::string, std::string> FilesExact(const std::string& folder) {
    std::map<std::string, std::string> files;
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW((Verbatim(folder) + L"\\*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return files;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        const std::string name = Ansi(found.cFileName);
        files[name] = ReadExact(folder + "\\" + name);
    } while (FindNextFileW(h, &found));
    FindClose(h);
    return files;
}

void RemoveTree(const std::wstring& widePath) {
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW((widePath + L"\\*").c_str(), &found);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring child = widePath + L"\\" + name;
            SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(h, &found));
        FindClose(h);
    }
    RemoveDirectoryW(widePath.c_str());
}

}  // namespace dotlock::testing
