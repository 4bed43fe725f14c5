#include "app/folder_lock.h"

#include <windows.h>

#include "app/text_lines.h"

namespace dotlock {
namespace {

// before + Q + path + Q + after, Q being one straight double quote.
std::string QuotedPath(std::string_view before, const std::string& path, std::string_view after) {
    std::string text;
    text.reserve(before.size() + path.size() + after.size() + 2);
    text.append(before).append(1, '"').append(path).append(1, '"').append(after);
    return text;
}
constexpr char kPasswordFile[] = "jm.dat";

// Closes a file handle when it goes out of scope.
class FileHandle {
public:
    explicit FileHandle(HANDLE h) : handle_(h) {}
    ~FileHandle() {
        if (valid()) CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool Close() {
        const bool ok = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE handle_;
};

bool IsDirectoryOrUnknown(const std::string& path) {
    // A failed query has every bit set and so passes: a locked folder cannot
    // be queried by the dotted path the shell reports.
    return (GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The lock relies on the system's path clean-up turning "N..\" into "N.".
// A drive root or a path ending in a separator has no last name to put a
// dot on, and "\\?\" and "\\.\" paths skip the clean-up, so the rename would
// leave a name no unlock can reach. Windows refuses such renames; some file
// systems "rename" a root onto itself instead.
bool CanTakeTrailingDot(const std::string& d) {
    if (d.rfind("\\\\?\\", 0) == 0 || d.rfind("\\\\.\\", 0) == 0) return false;
    return !d.empty() && !EndsWithChar(d, '\\') && !EndsWithChar(d, '/') && !EndsWithChar(d, ':');
}

bool IsDirectory(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A rename that reports success must also have moved the folder: a path cut
// short on the way can make the system "rename" a folder onto itself.
bool MoveFolder(const std::string& from, const std::string& to) {
    if (!MoveFileA(from.c_str(), to.c_str())) return false;
    if (IsDirectory(from) || !IsDirectory(to)) {
        MoveFileA(to.c_str(), from.c_str());  // undo whatever did happen
        return false;
    }
    return true;
}

void UnlockFolder(const std::string& d, const std::string& stored, UserDialogs& dialogs) {
    // A locked folder arrives under its dotted on-disk name. A plain folder
    // that merely holds a stale "jm.dat" keeps its name: dropping a byte of
    // it would rename the user's folder to something else.
    const bool dotted = !d.empty() && d.back() == '.';
    const std::string plain = dotted ? d.substr(0, d.size() - 1) : d;

    std::string password;
    if (!dialogs.AskPassword(texts::kUnlockTitle, UnlockPrompt(plain), password)) return;
    if (password != stored) {
        dialogs.ShowMessage(texts::kWrongPassword);
        return;
    }
    // Where the password file is once the folder has its plain name again.
    const std::string passwordFile = plain + "\\" + kPasswordFile;
    if (!dotted) {
        if (!DeleteFileA(passwordFile.c_str())) {
            dialogs.ShowMessage(texts::kStaleFileKept);
            return;
        }
        dialogs.ShowMessage(texts::kUnlocked);
        return;
    }
    if (!MoveFolder(d + ".\\", plain)) return;
    DeleteFileA(passwordFile.c_str());
    dialogs.ShowMessage(texts::kUnlocked);
}

void LockFolder(const std::string& d, UserDialogs& dialogs) {
    std::string first;
    if (!dialogs.AskPassword(texts::kLockTitle, LockPrompt(d), first)) return;
    std::string second;
    if (!dialogs.AskPassword(texts::kLockTitle, LockConfirmPrompt(d), second)) return;
    if (first != second) {
        dialogs.ShowMessage(texts::kEntriesDiffer);
        return;
    }
    if (first.empty()) {
        dialogs.ShowMessage(texts::kEmptyPassword);
        return;
    }
    const std::string lockedPath = d + "..\\";
    // Every path the lock forms must stay within the ANSI path limit, or the
    // folder could be renamed and then never be reached again by this program.
    const std::string passwordFile = lockedPath + kPasswordFile;
    if (passwordFile.size() >= MAX_PATH || !CanTakeTrailingDot(d) ||
        !MoveFolder(d, lockedPath)) {
        return;
    }
    if (!WritePasswordFile(passwordFile, first)) {
        // Never leave a dotted folder without its password: undo the rename.
        MoveFileA(lockedPath.c_str(), d.c_str());
        dialogs.ShowMessage(texts::kLockWriteFailed);
        return;
    }
    dialogs.ShowMessage(texts::kLocked);
}

}  // namespace

std::string UnlockPrompt(const std::string& plainPath) {
    return QuotedPath("请输入", plainPath, "文件夹的密码");
}

std::string LockPrompt(const std::string& folder) {
    return QuotedPath("请输入", folder, "你要加密的密码");
}

std::string LockConfirmPrompt(const std::string& folder) {
    return QuotedPath("请再次输入", folder, "验证密码避免遗忘：");
}

std::string ReadPasswordFile(const std::string& path) {
    // Shared, so that a scanner or backup reading the file does not make a
    // locked folder look unlocked.
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return {};
    // Read only as far as the first line end: the file may be large.
    std::string bytes;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr) && got > 0) {
        const std::size_t before = bytes.size();
        bytes.append(chunk, got);
        if (FindLineEnd(std::string_view(bytes).substr(before)) != std::string_view::npos) break;
    }
    return FirstLineOf(bytes);
}

bool WritePasswordFile(const std::string& path, const std::string& bytes) {
    // Never over a file that is there: a lock only comes here when any
    // "jm.dat" present has an empty first line, so it is someone else's.
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD wrote = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        if (!WriteFile(file.get(), bytes.data() + done, want, &wrote, nullptr) || wrote == 0) break;
        done += wrote;
    }
    const bool closed = file.Close();
    if (done != bytes.size() || !closed) {
        DeleteFileA(path.c_str());
        return false;
    }
    return true;
}

void HandleDroppedFolder(const std::string& droppedText, UserDialogs& dialogs) {
    const std::vector<std::string> lines = SplitLines(droppedText);
    if (lines.empty() || lines.front().empty()) return;
    const std::string& d = lines.front();
    if (!IsDirectoryOrUnknown(d)) return;  // a file was dropped
    const std::string stored = ReadPasswordFile(d + ".\\" + kPasswordFile);
    if (stored.empty()) {
        LockFolder(d, dialogs);
    } else {
        UnlockFolder(d, stored, dialogs);
    }
}

void HandleDroppedFolder(const std::string& droppedText) {
    HandleDroppedFolder(droppedText, SystemDialogs());
}

}  // namespace dotlock
