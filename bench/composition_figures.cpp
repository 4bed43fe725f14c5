// Frame composition measured in-process on a real window: the skin engine's
// immediate paint against one plain blit of a client-sized bitmap.
#include <functional>
#include <iterator>
#include <utility>

#include "figures.h"
#include "gdiplus/graphics.h"
#include "skin/module.h"
#include "skin/pictures.h"
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

// The baseline's way to the screen: a graphics on the window's DC and one
// DrawImage of the whole `image`.
void DrawOnWindow(HWND window, const gdiplus::Image& image) {
    HDC dc = GetDC(window);
    gdiplus::Graphics screen;
    screen.CreateFromHDC(dc);
    screen.DrawImage(image, 0, 0);
    screen.DeleteGraphics();
    ReleaseDC(window, dc);
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
            return {NotMeasured("2. Frame composition + paint", "the engine did not attach")};
        }
        Pump();

        // The baseline: one blit of a client-sized bitmap.
        gdiplus::Bitmap picture;
        picture.CreateBitmap(kWidth, kHeight);
        // The immediate paint, then its parts and the pieces of the
        // composition that cost the most, each against the same blit.
        gdiplus::Graphics& back = engine.backGraphics;
        const float w = static_cast<float>(engine.width), h = static_cast<float>(engine.height);
        const struct Part {
            const char* figure;
            const char* note;
            std::function<void()> call;
        } parts[] = {
            {"2. Frame composition + paint", "Paint(true): one ComposeFrame and the copy to the window",
             [&] { engine.Paint(true); }},
            {"2a. of which ComposeFrame", "into the back buffer", [&] { engine.ComposeFrame(false); }},
            {"2b. of which the copy to the window", "the window's 326x257 part of the back buffer (PaintToDC)",
             [&] {
                 HDC dc = GetDC(skinned);
                 engine.PaintToDC(dc, RECT{0, 0, kWidth, kHeight}, false);
                 ReleaseDC(skinned, dc);
             }},
            {"2c. in 2a: the background", "the window's part copied row by row, as the engine does",
             [&] { engine.CopyBackground(); }},
            {"2d. in 2a: the three resting buttons", "the sheet is decoded once per engine; each draw clips one tile",
             [&] {
                 const std::pair<int, int> buttons[] = {
                     {47, skin::kCloseKind}, {106, skin::kMinimizeKind}, {76, skin::kMaximizeKind}};
                 for (const auto& [left, kind] : buttons) {
                     gdiplus::Point at{engine.width - left, 0};
                     engine.DrawCaptionButton(back, at, kind, skin::kNormalState, 100);
                 }
             }},
            {"2e. 2c drawn with GDI+ instead", "for comparison: the same part, one DrawImagePointRect",
             [&] {
                 back.SetClipRect(0, 0, w, h);
                 back.DrawImagePointRect(skin::CurrentTheme().background, 0, 0, 0, 0, w, h, gdiplus::kUnitPixel);
             }},
        };
        const auto blit = [&] { DrawOnWindow(plain, picture); };
        blit();
        engine.Paint(true);  // first calls pay one-off costs
        std::vector<double> blits;
        std::vector<std::vector<double>> times(std::size(parts));
        for (int run = 0; run < kRuns; ++run) {
            blits.push_back(SecondsPerCall(blit));
            for (std::size_t i = 0; i < std::size(parts); ++i) times[i].push_back(SecondsPerCall(parts[i].call));
            Pump();
        }
        engine.ComposeFrame(false);  // leave a whole frame behind the measured pieces
        const std::string baseline = Format("one %dx%d DrawImage", kWidth, kHeight);
        for (std::size_t i = 0; i < std::size(parts); ++i) {
            Row row = Compare(parts[i].figure, times[i], blits, "%.2f ms", 1000, baseline);
            row.note = parts[i].note;
            if (i == 0) {
                row.budget = "<= 10x";
                row.verdict = row.ratio <= 10 ? "within" : "over";
            }
            rows.push_back(row);
        }

        const double backBytes = BitmapBytes(engine.backBuffer);
        const double backgroundBytes = BitmapBytes(skin::CurrentTheme().background);
        Row buffers;
        buffers.figure = "5a. Back buffer + background";
        buffers.measured = Format("%.0f + %.0f bytes", backBytes, backgroundBytes);
        buffers.baseline = dotlockPeakBytes > 0 ? Format("%.1f MiB (dotlock's peak working set)",
                                                          dotlockPeakBytes / (1024.0 * 1024.0))
                                                : "";
        buffers.ratio = dotlockPeakBytes > 0 ? (backBytes + backgroundBytes) / dotlockPeakBytes : -1;
        buffers.note = Format("screen %dx%d; back buffer %dx%d, background %dx%d", GetSystemMetrics(SM_CXSCREEN),
                              GetSystemMetrics(SM_CYSCREEN), engine.backBuffer.GetImageWidth(),
                              engine.backBuffer.GetImageHeight(), skin::CurrentTheme().background.GetImageWidth(),
                              skin::CurrentTheme().background.GetImageHeight());
        rows.push_back(buffers);
        picture.DisposeImage();
        engine.Detach();
    }
    skin::CleanUpSkinModule();
    return rows;
}

}  // namespace bench
