// The real password box, run on its own thread and driven from the test's.
#include <gtest/gtest.h>

#include <windows.h>

#include <thread>

#include "app/password_box.h"
#include "automation.h"

namespace dotlock {
namespace {

using namespace automation;

struct BoxRun {
    bool ok = false;
    std::string password = "unchanged";
};

// Shows the box on a thread of its own, as the program does on its UI thread.
std::thread ShowBox(const std::string& prompt, BoxRun& run) {
    return std::thread([prompt, &run] { run.ok = AskPasswordBox("录入密码", prompt, run.password); });
}

TEST(PasswordBox, LongPathPromptWrapsInsideTheBox) {
    const std::string path = "C:\\" + std::string(150, 'a') + "\\" + std::string(60, 'b');
    const std::string prompt = "请输入\"" + path + "\"文件夹的密码";
    BoxRun run;
    std::thread t = ShowBox(prompt, run);
    const PasswordBox box = FindPasswordBox(L"录入密码");
    ASSERT_TRUE(box.dialog);
    EXPECT_EQ(ToAnsi(box.prompt), prompt);

    RECT promptRect, editRect, dialogRect;
    GetWindowRect(GetDlgItem(box.dialog, kPromptId), &promptRect);
    GetWindowRect(GetDlgItem(box.dialog, kEditId), &editRect);
    GetWindowRect(box.dialog, &dialogRect);
    EXPECT_GE(promptRect.bottom - promptRect.top, 3 * 12);  // several lines, not one cut line
    EXPECT_LE(promptRect.bottom, editRect.top);              // the edit box sits below it
    EXPECT_LE(dialogRect.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_LE(dialogRect.bottom, GetSystemMetrics(SM_CYSCREEN));

    Answer(box, L"x", false);
    t.join();
    EXPECT_FALSE(run.ok);
    EXPECT_EQ(run.password, "unchanged");  // Cancel leaves the target alone
}

TEST(PasswordBox, OkReturnsTheTypedGbkBytes) {
    BoxRun run;
    std::thread t = ShowBox("p", run);
    const PasswordBox box = FindPasswordBox(L"录入密码");
    ASSERT_TRUE(box.dialog);
    EXPECT_TRUE(box.masked);
    EXPECT_TRUE(box.startedEmpty);
    Answer(box, L"密码 Ab ");
    t.join();
    EXPECT_TRUE(run.ok);
    EXPECT_EQ(run.password, "密码 Ab ");
}

TEST(PasswordBox, ClosingTheBoxCancels) {
    BoxRun run;
    std::thread t = ShowBox("p", run);
    const PasswordBox box = FindPasswordBox(L"录入密码");
    ASSERT_TRUE(box.dialog);
    PostMessageW(box.dialog, WM_CLOSE, 0, 0);
    t.join();
    EXPECT_FALSE(run.ok);
    EXPECT_EQ(run.password, "unchanged");
}

}  // namespace
}  // namespace dotlock
