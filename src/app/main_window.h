// The program's only window: it asks for a folder to be dropped on it.
#ifndef DOTLOCK_APP_MAIN_WINDOW_H
#define DOTLOCK_APP_MAIN_WINDOW_H

#include <windows.h>

#include "gdiplus/conversions.h"

namespace dotlock {

inline constexpr char kMainWindowTitle[] = "Varocel文件夹加密大师byQuessel";
inline constexpr char kMainWindowClass[] = "DotlockMainWindow";
inline constexpr int kMainWindowWidth = 326;
inline constexpr int kMainWindowHeight = 257;

// Placeholders until the maker's real details are settled.
inline constexpr char kCreditAccountNumber[] = "12345678";
inline constexpr char kMakerAddressShown[] = "www.example.com";
inline constexpr char kMakerPageUrl[] = "http://www.example.com/";

// The three label texts, in form order 2, 3, 1.
inline constexpr char kDropHintText[] = "请把要加密或解密的文件夹\r\n拖放到这里\r\n";
inline constexpr char kCreditPrefix[] = "作者：Quessel QQ：";
inline constexpr char kMakerPrefix[] = "Varocel网";

// Top-left corner that centres a window of this size on a screen of that size.
POINT CentredOrigin(int screenWidth, int screenHeight, int width, int height);

// Starts making the skin's picture background and the labels' layer on a
// second thread (GDI+ must be running); the window's creation waits for it.
void StartPreparingMainWindowSkin();
// Waits until that thread is done; returns at once if none runs.
void WaitForMainWindowSkin();

// Creates and shows the window; its creation handler may lock or unlock a
// command-line folder before this returns.
HWND CreateMainWindow(HINSTANCE instance);

// The picture the skin's theme is made from: a JPEG, 354 x 269.
const gdiplus::ByteBlock& BackgroundPicture();

// Draws the three transparent labels (no fill of their own) at their form places.
void DrawMainWindowLabels(HDC dc);

}  // namespace dotlock

#endif
