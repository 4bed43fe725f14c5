#include "auxiliary/drawing_surface.h"

#include <cstdlib>
#include <cstring>

#include "auxiliary/auxiliary_state.h"
#include "gdiplus/binding.h"

namespace auxiliary {

namespace {

std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint32_t value;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

constexpr std::size_t kFileHeaderSize = sizeof(BITMAPFILEHEADER);  // 14

// Bytes of colour table (or bit masks) that follow the info header.
std::size_t ColourTableSize(const BITMAPINFOHEADER& info) {
    std::size_t entries = info.biClrUsed;
    if (entries == 0 && info.biBitCount <= 8) entries = std::size_t{1} << info.biBitCount;
    std::size_t size = entries * sizeof(RGBQUAD);
    // Three masks follow a plain info header; larger headers hold them inside.
    if (info.biCompression == BI_BITFIELDS && info.biSize == sizeof(BITMAPINFOHEADER)) size += 3 * sizeof(DWORD);
    return size;
}

// Bytes of pixel data the header describes.
std::uint64_t PixelDataSize(const BITMAPINFOHEADER& info) {
    if (info.biCompression != BI_RGB && info.biCompression != BI_BITFIELDS) return info.biSizeImage;
    std::uint64_t stride = (std::uint64_t{static_cast<std::uint32_t>(info.biWidth)} * info.biBitCount + 31) / 32 * 4;
    return stride * static_cast<std::uint64_t>(std::llabs(info.biHeight));
}

}  // namespace

HBITMAP BitmapFromBmpBytes(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kFileHeaderSize + sizeof(BITMAPINFOHEADER) || bytes[0] != 'B' || bytes[1] != 'M') {
        return nullptr;
    }
    BITMAPINFOHEADER info;
    std::memcpy(&info, bytes.data() + kFileHeaderSize, sizeof info);
    const std::uint32_t pixelOffset = ReadU32(bytes, 10);  // bfOffBits
    if (info.biSize < sizeof(BITMAPINFOHEADER) || info.biWidth <= 0 || info.biHeight == 0 ||
        info.biBitCount == 0 || info.biBitCount > 32) {
        return nullptr;
    }
    const std::uint64_t headersEnd = std::uint64_t{kFileHeaderSize} + info.biSize + ColourTableSize(info);
    if (headersEnd > bytes.size() || pixelOffset < kFileHeaderSize + info.biSize ||
        std::uint64_t{pixelOffset} + PixelDataSize(info) > bytes.size()) {
        return nullptr;
    }

    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(bytes.data() + kFileHeaderSize);
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBitmap(screen, header, CBM_INIT, bytes.data() + pixelOffset,
                                    reinterpret_cast<const BITMAPINFO*>(header), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

void CreateMemoryDrawingSurface() {
    AuxiliaryState* state = CurrentAuxiliaryState();
    if (state == nullptr) gdiplus::FatalError("fatal: the drawing surface is set up before the module state");
    DrawingSurfaceState& s = state->surface;

    HDC screen = GetDC(nullptr);
    s.glyphDC = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    s.glyphBitmap = BitmapFromBmpBytes(GlyphPicture());
    s.previousBitmap = SelectObject(s.glyphDC, s.glyphBitmap);
    for (std::size_t i = 0; i < s.frameBrushes.size(); ++i) s.frameBrushes[i] = CreateSolidBrush(kFrameBrushColours[i]);
}

}  // namespace auxiliary
