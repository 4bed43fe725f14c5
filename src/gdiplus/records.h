// Records passed to GDI+ by address. Each has exactly the field order and
// widths of the GDI+ structure of the same name (checked below), so a pointer
// to one, or to a contiguous run of them, is handed over with AsGdiplus.
#pragma once

#include <cstdint>
#include <type_traits>

#include "gdiplus/object.h"

namespace gdiplus {

struct PointF { float x = 0, y = 0; };
struct Point { std::int32_t x = 0, y = 0; };
struct SizeF { float width = 0, height = 0; };
struct RectF { float x = 0, y = 0, width = 0, height = 0; };
struct Rect { std::int32_t x = 0, y = 0, width = 0, height = 0; };

struct BitmapData {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::int32_t stride = 0;
    std::int32_t pixelFormat = 0;
    void* scan0 = nullptr;
    std::uintptr_t reserved = 0;
};

template <typename Ours> struct GdiplusTwin;
template <> struct GdiplusTwin<PointF> { using type = Gdiplus::PointF; };
template <> struct GdiplusTwin<Point> { using type = Gdiplus::Point; };
template <> struct GdiplusTwin<SizeF> { using type = Gdiplus::SizeF; };
template <> struct GdiplusTwin<RectF> { using type = Gdiplus::RectF; };
template <> struct GdiplusTwin<Rect> { using type = Gdiplus::Rect; };
template <> struct GdiplusTwin<BitmapData> { using type = Gdiplus::BitmapData; };

// The same record seen as the GDI+ type a flat function declares.
template <typename Ours>
auto AsGdiplus(Ours* record) {
    using Twin = typename GdiplusTwin<std::remove_const_t<Ours>>::type;
    static_assert(sizeof(Twin) == sizeof(Ours) && alignof(Twin) == alignof(Ours));
    if constexpr (std::is_const_v<Ours>) {
        return reinterpret_cast<const Twin*>(record);
    } else {
        return reinterpret_cast<Twin*>(record);
    }
}

static_assert(sizeof(BitmapData) == 24 && offsetof(BitmapData, scan0) == 16);

}  // namespace gdiplus

namespace gdiplus {

// A colour to replace and its replacement.
struct ColorMap { Argb oldColor = 0, newColor = 0; };
// A run of characters to measure: first index and length.
struct CharacterRange { std::int32_t first = 0, length = 0; };
// Five rows of five factors, row after row.
struct ColorMatrix { float m[5][5] = {}; };

template <> struct GdiplusTwin<ColorMap> { using type = Gdiplus::ColorMap; };
template <> struct GdiplusTwin<CharacterRange> { using type = Gdiplus::CharacterRange; };
template <> struct GdiplusTwin<ColorMatrix> { using type = Gdiplus::ColorMatrix; };

}  // namespace gdiplus
