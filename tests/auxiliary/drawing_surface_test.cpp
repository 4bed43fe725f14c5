// The glyph drawing surface and BMP decoding, on Wine's GDI under Xvfb.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "auxiliary/auxiliary_state.h"

namespace auxiliary {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr COLORREF kMagenta = 0xFF00FF;

TEST(DrawingSurface, StartUpSelectsTheGlyphBitmapAndMakesTwoBrushes) {
    CreateAuxiliaryState();
    CreateMemoryDrawingSurface();
    const DrawingSurfaceState& s = CurrentAuxiliaryState()->surface;

    ASSERT_NE(s.glyphDC, nullptr);
    ASSERT_NE(s.glyphBitmap, nullptr);
    EXPECT_EQ(GetCurrentObject(s.glyphDC, OBJ_BITMAP), s.glyphBitmap);
    BITMAP bm{};
    ASSERT_EQ(GetObjectA(s.glyphBitmap, sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 72);
    EXPECT_EQ(bm.bmHeight, 198);
    EXPECT_EQ(bm.bmBits, nullptr);  // device-dependent
    EXPECT_EQ(GetPixel(s.glyphDC, 0, 197), kMagenta);

    // What the glyph bitmap replaced is the new DC's stock 1 x 1 bitmap.
    BITMAP previous{};
    ASSERT_EQ(GetObjectA(s.previousBitmap, sizeof previous, &previous), static_cast<int>(sizeof previous));
    EXPECT_EQ(previous.bmWidth, 1);

    ASSERT_NE(s.frameBrushes[0], s.frameBrushes[1]);
    const COLORREF colours[] = {0x808080, 0xFFFFFF};
    for (int i = 0; i < 2; ++i) {
        LOGBRUSH lb{};
        ASSERT_EQ(GetObjectA(s.frameBrushes[i], sizeof lb, &lb), static_cast<int>(sizeof lb)) << i;
        EXPECT_EQ(lb.lbStyle, UINT{BS_SOLID}) << i;
        EXPECT_EQ(lb.lbColor, colours[i]) << i;
    }
    FreeAuxiliaryState();
}

// A 3 x 2 picture; rows listed top first.
const COLORREF kPixels[2][3] = {{0x0000FF, 0x00FF00, 0xFF0000}, {0xFFFFFF, 0x000000, 0x336699}};

struct BmpShape {
    const char* name;
    int bitCount;        // 4, 8 or 24
    DWORD headerSize;    // 40, or 108 for a version-4 header
    DWORD tableEntries;  // colour table entries written (0 for 24 bits)
    bool implicitTable;  // biClrUsed left 0: the table size follows from the bit count
    DWORD gap;           // bytes between the table and the pixels
    bool topDown;
};

void Put16(Bytes& b, std::size_t at, std::uint16_t v) { std::memcpy(b.data() + at, &v, sizeof v); }
void Put32(Bytes& b, std::size_t at, std::uint32_t v) { std::memcpy(b.data() + at, &v, sizeof v); }

// The BMP file image of kPixels in the given shape. Table entry i + 1 holds
// the i-th picture colour, so an index read as a colour (or the table read as
// pixels) shows up as a wrong pixel.
Bytes MakeBmp(const BmpShape& shape) {
    const int width = 3, height = 2;
    const std::size_t stride = (static_cast<std::size_t>(width) * shape.bitCount + 31) / 32 * 4;
    const std::size_t tableAt = 14 + shape.headerSize;
    const std::size_t pixelsAt = tableAt + shape.tableEntries * 4 + shape.gap;
    Bytes b(pixelsAt + stride * height, 0xEE);  // gap bytes hold a colour that is not in the picture
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 6, 0);
    Put32(b, 10, static_cast<std::uint32_t>(pixelsAt));
    std::memset(b.data() + 14, 0, shape.headerSize);
    Put32(b, 14, shape.headerSize);
    Put32(b, 18, width);
    Put32(b, 22, static_cast<std::uint32_t>(shape.topDown ? -height : height));
    Put16(b, 26, 1);
    Put16(b, 28, static_cast<std::uint16_t>(shape.bitCount));
    Put32(b, 30, BI_RGB);
    Put32(b, 34, static_cast<std::uint32_t>(stride * height));
    Put32(b, 46, shape.implicitTable ? 0 : shape.tableEntries);

    auto colourIndex = [](int x, int y) { return 1 + y * 3 + x; };
    for (DWORD i = 0; i < shape.tableEntries; ++i) Put32(b, tableAt + 4 * i, 0x808000);  // unused entries
    for (int y = 0; y < height && shape.tableEntries; ++y) {
        for (int x = 0; x < width; ++x) {
            COLORREF c = kPixels[y][x];
            // RGBQUAD is blue, green, red, reserved.
            b[tableAt + 4 * colourIndex(x, y) + 0] = GetBValue(c);
            b[tableAt + 4 * colourIndex(x, y) + 1] = GetGValue(c);
            b[tableAt + 4 * colourIndex(x, y) + 2] = GetRValue(c);
            b[tableAt + 4 * colourIndex(x, y) + 3] = 0;
        }
    }
    for (int y = 0; y < height; ++y) {
        const int fileRow = shape.topDown ? y : height - 1 - y;
        std::uint8_t* row = b.data() + pixelsAt + fileRow * stride;
        std::memset(row, 0, stride);
        for (int x = 0; x < width; ++x) {
            COLORREF c = kPixels[y][x];
            if (shape.bitCount == 24) {
                row[3 * x] = GetBValue(c);
                row[3 * x + 1] = GetGValue(c);
                row[3 * x + 2] = GetRValue(c);
            } else if (shape.bitCount == 8) {
                row[x] = static_cast<std::uint8_t>(colourIndex(x, y));
            } else {
                row[x / 2] |= static_cast<std::uint8_t>(colourIndex(x, y) << (x % 2 ? 0 : 4));
            }
        }
    }
    return b;
}

TEST(BitmapFromBmpBytes, PixelsAreFoundThroughTheFileHeaderOffset) {
    const BmpShape shapes[] = {
        {"24 bits", 24, 40, 0, false, 0, false},
        {"24 bits, top-down", 24, 40, 0, false, 0, true},
        {"24 bits, version-4 header", 24, 108, 0, false, 0, false},
        {"24 bits, gap before the pixels", 24, 40, 0, false, 10, false},
        {"8 bits, short colour table", 8, 40, 7, false, 0, false},
        {"8 bits, full colour table", 8, 40, 256, true, 0, false},
        {"8 bits, version-4 header and gap", 8, 108, 7, false, 6, false},
        {"4 bits, full colour table", 4, 40, 16, true, 0, false},
    };
    for (const BmpShape& shape : shapes) {
        SCOPED_TRACE(shape.name);
        HBITMAP bitmap = BitmapFromBmpBytes(MakeBmp(shape));
        if (bitmap == nullptr) {
            ADD_FAILURE() << "no bitmap";
            continue;
        }
        // Read it through a screen-compatible DC, as the glyph surface is.
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        ReleaseDC(nullptr, screen);
        HGDIOBJ old = SelectObject(memory, bitmap);
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 3; ++x) EXPECT_EQ(GetPixel(memory, x, y), kPixels[y][x]) << x << "," << y;
        }
        SelectObject(memory, old);
        DeleteDC(memory);
        DeleteObject(bitmap);
    }
}

TEST(BitmapFromBmpBytes, IncompleteOrForeignBytesGiveNoBitmap) {
    const Bytes good = MakeBmp({"8 bits", 8, 40, 7, false, 0, false});
    ASSERT_NE(BitmapFromBmpBytes(good), nullptr);
    const struct {
        const char* name;
        void (*spoil)(Bytes&);
    } cases[] = {
        {"empty", [](Bytes& b) { b.clear(); }},
        {"cut inside the info header", [](Bytes& b) { b.resize(40); }},
        {"cut inside the colour table", [](Bytes& b) { b.resize(14 + 40 + 10); }},
        {"last pixel row cut short", [](Bytes& b) { b.pop_back(); }},
        {"not BM", [](Bytes& b) { b[0] = 'X'; }},
        {"pixel offset past the end", [](Bytes& b) { Put32(b, 10, 0x7FFFFFF0); }},
        {"pixel offset inside the header", [](Bytes& b) { Put32(b, 10, 20); }},
        {"core header", [](Bytes& b) { Put32(b, 14, 12); }},
        {"height beyond the data", [](Bytes& b) { Put32(b, 22, 0x10000); }},
        {"width beyond the data", [](Bytes& b) { Put32(b, 18, 0x40000000); }},
    };
    for (const auto& c : cases) {
        Bytes bytes = good;
        c.spoil(bytes);
        EXPECT_EQ(BitmapFromBmpBytes(bytes), nullptr) << c.name;
    }
}

}  // namespace
}  // namespace auxiliary
