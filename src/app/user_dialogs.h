// How the lock and unlock talk to the user. The program uses the real
// password box and message box; tests script the answers.
#ifndef DOTLOCK_APP_USER_DIALOGS_H
#define DOTLOCK_APP_USER_DIALOGS_H

#include <string>

namespace dotlock {

class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    // True and the typed bytes on OK; false (password untouched) on Cancel.
    virtual bool AskPassword(const std::string& title, const std::string& prompt,
                             std::string& password) = 0;
    virtual void ShowMessage(const std::string& text) = 0;
};

// The real dialogs: the modal password box and an ownerless, task-modal
// message box titled "信息：".
UserDialogs& SystemDialogs();

}  // namespace dotlock

#endif
