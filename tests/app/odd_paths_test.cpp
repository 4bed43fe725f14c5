// Paths of every odd shape a command line or a drop can bring. None may
// crash, touch anything outside the named folder, or leave a folder under a
// name no unlock can reach; a success message only follows a real change.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/folder_lock.h"
#include "scratch_folders.h"
#include "scripted_dialogs.h"

namespace dotlock {
namespace {

using namespace testing;

const std::map<std::string, std::string> kContents{{"a.txt", "alpha"}};

// Names directly inside `folder`, as stored.
std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW((Verbatim(folder) + L"\\*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(Ansi(name));
    } while (FindNextFileW(h, &found));
    FindClose(h);
    return names;
}

TEST(OddPaths, RelativePathLocksAndUnlocksAgainstTheCurrentFolder) {
    ScratchRoot root("relative");
    MakeFolder(root / "photos", kContents);
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(root.path().c_str());

    ScriptedDialogs lock({"pw", "pw"});
    HandleDroppedFolder("photos", lock);
    ScriptedDialogs unlock({"pw"});
    const bool locked = ExistsExact(root / "photos.");
    HandleDroppedFolder("photos.", unlock);
    SetCurrentDirectoryA(previous);

    EXPECT_EQ(lock.messages, std::vector<std::string>{"恭喜！加密成功"});
    EXPECT_TRUE(locked);
    EXPECT_EQ(unlock.messages, std::vector<std::string>{"恭喜！解密成功"});
    EXPECT_EQ(FilesExact(root / "photos"), kContents);
}

// Shapes the trailing-dot rename cannot serve: the lock prompts appear, then
// nothing changes anywhere and nothing is shown.
TEST(OddPaths, UnlockablePathsChangeNothing) {
    ScratchRoot root("unlockable");
    MakeFolder(root / "photos", kContents);
    const std::vector<std::string> paths = {
        "\\\\?\\" + (root / "photos"),   // skips the path clean-up the lock relies on
        "\\\\.\\" + (root / "photos"),
        "\\\\nosuchserver\\share\\photos",
        root / "photos\\",               // ends in a separator
        "C:",
        "C:\\",
    };
    for (const std::string& d : paths) {
        SCOPED_TRACE(d);
        ScriptedDialogs dialogs({"pw", "pw"});
        HandleDroppedFolder(d, dialogs);
        EXPECT_EQ(dialogs.messages, std::vector<std::string>{});
        EXPECT_EQ(NamesIn(root.path()), std::vector<std::string>{"photos"});
        EXPECT_EQ(FilesExact(root / "photos"), kContents);
    }
    EXPECT_FALSE(ExistsExact("C:\\jm.dat"));
}

// Folders whose full path is just under, at and past the ANSI path limit.
// Locking may work or be refused, but the outcome on disk must match what
// was reported, and a locked folder must unlock again.
TEST(OddPaths, PathsAroundTheLengthLimitEndInALegalState) {
    ScratchRoot root("long");
    const std::size_t prefix = root.path().size() + 1;
    for (std::size_t length : {250u, 256u, 257u, 258u, 259u, 260u, 275u}) {
        SCOPED_TRACE(length);
        const std::string name(length - prefix, 'n');
        const std::string plain = root / name;
        MakeFolder(plain, kContents);

        ScriptedDialogs lock({"pw", "pw"});
        HandleDroppedFolder(plain, lock);
        const std::vector<std::string> names = NamesIn(root.path());
        ASSERT_EQ(names.size(), 1u);
        if (names[0] == name + ".") {
            EXPECT_EQ(lock.messages, std::vector<std::string>{"恭喜！加密成功"});
            ScriptedDialogs unlock({"pw"});
            HandleDroppedFolder(plain + ".", unlock);
            EXPECT_EQ(unlock.messages, std::vector<std::string>{"恭喜！解密成功"});
        } else {
            ASSERT_EQ(names[0], name);
            EXPECT_NE(lock.messages, std::vector<std::string>{"恭喜！加密成功"});
        }
        EXPECT_EQ(NamesIn(root.path()), std::vector<std::string>{name});
        EXPECT_EQ(FilesExact(plain), kContents);
        RemoveTree(Verbatim(plain));
    }
}

}  // namespace
}  // namespace dotlock
