// Shows one skinned window (gradient theme, resizable, caption buttons) for
// the given number of milliseconds, then closes it: a window to look at.
//     skin_demo.exe [milliseconds]
#include <windows.h>

#include <cstdlib>

#include "skin/module.h"
#include "skin/skin_engine.h"

int main(int argc, char** argv) {
    int milliseconds = argc > 1 ? std::atoi(argv[1]) : 3000;
    skin::SetUpSkinModule();
    skin::ThemeStartup();

    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = "dotlock-skin-demo";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, wc.lpszClassName, "skin demo", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 120, 100,
                                  326, 257, nullptr, nullptr, wc.hInstance, nullptr);
    skin::TextValue error = skin::TheSkinEngine().Attach(window, std::nullopt, true);
    if (!error.empty()) {
        return 1;
    }
    SetTimer(window, 1, static_cast<UINT>(milliseconds), nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.hwnd == window) {
            DestroyWindow(window);
            PostQuitMessage(0);
            continue;
        }
        DispatchMessageA(&msg);
    }
    skin::CleanUpSkinModule();
    return 0;
}
