// Moves the real mouse over the running dotlock's main window, the way a
// user's hand would: through the system's input queue, in small steps,
// always arriving from outside the window. Points are relative to the
// window's top-left corner.
//   pointer hover X Y          come in from the left and rest on (X, Y)
//   pointer click X Y          hover, then press and release the left button
//   pointer drag X Y DX DY     hover, press, move by (DX, DY), release
//   pointer rect               print the window's left, top, width, height
// Exit code 1 when the window does not appear.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "../automation.h"

namespace {

void Send(DWORD flags, int x = 0, int y = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_MOVE) {
        // Absolute positions are on a 0..65535 scale across the screen.
        input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
        input.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
    }
    SendInput(1, &input, sizeof input);
}

// Screen-coordinate moves in steps of about 8 pixels, 15 ms apart.
void Glide(POINT from, POINT to) {
    const int dx = static_cast<int>(to.x - from.x), dy = static_cast<int>(to.y - from.y);
    const int steps = std::max(1, std::max(std::abs(dx), std::abs(dy)) / 8);
    for (int i = 1; i <= steps; ++i) {
        Send(MOUSEEVENTF_MOVE, static_cast<int>(from.x) + dx * i / steps, static_cast<int>(from.y) + dy * i / steps);
        Sleep(15);
    }
}

POINT Hover(const RECT& window, int x, int y) {
    const POINT target{window.left + x, window.top + y};
    const POINT outside{std::max(0L, static_cast<long>(window.left) - 40), target.y};
    Send(MOUSEEVENTF_MOVE, outside.x, outside.y);
    Sleep(50);
    Glide(outside, target);
    Sleep(100);
    return target;
}

}  // namespace

int main() {
    using namespace dotlock::automation;
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const std::wstring command = argc > 1 ? argv[1] : L"";
    auto number = [&](int i) { return argc > i ? static_cast<int>(std::wcstol(argv[i], nullptr, 10)) : 0; };

    HWND main = WaitForWindow(nullptr, kMainTitle);
    if (!main) return 1;
    RECT r{};
    GetWindowRect(main, &r);
    if (command == L"rect") {
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
        return 0;
    }
    if (command == L"hover" && argc >= 4) {
        Hover(r, number(2), number(3));
        return 0;
    }
    if (command == L"click" && argc >= 4) {
        Hover(r, number(2), number(3));
        Send(MOUSEEVENTF_LEFTDOWN);
        Sleep(80);
        Send(MOUSEEVENTF_LEFTUP);
        Sleep(80);
        return 0;
    }
    if (command == L"drag" && argc >= 6) {
        const POINT from = Hover(r, number(2), number(3));
        Send(MOUSEEVENTF_LEFTDOWN);
        Sleep(80);
        Glide(from, {from.x + number(4), from.y + number(5)});
        Sleep(80);
        Send(MOUSEEVENTF_LEFTUP);
        Sleep(150);
        return 0;
    }
    std::fputs("usage: pointer hover X Y | click X Y | drag X Y DX DY | rect\n", stderr);
    return 2;
}
