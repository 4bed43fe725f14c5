#include "app/password_box.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "app/folder_lock.h"
#include "app/main_window.h"
#include "app/user_dialogs.h"

namespace dotlock {
namespace {

constexpr char kOkCaption[] = "确认输入(&O)";
constexpr char kCancelCaption[] = "取消(&C)";

// Layout in pixels; the prompt grows downwards to fit a long path.
constexpr int kMargin = 12;
constexpr int kClientWidth = 380;
constexpr int kEditHeight = 22;
constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 26;
constexpr int kGap = 10;
constexpr int kMaxPromptHeight = 240;

struct BoxState {
    const std::string* title;
    const std::string* prompt;
    std::string typed;
    HFONT font;
};

// An in-memory dialog template: the controls are created empty and laid out
// in pixels once the prompt's height is known.
class DialogTemplate {
public:
    DialogTemplate() {
        DLGTEMPLATE dlg{};
        dlg.style = DS_MODALFRAME | DS_SETFOREGROUND | WS_POPUP | WS_CAPTION | WS_SYSMENU;
        dlg.cdit = 4;
        Append(&dlg, sizeof dlg);
        Word(0);  // no menu
        Word(0);  // default class
        Word(0);  // empty title: set from the caller's ANSI text
        Item(kPasswordPromptId, 0x0082, SS_LEFT | SS_EDITCONTROL | SS_NOPREFIX | WS_VISIBLE);
        Item(kPasswordEditId, 0x0081,
             ES_PASSWORD | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE);
        Item(IDOK, 0x0080, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_VISIBLE);
        Item(IDCANCEL, 0x0080, BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE);
    }
    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    // Sized and copied by hand: the template is a run of WORDs.
    void Append(const void* p, std::size_t n) {
        const std::size_t at = words_.size();
        words_.resize(at + n / sizeof(WORD));
        std::memcpy(words_.data() + at, p, n);
    }
    void Word(WORD w) { words_.push_back(w); }
    void Align() {
        if (words_.size() % 2) words_.push_back(0);  // items start on a DWORD
    }
    void Item(int id, WORD atom, DWORD style) {
        Align();
        DLGITEMTEMPLATE item{};
        item.style = style | WS_CHILD;
        item.cx = 10;
        item.cy = 10;
        item.id = static_cast<WORD>(id);
        Append(&item, sizeof item);
        Word(0xFFFF);
        Word(atom);
        Word(0);  // empty text
        Word(0);  // no creation data
    }
    std::vector<WORD> words_;
};

void Place(HWND dlg, int id, int x, int y, int w, int h) {
    MoveWindow(GetDlgItem(dlg, id), x, y, w, h, FALSE);
}

void LayOut(HWND dlg, BoxState& state) {
    const int textWidth = kClientWidth - 2 * kMargin;
    RECT text{0, 0, textWidth, 0};
    HDC dc = GetDC(dlg);
    HGDIOBJ old = SelectObject(dc, state.font);
    DrawTextA(dc, state.prompt->c_str(), -1, &text,
              DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(dlg, dc);
    const int promptHeight = std::min<int>(std::max<int>(text.bottom, 16), kMaxPromptHeight);

    int y = kMargin;
    Place(dlg, kPasswordPromptId, kMargin, y, textWidth, promptHeight);
    y += promptHeight + kGap;
    Place(dlg, kPasswordEditId, kMargin, y, textWidth, kEditHeight);
    y += kEditHeight + kGap + 4;
    const int okX = kClientWidth - kMargin - 2 * kButtonWidth - kGap;
    Place(dlg, IDOK, okX, y, kButtonWidth, kButtonHeight);
    Place(dlg, IDCANCEL, okX + kButtonWidth + kGap, y, kButtonWidth, kButtonHeight);
    y += kButtonHeight + kMargin;

    RECT frame{0, 0, kClientWidth, y};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(dlg, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(dlg, GWL_EXSTYLE)));
    const int w = frame.right - frame.left;
    const int h = frame.bottom - frame.top;
    const POINT at = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), w, h);
    SetWindowPos(dlg, HWND_TOP, at.x, at.y, w, h, 0);
}

INT_PTR CALLBACK PasswordBoxProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    auto* state = reinterpret_cast<BoxState*>(GetWindowLongPtrA(dlg, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG: {
        state = reinterpret_cast<BoxState*>(lp);
        SetWindowLongPtrA(dlg, DWLP_USER, lp);
        SetWindowTextA(dlg, state->title->c_str());
        SetDlgItemTextA(dlg, kPasswordPromptId, state->prompt->c_str());
        SetDlgItemTextA(dlg, IDOK, kOkCaption);
        SetDlgItemTextA(dlg, IDCANCEL, kCancelCaption);
        for (int id : {int(kPasswordPromptId), int(kPasswordEditId), int(IDOK), int(IDCANCEL)}) {
            SendDlgItemMessageA(dlg, id, WM_SETFONT, reinterpret_cast<WPARAM>(state->font), FALSE);
        }
        LayOut(dlg, *state);
        SetForegroundWindow(dlg);
        SetFocus(GetDlgItem(dlg, kPasswordEditId));
        return FALSE;  // focus set by hand
    }
    case WM_COMMAND:
        if (LOWORD(wp) == IDOK) {
            HWND edit = GetDlgItem(dlg, kPasswordEditId);
            std::vector<char> buf(static_cast<std::size_t>(GetWindowTextLengthA(edit)) + 1);
            const int n = GetWindowTextA(edit, buf.data(), static_cast<int>(buf.size()));
            state->typed.assign(buf.data(), static_cast<std::size_t>(std::max(n, 0)));
            EndDialog(dlg, IDOK);
            return TRUE;
        }
        if (LOWORD(wp) == IDCANCEL) {
            EndDialog(dlg, IDCANCEL);
            return TRUE;
        }
        break;
    default:
        break;
    }
    return FALSE;
}

HFONT PromptFont() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        return CreateFontIndirectA(&metrics.lfMessageFont);
    }
    return nullptr;
}

class RealDialogs final : public UserDialogs {
public:
    bool AskPassword(const std::string& title, const std::string& prompt,
                     std::string& password) override {
        return AskPasswordBox(title, prompt, password);
    }
    void ShowMessage(const std::string& text) override {
        MessageBoxA(nullptr, text.c_str(), texts::kMessageTitle, MB_TASKMODAL | MB_OK);
    }
};

}  // namespace

bool AskPasswordBox(const std::string& title, const std::string& prompt, std::string& password) {
    static const DialogTemplate tmpl;
    BoxState state{&title, &prompt, {}, PromptFont()};
    const INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), tmpl.get(), nullptr,
                                                   PasswordBoxProc, reinterpret_cast<LPARAM>(&state));
    if (state.font) DeleteObject(state.font);
    if (result != IDOK) return false;
    password = std::move(state.typed);
    return true;
}

UserDialogs& SystemDialogs() {
    static RealDialogs dialogs;
    return dialogs;
}

}  // namespace dotlock
