// Child process for checks that end the process. Modes:
//   pen-unit        SetPenUnit(2.9) on a pen, then prints the unit read back
//   negative-count  asks a path for a negative number of points
// An exception that reaches the top (a GDI+ stub that raises) is printed and
// becomes the exit code, so the parent sees it without a debugger starting.
#include <cstdio>
#include <cstring>

#include "gdiplus/graphics_path.h"
#include "gdiplus/pen.h"

namespace {

LONG WINAPI ReportException(EXCEPTION_POINTERS* info) {
    DWORD code = info->ExceptionRecord->ExceptionCode;
    std::printf("exception %08lX\n", code);
    std::fflush(stdout);
    ExitProcess(code);
}

}  // namespace

int main(int argc, char** argv) {
    SetUnhandledExceptionFilter(ReportException);
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    GDIP_DECLARED(GdiplusStartup, ::Gdiplus::GdiplusStartup)(&token, &input, nullptr);

    const char* mode = argc > 1 ? argv[1] : "";
    if (std::strcmp(mode, "pen-unit") == 0) {
        gdiplus::Pen pen;
        pen.CreatePen1(0xFF000000, 1);
        bool ok = pen.SetPenUnit(2.9f);
        std::printf("set=%d unit=%d\n", ok, pen.GetPenUnit());
        return 0;
    }
    if (std::strcmp(mode, "negative-count") == 0) {
        gdiplus::GraphicsPath path;
        path.CreatePath();
        path.AddPathLine(0, 0, 1, 1);
        std::vector<gdiplus::PointF> points;
        path.GetPathPoints(points, -1);
        std::printf("returned\n");
        return 0;
    }
    std::printf("unknown mode\n");
    return 1;
}
