// A memory drawing surface prepared at start-up: a screen-compatible memory
// DC holding the check-box and option-button glyph bitmap, and two solid
// frame brushes.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <span>

namespace auxiliary {

struct DrawingSurfaceState {
    HDC glyphDC = nullptr;
    HBITMAP glyphBitmap = nullptr;
    HGDIOBJ previousBitmap = nullptr;  // what the glyph bitmap replaced in glyphDC
    std::array<HBRUSH, 2> frameBrushes{};  // grey 0x808080, then white 0xFFFFFF
};

inline constexpr COLORREF kFrameBrushColours[2] = {0x808080, 0xFFFFFF};

// Fills the drawing surface of the module state; fatal when the state has not
// been created. Its GDI objects live until the process ends.
void CreateMemoryDrawingSurface();

// A device-dependent bitmap of the BMP file image in `bytes`, or null when the
// bytes are not a complete BMP with a BITMAPINFOHEADER (or a larger header).
// The pixels are found through the file header's pixel-data offset, so colour
// tables and larger headers are read correctly.
HBITMAP BitmapFromBmpBytes(std::span<const std::uint8_t> bytes);

// The embedded glyph picture: a 72 x 198, 24-bit BMP file image.
std::span<const std::uint8_t> GlyphPicture();

}  // namespace auxiliary
