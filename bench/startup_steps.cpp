// The skinned start-up's pieces timed one after another on one thread, in a
// fresh process (the first figure the driver measures), to see where
// start-up time goes. The program itself makes the picture background and
// the labels on a second thread while its window is created.
#include <cstdio>

#include "app/main_window.h"
#include "figures.h"
#include "gdiplus/font.h"
#include "skin/caption_text.h"
#include "skin/module.h"
#include "skin/skin_engine.h"

namespace bench {

std::vector<Row> MeasureStartUpSteps() {
    std::vector<Row> rows;
    double last = Now();
    auto step = [&](const char* name) {
        const double now = Now();
        Row row;
        row.figure = std::string("1s. ") + name;
        row.measured = Format("%.1f ms", (now - last) * 1000);
        row.note = "one cold pass";
        rows.push_back(row);
        std::fprintf(stderr, "%s: %s\n", row.figure.c_str(), row.measured.c_str());
        last = Now();
    };
    skin::SetUpSkinModule();
    step("SetUpSkinModule");
    skin::ThemeStartup();
    step("ThemeStartup (GDI+ start, font look-up)");
    {
        gdiplus::Font font;
        font.CreateFontFromName("微软雅黑", 12.0f);
        font.DeleteFont();
    }
    step("again: the caption font look-up");
    skin::SetThemeColour(0xC06000);
    step("again: SetThemeColour (screen-sized gradient)");
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "StartUpStepsWindow";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, wc.lpszClassName, "bench", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                                  0, 0, 326, 257, nullptr, nullptr, wc.hInstance, nullptr);
    step("CreateWindow");
    skin::SkinEngine& engine = skin::TheSkinEngine();
    engine.Attach(window, std::nullopt, false, true, true, true);
    engine.SetPlainCaption(true);
    step("Attach");
    skin::AverageColour(dotlock::BackgroundPicture());
    step("AverageColour of the background JPEG");
    skin::CurrentTheme().backgroundPicture = dotlock::BackgroundPicture();
    skin::RenderPictureBackground(true);
    step("RenderPictureBackground");
    skin::NotifySkinnedWindows();
    step("NotifySkinnedWindows (caption and frame again)");
    gdiplus::Bitmap labels;
    labels.CreateBitmap(326, 257);
    for (int i = 0; i < 3; ++i) {
        skin::TextOptions options;
        options.lineLimit = true;
        skin::DrawGlowText(labels, {64, 120, 192, 40}, dotlock::kDropHintText, 0, 0xFFFFFF, options);
    }
    step("three glowing labels");
    engine.Paint(true);
    step("Paint(true)");
    engine.Detach();
    DestroyWindow(window);
    return rows;
}

}  // namespace bench
