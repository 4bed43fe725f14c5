// Drives a running dotlock from a shell script (the demonstration in run.sh):
//   automate password TITLE PASSWORD [cancel]  answer the password box
//   automate message                           print and dismiss the message box
//   automate wait TITLE                        wait until a window so titled shows
//   automate wait-main                         wait until the main window shows
//   automate close-main                        close the main window
// Texts are printed in UTF-8. Exit code 1 when the window does not appear.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "../automation.h"

namespace {

void PrintUtf8(const std::wstring& text) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string s(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), s.data(), n, nullptr, nullptr);
    std::fwrite(s.data(), 1, s.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

}  // namespace

int main() {
    using namespace dotlock::automation;
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"password" && argc >= 4) {
        const PasswordBox box = FindPasswordBox(argv[2]);
        if (!box.dialog) return 1;
        PrintUtf8(box.prompt);
        Answer(box, argv[3], !(argc > 4 && std::wstring(argv[4]) == L"cancel"));
        return 0;
    }
    if (command == L"message") {
        const std::wstring text = DismissMessage();
        if (text.empty()) return 1;
        PrintUtf8(text);
        return 0;
    }
    if (command == L"wait" && argc >= 3) return WaitForWindow(nullptr, argv[2]) ? 0 : 1;
    if (command == L"wait-main") return WaitForWindow(nullptr, kMainTitle) ? 0 : 1;
    if (command == L"close-main") {
        HWND main = WaitForWindow(nullptr, kMainTitle);
        if (!main) return 1;
        PostMessageW(main, WM_CLOSE, 0, 0);
        return WaitUntilGone(main) ? 0 : 1;
    }
    std::fputs("usage: automate password TITLE PASSWORD [cancel] | message | wait TITLE | wait-main | close-main\n", stderr);
    return 2;
}
