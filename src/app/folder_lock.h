// Locking hides a folder from the shell by renaming it to a name with one
// trailing dot and stores the password, in plain bytes, in "jm.dat" inside
// it. Unlocking checks the password and reverses both steps.
#ifndef DOTLOCK_APP_FOLDER_LOCK_H
#define DOTLOCK_APP_FOLDER_LOCK_H

#include <string>

#include "app/user_dialogs.h"

namespace dotlock {

// The texts the user sees (GBK at run time).
namespace texts {
inline constexpr char kMessageTitle[] = "信息：";
inline constexpr char kUnlockTitle[] = "录入密码";
inline constexpr char kLockTitle[] = "输入密码";
inline constexpr char kWrongPassword[] = "密码不正确，重新录入密码。";
inline constexpr char kUnlocked[] = "恭喜！解密成功";
inline constexpr char kEntriesDiffer[] = "两次输入密码不相同！";
inline constexpr char kEmptyPassword[] = "不录入密码不能加密。";
inline constexpr char kLocked[] = "恭喜！加密成功";
// Ours: the password could not be stored, so the folder was renamed back.
inline constexpr char kLockWriteFailed[] = "无法写入密码文件，文件夹没有加密。";
// Ours: a stale password file in a plain folder could not be removed.
inline constexpr char kStaleFileKept[] = "无法删除密码文件，文件夹没有改变。";
}  // namespace texts

std::string UnlockPrompt(const std::string& plainPath);
std::string LockPrompt(const std::string& folder);
std::string LockConfirmPrompt(const std::string& folder);

// The stored password: the first line of `path`, or empty when the file is
// missing, empty or cannot be opened (then the folder counts as unlocked).
std::string ReadPasswordFile(const std::string& path);

// Writes `bytes` as the whole file. On a failed write nothing partial is left.
bool WritePasswordFile(const std::string& path, const std::string& bytes);

// Handles one drop (or the command-line path): only its first line is used.
void HandleDroppedFolder(const std::string& droppedText, UserDialogs& dialogs);
void HandleDroppedFolder(const std::string& droppedText);

}  // namespace dotlock

#endif
