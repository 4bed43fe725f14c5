// The user's side of a lock or unlock, scripted: each password prompt takes
// the next answer, and every prompt and message is recorded.
#ifndef DOTLOCK_TESTS_APP_SCRIPTED_DIALOGS_H
#define DOTLOCK_TESTS_APP_SCRIPTED_DIALOGS_H

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/user_dialogs.h"

namespace dotlock::testing {

using Answer = std::optional<std::string>;  // nullopt: the user cancels
inline const Answer kCancel = std::nullopt;

using Prompt = std::pair<std::string, std::string>;  // title, prompt text

class ScriptedDialogs final : public UserDialogs {
public:
    explicit ScriptedDialogs(std::deque<Answer> answers) : answers_(std::move(answers)) {}
    bool AskPassword(const std::string& title, const std::string& prompt, std::string& password) override {
        prompts.emplace_back(title, prompt);
        if (whilePrompting) whilePrompting();  // something else happens while the box is open
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected prompt: " << prompt;
            return false;
        }
        const Answer answer = answers_.front();
        answers_.pop_front();
        if (!answer) return false;
        password = *answer;
        return true;
    }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }

    std::function<void()> whilePrompting;
    std::vector<Prompt> prompts;
    std::vector<std::string> messages;

private:
    std::deque<Answer> answers_;
};

}  // namespace dotlock::testing

#endif
