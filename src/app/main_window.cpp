#include "app/main_window.h"

#include <shellapi.h>

#include <memory>
#include <string>

#include "app/drop_target.h"
#include "app/folder_lock.h"
#include "app/folder_verb.h"
#include "app/resources.h"

namespace dotlock {
namespace {

// A drop is handled after the drag source has been released, so that the
// password prompts never keep the shell's drag loop waiting.
constexpr UINT kHandleDropMessage = WM_APP + 1;

struct Label {
    int x, y, width, height;
    bool hintFont;
};
constexpr Label kHintLabel{64, 120, 192, 40, true};
constexpr Label kCreditLabel{8, 224, 176, 32, false};
constexpr Label kMakerLabel{192, 224, 128, 32, false};

FileDropTarget* g_dropTarget = nullptr;

HFONT HintFont() {
    static HFONT font = [] {
        LOGFONTA lf{};
        lf.lfHeight = -12;  // 9 point
        lf.lfWeight = FW_NORMAL;
        lf.lfCharSet = GB2312_CHARSET;
        lstrcpyA(lf.lfFaceName, "宋体");
        return CreateFontIndirectA(&lf);
    }();
    return font;
}

void DrawLabel(HDC dc, const Label& label, const std::string& text) {
    HGDIOBJ old = SelectObject(dc, label.hintFont ? HintFont() : GetStockObject(DEFAULT_GUI_FONT));
    RECT r{label.x, label.y, label.x + label.width, label.y + label.height};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
}

void OnMainWindowCreated(HWND window) {
    g_dropTarget = RegisterFileDropTarget(window, [window](const std::string& text) {
        PostMessageA(window, kHandleDropMessage, 0,
                     reinterpret_cast<LPARAM>(new std::string(text)));
    });
    HandleCommandLine();
}

void OnMainWindowDestroying() {
    ShellExecuteA(nullptr, "open", kMakerPageUrl, nullptr, nullptr, SW_SHOWNORMAL);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE:
        OnMainWindowCreated(window);
        return 0;
    case kHandleDropMessage: {
        std::unique_ptr<std::string> text(reinterpret_cast<std::string*>(lp));
        // One drop at a time: the prompts are modal but the window is not owned by them.
        if (g_dropTarget) g_dropTarget->SetAccepting(false);
        HandleDroppedFolder(*text);
        if (g_dropTarget) g_dropTarget->SetAccepting(true);
        return 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        DrawMainWindowLabels(dc);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_DESTROY:
        OnMainWindowDestroying();
        RevokeDragDrop(window);
        if (g_dropTarget) {
            g_dropTarget->Release();
            g_dropTarget = nullptr;
        }
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, msg, wp, lp);
    }
}

}  // namespace

POINT CentredOrigin(int screenWidth, int screenHeight, int width, int height) {
    return {(screenWidth - width) / 2, (screenHeight - height) / 2};
}

void DrawMainWindowLabels(HDC dc) {
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, RGB(0, 0, 0));
    DrawLabel(dc, kHintLabel, kDropHintText);
    DrawLabel(dc, kCreditLabel, std::string(kCreditPrefix) + kCreditAccountNumber);
    DrawLabel(dc, kMakerLabel, std::string(kMakerPrefix) + kMakerAddressShown);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
}

HWND CreateMainWindow(HINSTANCE instance) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_DOTLOCK), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    wc.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_DOTLOCK), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    wc.hCursor = LoadCursorA(instance, MAKEINTRESOURCEA(IDC_DOTLOCK_POINTER));
    if (!wc.hCursor) wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kMainWindowClass;
    RegisterClassExA(&wc);

    const POINT origin = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                       kMainWindowWidth, kMainWindowHeight);
    // The labels are laid out for a 326 x 257 drawing area; the system frame
    // goes around it.
    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    RECT frame{0, 0, kMainWindowWidth, kMainWindowHeight};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    HWND window = CreateWindowExA(0, kMainWindowClass, kMainWindowTitle, style, origin.x, origin.y,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                                  instance, nullptr);
    if (window) {
        ShowWindow(window, SW_SHOWNORMAL);
        UpdateWindow(window);
    }
    return window;
}

}  // namespace dotlock
