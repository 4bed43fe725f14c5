// The modal password box: a prompt above a masked single-line edit box,
// OK "确认输入(&O)" (default) and Cancel "取消(&C)".
#ifndef DOTLOCK_APP_PASSWORD_BOX_H
#define DOTLOCK_APP_PASSWORD_BOX_H

#include <string>

namespace dotlock {

// Control ids, also used by the automation that drives the box in tests.
enum PasswordBoxIds : int {
    kPasswordPromptId = 100,
    kPasswordEditId = 101,
};

// True and the typed bytes on OK. Cancel or closing leaves `password` alone.
bool AskPasswordBox(const std::string& title, const std::string& prompt, std::string& password);

}  // namespace dotlock

#endif
