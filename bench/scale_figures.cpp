// Locking and unlocking a large folder against an empty one, through the real
// drop handler with scripted answers, on real folders of the C: drive.
#include <windows.h>

#include <string>

#include "app/folder_lock.h"
#include "figures.h"

namespace bench {
namespace {

constexpr int kFiles = 10000;
constexpr int kCycles = 5;  // lock-unlock cycles per run, averaged
const std::string kRoot = "C:\\dotlock-bench";
const std::string kBig = kRoot + "\\big";
const std::string kEmpty = kRoot + "\\empty";
const char kPassword[] = "bench";

// Answers every password prompt with the same password and keeps the last message.
class SamePassword final : public dotlock::UserDialogs {
public:
    bool AskPassword(const std::string&, const std::string&, std::string& password) override {
        password = kPassword;
        return true;
    }
    void ShowMessage(const std::string& text) override { lastMessage = text; }
    std::string lastMessage;
};

std::wstring Exact(const std::string& path) {
    // "\\?\" keeps a trailing dot as it is on disk.
    return L"\\\\?\\" + std::wstring(path.begin(), path.end());
}

// A run that stopped half way leaves a locked folder: put it back.
void Restore(const std::string& folder) {
    const std::wstring locked = Exact(folder + "."), plain = Exact(folder);
    if (GetFileAttributesW(locked.c_str()) == INVALID_FILE_ATTRIBUTES) return;
    DeleteFileW((locked + L"\\jm.dat").c_str());
    MoveFileW(locked.c_str(), plain.c_str());
}

// The big folder is made once and reused: a marker beside it says it is complete.
bool PrepareFolders(std::string& error) {
    CreateDirectoryA(kRoot.c_str(), nullptr);
    Restore(kBig);
    Restore(kEmpty);
    CreateDirectoryA(kEmpty.c_str(), nullptr);
    const std::string marker = kRoot + "\\big.complete";
    if (GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    CreateDirectoryA(kBig.c_str(), nullptr);
    for (int i = 0; i < kFiles; ++i) {
        const std::string name = kBig + "\\file" + std::to_string(i) + ".txt";
        HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                  nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            error = "could not create " + name;
            return false;
        }
        DWORD wrote = 0;
        WriteFile(file, name.data(), static_cast<DWORD>(name.size()), &wrote, nullptr);
        CloseHandle(file);
    }
    CloseHandle(CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    return true;
}

// Seconds for one lock and one unlock of `folder`, averaged over kCycles;
// -1 when either step did not report success.
double LockUnlockSeconds(const std::string& folder, std::string& error) {
    SamePassword dialogs;
    const double start = Now();
    for (int i = 0; i < kCycles; ++i) {
        dialogs.lastMessage.clear();
        dotlock::HandleDroppedFolder(folder, dialogs);
        if (dialogs.lastMessage != dotlock::texts::kLocked) {
            error = "locking " + folder + " failed";
            return -1;
        }
        dialogs.lastMessage.clear();
        dotlock::HandleDroppedFolder(folder + ".", dialogs);  // the shell reports the dotted name
        if (dialogs.lastMessage != dotlock::texts::kUnlocked) {
            error = "unlocking " + folder + " failed";
            return -1;
        }
    }
    return (Now() - start) / kCycles;
}

// Seconds for one look-up of a name that does not exist in `folder`: the
// lock makes such look-ups (the password file before it exists).
double MissingNameLookupSeconds(const std::string& folder) {
    constexpr int kLookups = 100;
    const std::string missing = folder + "\\no-such-file.dat";
    const double start = Now();
    for (int i = 0; i < kLookups; ++i) GetFileAttributesA(missing.c_str());
    return (Now() - start) / kLookups;
}

}  // namespace

std::vector<Row> MeasureScale() {
    const std::string figure = "7. Lock + unlock, 10,000 files";
    std::string error;
    std::vector<double> big, empty, bigLookup, emptyLookup;
    if (PrepareFolders(error)) {
        for (int run = 0; run < kRuns && error.empty(); ++run) {
            big.push_back(LockUnlockSeconds(kBig, error));
            empty.push_back(LockUnlockSeconds(kEmpty, error));
            bigLookup.push_back(MissingNameLookupSeconds(kBig));
            emptyLookup.push_back(MissingNameLookupSeconds(kEmpty));
        }
    }
    if (!error.empty()) {
        Restore(kBig);
        Restore(kEmpty);
        return {NotMeasured(figure, error)};
    }
    Row row = Compare(figure, big, empty, "%.2f ms", 1000, "empty folder");
    row.budget = "no growth (~1x)";
    row.verdict = row.ratio < 2 ? "within" : "over";
    row.note = Format("%d lock-unlock cycles a run", kCycles);

    Row lookup = Compare("7a. Look-up of a missing name, 10,000 files", bigLookup, emptyLookup, "%.3f ms", 1000,
                         "empty folder");
    lookup.note = "GetFileAttributesA, no dotlock code involved";
    return {row, lookup};
}

}  // namespace bench
