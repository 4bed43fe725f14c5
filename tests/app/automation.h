// Drives the real program's windows from outside, like a user would: finds
// windows by their exact titles, reads dialog texts, types into the edit box
// and presses buttons with ordinary messages. Header-only so that both the
// end-to-end tests and the stand-alone automate.exe use the same code.
#ifndef DOTLOCK_TESTS_APP_AUTOMATION_H
#define DOTLOCK_TESTS_APP_AUTOMATION_H

#include <windows.h>

#include <string>
#include <vector>

namespace dotlock::automation {

inline constexpr wchar_t kDialogClass[] = L"#32770";
inline constexpr wchar_t kMessageTitle[] = L"信息：";
inline constexpr wchar_t kMainTitle[] = L"Varocel文件夹加密大师byQuessel";
inline constexpr int kPromptId = 100;  // the password box's prompt and edit box
inline constexpr int kEditId = 101;

inline std::string ToAnsi(const std::wstring& w) {
    const int n = WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
    return s;
}

inline std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// A visible top-level window of `className` (or any class) titled `title`,
// waiting up to `timeoutMs`.
inline HWND WaitForWindow(const wchar_t* className, const std::wstring& title, DWORD timeoutMs = 15000) {
    const DWORD start = GetTickCount();
    do {
        HWND found = FindWindowW(className, title.c_str());
        if (found && IsWindowVisible(found)) return found;
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

inline bool WaitUntilGone(HWND window, DWORD timeoutMs = 15000) {
    const DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(50);
    }
    return true;
}

// Static texts of a dialog, in child order.
inline std::vector<std::wstring> StaticTexts(HWND dialog) {
    std::vector<std::wstring> texts;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[32] = {};
        GetClassNameW(child, cls, 32);
        if (lstrcmpiW(cls, L"Static") == 0 && !TextOf(child).empty()) texts.push_back(TextOf(child));
    }
    return texts;
}

// Presses a dialog button the way a click does: the dialog gets BN_CLICKED.
inline void Press(HWND dialog, int buttonId) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)));
}

struct PasswordBox {
    HWND dialog = nullptr;
    std::wstring prompt;
    bool masked = false;
    bool startedEmpty = false;
    std::wstring okCaption, cancelCaption;
};

inline PasswordBox FindPasswordBox(const std::wstring& title, DWORD timeoutMs = 15000) {
    PasswordBox box;
    box.dialog = WaitForWindow(kDialogClass, title, timeoutMs);
    if (!box.dialog) return box;
    HWND edit = GetDlgItem(box.dialog, kEditId);
    box.prompt = TextOf(GetDlgItem(box.dialog, kPromptId));
    box.masked = (GetWindowLongW(edit, GWL_STYLE) & ES_PASSWORD) != 0;
    box.startedEmpty = GetWindowTextLengthW(edit) == 0;
    box.okCaption = TextOf(GetDlgItem(box.dialog, IDOK));
    box.cancelCaption = TextOf(GetDlgItem(box.dialog, IDCANCEL));
    return box;
}

// Types `password` and presses OK, or presses Cancel when `ok` is false.
inline void Answer(const PasswordBox& box, const std::wstring& password, bool ok = true) {
    SetWindowTextW(GetDlgItem(box.dialog, kEditId), password.c_str());
    Press(box.dialog, ok ? IDOK : IDCANCEL);
    WaitUntilGone(box.dialog);
}

// Reads the text of the message box titled "信息：" and presses its OK.
// Empty when no message box appears in time.
inline std::wstring DismissMessage(DWORD timeoutMs = 15000) {
    HWND box = WaitForWindow(kDialogClass, kMessageTitle, timeoutMs);
    if (!box) return {};
    const std::vector<std::wstring> texts = StaticTexts(box);
    Press(box, IDOK);
    WaitUntilGone(box);
    return texts.empty() ? std::wstring() : texts.back();
}

}  // namespace dotlock::automation

#endif
