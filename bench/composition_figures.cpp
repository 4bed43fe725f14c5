// Frame composition measured in-process on a real window: the skin engine's
// immediate paint against one plain blit of a client-sized bitmap.
#include <functional>

#include "figures.h"
#include "gdiplus/graphics.h"
#include "skin/module.h"
#include "skin/skin_engine.h"

namespace bench {
namespace {

constexpr int kWidth = 326, kHeight = 257;
constexpr int kRepeats = 20;  // per run, averaged

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

// A top-level window kWidth x kHeight, shown, destroyed with the object.
class BenchWindow {
public:
    BenchWindow() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = PlainProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"CompositionBenchWindow";
        RegisterClassW(&wc);
        window_ = CreateWindowExW(0, wc.lpszClassName, L"composition", WS_POPUP | WS_VISIBLE, 40, 40, kWidth,
                                  kHeight, nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~BenchWindow() { DestroyWindow(window_); }
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;
    operator HWND() const { return window_; }

private:
    HWND window_;
};

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// Seconds per call, averaged over kRepeats calls.
double SecondsPerCall(const std::function<void()>& call) {
    const double start = Now();
    for (int i = 0; i < kRepeats; ++i) call();
    return (Now() - start) / kRepeats;
}

// Bytes a bitmap holds at its pixel format's depth.
double BitmapBytes(const gdiplus::Bitmap& bitmap) {
    const int bitsPerPixel = (bitmap.GetImagePixelFormat() >> 8) & 0xFF;
    return static_cast<double>(bitmap.GetImageWidth()) * bitmap.GetImageHeight() * bitsPerPixel / 8;
}

}  // namespace

std::vector<Row> MeasureComposition(double dotlockPeakBytes) {
    skin::SetUpSkinModule();
    skin::ThemeStartup();
    std::vector<Row> rows;
    {
        BenchWindow skinned, plain;
        skin::SkinEngine& engine = skin::TheSkinEngine();
        if (!engine.Attach(skinned).empty()) {
            skin::CleanUpSkinModule();
            Row failed;
            failed.figure = "2. Frame composition + paint";
            failed.measured = "not measured";
            failed.verdict = "error";
            failed.note = "the engine did not attach";
            return {failed};
        }
        Pump();

        // The baseline: one blit of a client-sized bitmap, the way the engine
        // reaches the window (a graphics on the window's DC, one DrawImage).
        gdiplus::Bitmap picture;
        picture.CreateBitmap(kWidth, kHeight);
        auto blit = [&] {
            HDC dc = GetDC(plain);
            gdiplus::Graphics screen;
            screen.CreateFromHDC(dc);
            screen.DrawImage(picture, 0, 0);
            screen.DeleteGraphics();
            ReleaseDC(plain, dc);
        };
        // The immediate paint composes the frame and copies the back buffer.
        auto paint = [&] { engine.Paint(true); };
        auto compose = [&] { engine.ComposeFrame(false); };
        // The back buffer's copy alone, as the immediate paint makes it.
        auto copy = [&] {
            HDC dc = GetDC(skinned);
            gdiplus::Graphics screen;
            screen.CreateFromHDC(dc);
            screen.DrawImage(engine.backBuffer, 0, 0);
            screen.DeleteGraphics();
            ReleaseDC(skinned, dc);
        };
        blit();
        paint();  // first calls pay one-off costs
        std::vector<double> blits, paints, composes, copies;
        for (int run = 0; run < kRuns; ++run) {
            blits.push_back(SecondsPerCall(blit));
            paints.push_back(SecondsPerCall(paint));
            composes.push_back(SecondsPerCall(compose));
            copies.push_back(SecondsPerCall(copy));
            Pump();
        }
        const std::string baseline = Format("%.2f ms (one %dx%d DrawImage)", Median(blits) * 1000, kWidth, kHeight);

        Row composition;
        composition.figure = "2. Frame composition + paint";
        composition.measured = Format("%.2f ms", Median(paints) * 1000);
        composition.baseline = baseline;
        composition.ratio = MedianRatio(paints, blits);
        composition.budget = "<= 10x";
        composition.verdict = composition.ratio <= 10 ? "within" : "over";
        composition.note = "Paint(true): one ComposeFrame and the copy to the window";
        rows.push_back(composition);

        Row composeOnly = composition;
        composeOnly.figure = "2a. of which ComposeFrame";
        composeOnly.measured = Format("%.2f ms", Median(composes) * 1000);
        composeOnly.ratio = MedianRatio(composes, blits);
        composeOnly.budget = composeOnly.verdict = "";
        composeOnly.note = "into the back buffer only";
        rows.push_back(composeOnly);

        Row copyOnly = composeOnly;
        copyOnly.figure = "2b. of which the copy to the window";
        copyOnly.measured = Format("%.2f ms", Median(copies) * 1000);
        copyOnly.ratio = MedianRatio(copies, blits);
        copyOnly.note = Format("the whole %dx%d back buffer is drawn", engine.backBuffer.GetImageWidth(),
                               engine.backBuffer.GetImageHeight());
        rows.push_back(copyOnly);

        const double backBytes = BitmapBytes(engine.backBuffer);
        const double backgroundBytes = BitmapBytes(skin::CurrentTheme().background);
        Row buffers;
        buffers.figure = "5a. Back buffer + background";
        buffers.measured = Format("%.0f + %.0f bytes", backBytes, backgroundBytes);
        buffers.baseline = dotlockPeakBytes > 0 ? Format("%.1f MiB (dotlock's peak working set)",
                                                          dotlockPeakBytes / (1024.0 * 1024.0))
                                                : "";
        buffers.ratio = dotlockPeakBytes > 0 ? (backBytes + backgroundBytes) / dotlockPeakBytes : -1;
        buffers.note = Format("screen %dx%d, both (screen + 10) in each direction", GetSystemMetrics(SM_CXSCREEN),
                              GetSystemMetrics(SM_CYSCREEN));
        rows.push_back(buffers);
        picture.DisposeImage();
        engine.Detach();
    }
    skin::CleanUpSkinModule();
    return rows;
}

}  // namespace bench
