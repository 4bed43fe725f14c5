// A bitmap with a graphics that draws into it, and helpers to read it back.
#pragma once

#include <gtest/gtest.h>

#include "gdiplus/bitmap.h"
#include "gdiplus/graphics.h"

namespace gdiplus::fixtures {

inline constexpr Argb kWhite = 0xFFFFFFFF;
inline constexpr Argb kRed = 0xFFFF0000;
inline constexpr Argb kBlue = 0xFF0000FF;

// A white 32-bit ARGB bitmap with its graphics; pixel-exact modes so that
// edges do not blend.
struct Canvas {
    Bitmap bitmap;
    Graphics graphics;

    Canvas(int width, int height) {
        EXPECT_TRUE(bitmap.CreateBitmap(width, height));
        EXPECT_TRUE(graphics.GetImageGraphicsContext(bitmap));
        graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
        graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
        graphics.GraphicsClear(kWhite);
    }

    Argb At(int x, int y) const { return bitmap.BitmapGetPixel(x, y); }

    // Every pixel is `inside` within [x, x + width) x [y, y + height) and
    // `outside` elsewhere.
    void ExpectRect(int x, int y, int width, int height, Argb inside, Argb outside = kWhite) const {
        int fullWidth = bitmap.GetImageWidth(), fullHeight = bitmap.GetImageHeight();
        int wrong = 0;
        for (int py = 0; py < fullHeight; ++py) {
            for (int px = 0; px < fullWidth; ++px) {
                bool in = px >= x && px < x + width && py >= y && py < y + height;
                Argb got = At(px, py);
                if (got != (in ? inside : outside) && ++wrong <= 5) {
                    ADD_FAILURE() << "pixel " << px << "," << py << " is " << std::hex << got;
                }
            }
        }
        EXPECT_EQ(wrong, 0) << "pixels wrong";
    }
};

// A bitmap of one colour.
inline void MakeSolid(Bitmap& bitmap, int width, int height, Argb colour) {
    ASSERT_TRUE(bitmap.CreateBitmap(width, height));
    Graphics graphics;
    ASSERT_TRUE(graphics.GetImageGraphicsContext(bitmap));
    ASSERT_TRUE(graphics.GraphicsClear(colour));
}

}  // namespace gdiplus::fixtures
