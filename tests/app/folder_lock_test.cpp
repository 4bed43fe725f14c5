// Lock and unlock on real folders of the prefix's C: drive, with the user's
// answers scripted. Every prompt and message is compared byte for byte.
#include <gtest/gtest.h>

#include <windows.h>


#include "app/folder_lock.h"
#include "scratch_folders.h"
#include "scripted_dialogs.h"

namespace dotlock {
namespace {

using testing::ExistsExact;
using testing::FilesExact;
using testing::MakeFolder;
using testing::ReadExact;
using testing::ScratchRoot;
using testing::WriteBytes;

using testing::Answer;
using testing::kCancel;
using testing::Prompt;
using testing::ScriptedDialogs;

const std::map<std::string, std::string> kContents{{"a.txt", "alpha"}, {"b.bin", std::string("\0\1\2", 3)}};

Prompt LockFirst(const std::string& d) { return {"输入密码", "请输入\"" + d + "\"你要加密的密码"}; }
Prompt LockSecond(const std::string& d) { return {"输入密码", "请再次输入\"" + d + "\"验证密码避免遗忘："}; }
Prompt Unlock(const std::string& plain) { return {"录入密码", "请输入\"" + plain + "\"文件夹的密码"}; }

TEST(FolderLockTexts, AreGbkBytes) {
    EXPECT_EQ(std::string(texts::kLocked), "\xb9\xa7\xcf\xb2\xa3\xa1\xbc\xd3\xc3\xdc\xb3\xc9\xb9\xa6");
    EXPECT_EQ(std::string(texts::kMessageTitle), "\xd0\xc5\xcf\xa2\xa3\xba");
}

class FolderLockTest : public ::testing::Test {
protected:
    ScratchRoot root{"lock"};
    std::string plain = root / "photos";
    std::string dotted = plain + ".";

    void SetUp() override { MakeFolder(plain, kContents); }

    // Locks `plain` with password `pw` through the real operation.
    void Lock(const std::string& pw) {
        ScriptedDialogs dialogs({pw, pw});
        HandleDroppedFolder(plain, dialogs);
        ASSERT_EQ(dialogs.messages, std::vector<std::string>{"恭喜！加密成功"});
    }
    void ExpectPlainAndUntouched() {
        EXPECT_TRUE(ExistsExact(plain));
        EXPECT_FALSE(ExistsExact(dotted));
        EXPECT_EQ(FilesExact(plain), kContents);
    }
};

TEST_F(FolderLockTest, LockRenamesToOneTrailingDotAndStoresThePasswordBytes) {
    ScriptedDialogs dialogs({"abc", "abc"});
    HandleDroppedFolder(plain, dialogs);

    EXPECT_EQ(dialogs.prompts, (std::vector<Prompt>{LockFirst(plain), LockSecond(plain)}));
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"恭喜！加密成功"});
    EXPECT_FALSE(ExistsExact(plain));
    ASSERT_TRUE(ExistsExact(dotted));
    auto files = FilesExact(dotted);
    EXPECT_EQ(files["jm.dat"], "abc");  // exactly the bytes: no NUL, no line end
    files.erase("jm.dat");
    EXPECT_EQ(files, kContents);
}

TEST_F(FolderLockTest, UnlockRestoresTheNameAndRemovesThePasswordFile) {
    Lock("abc");
    ScriptedDialogs dialogs({"abc"});
    HandleDroppedFolder(dotted, dialogs);  // the shell reports the dotted name

    EXPECT_EQ(dialogs.prompts, std::vector<Prompt>{Unlock(plain)});
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"恭喜！解密成功"});
    ExpectPlainAndUntouched();
}

struct LockCase {
    const char* name;
    std::deque<Answer> answers;
    std::vector<std::string> messages;
    std::size_t prompts;
};

class LockRefusedTest : public FolderLockTest, public ::testing::WithParamInterface<LockCase> {};

TEST_P(LockRefusedTest, LeavesTheFolderAlone) {
    ScriptedDialogs dialogs(GetParam().answers);
    HandleDroppedFolder(plain, dialogs);
    EXPECT_EQ(dialogs.messages, GetParam().messages);
    EXPECT_EQ(dialogs.prompts.size(), GetParam().prompts);
    ExpectPlainAndUntouched();
}

INSTANTIATE_TEST_SUITE_P(
    Table, LockRefusedTest,
    ::testing::Values(LockCase{"entries_differ", {"abc", "abd"}, {"两次输入密码不相同！"}, 2},
                      LockCase{"case_differs", {"abc", "ABC"}, {"两次输入密码不相同！"}, 2},
                      LockCase{"trailing_blank", {"abc", "abc "}, {"两次输入密码不相同！"}, 2},
                      LockCase{"both_empty", {"", ""}, {"不录入密码不能加密。"}, 2},
                      LockCase{"first_empty", {"", "abc"}, {"两次输入密码不相同！"}, 2},
                      LockCase{"cancel_first", {kCancel}, {}, 1},
                      LockCase{"cancel_second", {"abc", kCancel}, {}, 2}),
    [](const auto& info) { return std::string(info.param.name); });

struct UnlockCase {
    const char* name;
    Answer answer;
    std::vector<std::string> messages;
    bool unlocked;
};

class UnlockTest : public FolderLockTest, public ::testing::WithParamInterface<UnlockCase> {};

TEST_P(UnlockTest, OnlyTheExactPasswordUnlocks) {
    Lock("Secret");
    ScriptedDialogs dialogs({GetParam().answer});
    HandleDroppedFolder(dotted, dialogs);
    EXPECT_EQ(dialogs.messages, GetParam().messages);
    EXPECT_EQ(ExistsExact(plain), GetParam().unlocked);
    EXPECT_EQ(ExistsExact(dotted), !GetParam().unlocked);
    if (!GetParam().unlocked) {
        EXPECT_EQ(ReadExact(dotted + "\\jm.dat"), "Secret");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, UnlockTest,
    ::testing::Values(UnlockCase{"right", "Secret", {"恭喜！解密成功"}, true},
                      UnlockCase{"other_case", "secret", {"密码不正确，重新录入密码。"}, false},
                      UnlockCase{"trailing_blank", "Secret ", {"密码不正确，重新录入密码。"}, false},
                      UnlockCase{"empty", "", {"密码不正确，重新录入密码。"}, false},
                      UnlockCase{"cancel", kCancel, {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FolderLockTest, PasswordFileEndingInCrLfStillUnlocks) {
    Lock("abc");
    WriteBytes(dotted + "\\jm.dat", "abc\r\nnotes");
    ScriptedDialogs dialogs({"abc"});
    HandleDroppedFolder(dotted, dialogs);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"恭喜！解密成功"});
    EXPECT_TRUE(ExistsExact(plain));
}

TEST_F(FolderLockTest, OnlyTheFirstOfSeveralDroppedFoldersIsHandled) {
    const std::string second = root / "second";
    MakeFolder(second);
    ScriptedDialogs dialogs({"abc", "abc"});
    HandleDroppedFolder(plain + "\r\n" + second + "\r\n" + (root / "third") + "\r\n", dialogs);
    EXPECT_EQ(dialogs.prompts, (std::vector<Prompt>{LockFirst(plain), LockSecond(plain)}));
    EXPECT_TRUE(ExistsExact(dotted));
    EXPECT_TRUE(ExistsExact(second));
    EXPECT_FALSE(ExistsExact(second + "."));
}

TEST_F(FolderLockTest, DroppedFileIsIgnored) {
    ScriptedDialogs dialogs({});
    HandleDroppedFolder(plain + "\\a.txt", dialogs);
    EXPECT_TRUE(dialogs.prompts.empty());
    EXPECT_TRUE(dialogs.messages.empty());
    ExpectPlainAndUntouched();
}

// Paths that pass the folder test but can never be renamed: the lock prompts
// appear, then nothing happens and nothing is shown.
TEST_F(FolderLockTest, UnrenamablePathsEndSilentlyAfterTheLockPrompts) {
    const std::string longPath = root.path() + "\\" + std::string(300, 'x');
    for (const std::string& d : {root / "missing", std::string("C:\\"), longPath}) {
        SCOPED_TRACE(d);
        ScriptedDialogs dialogs({"abc", "abc"});
        HandleDroppedFolder(d, dialogs);
        EXPECT_EQ(dialogs.prompts, (std::vector<Prompt>{LockFirst(d), LockSecond(d)}));
        EXPECT_TRUE(dialogs.messages.empty());
    }
    EXPECT_FALSE(ExistsExact("C:\\jm.dat"));  // the root was not "locked"
    ExpectPlainAndUntouched();
}

TEST_F(FolderLockTest, LockedFolderWithoutItsPasswordFileCannotBeLockedAgain) {
    Lock("abc");
    DeleteFileW(testing::Verbatim(dotted + "\\jm.dat").c_str());
    ScriptedDialogs dialogs({"abc", "abc"});
    HandleDroppedFolder(dotted, dialogs);
    EXPECT_EQ(dialogs.prompts, (std::vector<Prompt>{LockFirst(dotted), LockSecond(dotted)}));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(FilesExact(dotted), kContents);
}

TEST_F(FolderLockTest, EmptyFirstLineCountsAsUnlocked) {
    WriteBytes(plain + "\\jm.dat", "\nsomething");
    ScriptedDialogs dialogs({kCancel});
    HandleDroppedFolder(plain, dialogs);
    EXPECT_EQ(dialogs.prompts, std::vector<Prompt>{LockFirst(plain)});
}

TEST_F(FolderLockTest, UnreadablePasswordFileCountsAsUnlocked) {
    Lock("abc");
    // Held open without sharing by another program.
    HANDLE held = CreateFileW(testing::Verbatim(dotted + "\\jm.dat").c_str(), GENERIC_READ, 0,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ScriptedDialogs dialogs({kCancel});
    HandleDroppedFolder(dotted, dialogs);
    CloseHandle(held);
    EXPECT_EQ(dialogs.prompts, std::vector<Prompt>{LockFirst(dotted)});
    EXPECT_EQ(ReadExact(dotted + "\\jm.dat"), "abc");
}

TEST_F(FolderLockTest, HugePasswordFileWithoutLineEndIsReadWhole) {
    Lock("abc");
    const std::string huge(5 * 1024 * 1024, 'p');
    WriteBytes(dotted + "\\jm.dat", huge);
    ScriptedDialogs wrong({"abc"});
    HandleDroppedFolder(dotted, wrong);
    EXPECT_EQ(wrong.messages, std::vector<std::string>{"密码不正确，重新录入密码。"});
    ScriptedDialogs right({huge});
    HandleDroppedFolder(dotted, right);
    EXPECT_EQ(right.messages, std::vector<std::string>{"恭喜！解密成功"});
    ExpectPlainAndUntouched();
}

// A failed password write must not leave a dotted folder with no password.
TEST_F(FolderLockTest, FailedPasswordWriteUndoesTheRename) {
    MakeFolder(plain + "\\jm.dat");  // a folder where the password file would go
    ScriptedDialogs dialogs({"abc", "abc"});
    HandleDroppedFolder(plain, dialogs);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"无法写入密码文件，文件夹没有加密。"});
    ExpectPlainAndUntouched();
    EXPECT_TRUE(ExistsExact(plain + "\\jm.dat"));
}

// A plain folder holding a stale password file keeps its name: only the
// stale file goes.
TEST_F(FolderLockTest, StalePasswordFileInPlainFolderIsRemovedWithoutRenaming) {
    WriteBytes(plain + "\\jm.dat", "old");
    ScriptedDialogs wrong({"new"});
    HandleDroppedFolder(plain, wrong);
    EXPECT_EQ(wrong.prompts, std::vector<Prompt>{Unlock(plain)});
    EXPECT_EQ(wrong.messages, std::vector<std::string>{"密码不正确，重新录入密码。"});
    EXPECT_EQ(ReadExact(plain + "\\jm.dat"), "old");

    ScriptedDialogs right({"old"});
    HandleDroppedFolder(plain, right);
    EXPECT_EQ(right.messages, std::vector<std::string>{"恭喜！解密成功"});
    ExpectPlainAndUntouched();
}

// Names with blanks and GBK names whose trail byte is a backslash (誠 is d5 5c).
TEST(FolderLockNames, RoundTripKeepsOddNames) {
    ScratchRoot root("names");
    for (const std::string name : {"My Photos", "誠實 文件", "a\xd5\x5c"}) {
        SCOPED_TRACE(name);
        const std::string plain = root / name;
        MakeFolder(plain, kContents);
        ScriptedDialogs lock({"密码", "密码"});
        HandleDroppedFolder(plain, lock);
        EXPECT_EQ(lock.messages, std::vector<std::string>{"恭喜！加密成功"});
        EXPECT_TRUE(ExistsExact(plain + "."));
        EXPECT_EQ(ReadExact(plain + ".\\jm.dat"), "密码");

        ScriptedDialogs unlock({"密码"});
        HandleDroppedFolder(plain + ".", unlock);
        EXPECT_EQ(unlock.prompts, std::vector<Prompt>{Unlock(plain)});
        EXPECT_EQ(unlock.messages, std::vector<std::string>{"恭喜！解密成功"});
        EXPECT_EQ(FilesExact(plain), kContents);
    }
}

}  // namespace
}  // namespace dotlock
