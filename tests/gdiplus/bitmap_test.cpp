#include <gtest/gtest.h>

#include <cstring>

#include "gdiplus/bitmap.h"
#include "image_fixtures.h"

namespace gdiplus {
namespace {

using namespace fixtures;

void ExpectChecker(const Bitmap& bitmap, int width = 4, int height = 3) {
    ASSERT_EQ(bitmap.GetImageWidth(), width);
    ASSERT_EQ(bitmap.GetImageHeight(), height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            EXPECT_EQ(bitmap.BitmapGetPixel(x, y), CheckerColour(x, y)) << x << "," << y;
        }
    }
}

TEST(BitmapCreate, DefaultFormatAndTypedHandles) {
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(1, 1));
    EXPECT_EQ(bitmap.GetImagePixelFormat(), 0x26200A);
    EXPECT_EQ(bitmap.GetImageRawFormat(), kMemoryBmp);
    EXPECT_NE(bitmap.GetHandle(), nullptr);
    EXPECT_EQ(bitmap.NativeImage(), bitmap.GetHandle());
    EXPECT_EQ(bitmap.NativeBitmap(), bitmap.GetHandle());
    ASSERT_TRUE(bitmap.DisposeImage());
    EXPECT_EQ(bitmap.NativeImage(), nullptr);
    EXPECT_EQ(bitmap.NativeBitmap(), nullptr);
    EXPECT_FALSE(bitmap.CreateBitmap(0, 5));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    EXPECT_EQ(bitmap.NativeBitmap(), bitmap.GetHandle());
}

// Loading through the Image interface of a Bitmap makes a GDI+ bitmap.
TEST(BitmapCreate, LoadThroughImageInterface) {
    Bitmap source;
    MakeChecker(source);
    Bitmap bitmap;
    Image& asImage = bitmap;
    ASSERT_TRUE(asImage.LoadImageFromBytes(source.SaveImageToBytes(kPng)));
    ExpectChecker(bitmap);
    EXPECT_EQ(bitmap.NativeBitmap(), bitmap.GetHandle());
}

TEST(BitmapCreate, FromScan0UsesTheCallersPixels) {
    // 3 x 2, 32-bit BGRA, stride padded to 16 bytes.
    std::uint32_t pixels[2][4] = {{0xFF0000FF, 0xFF00FF00, 0xFFFF0000, 0xDEADBEEF},
                                  {0xFFFFFFFF, 0xFF000000, 0xFF808080, 0xDEADBEEF}};
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmapFromScan0(3, 2, 16, PixelFormat32bppARGB, pixels));
    EXPECT_EQ(bitmap.BitmapGetPixel(0, 0), 0xFF0000FFu);
    EXPECT_EQ(bitmap.BitmapGetPixel(2, 0), 0xFFFF0000u);
    EXPECT_EQ(bitmap.BitmapGetPixel(2, 1), 0xFF808080u);
    ASSERT_TRUE(bitmap.BitmapSetPixel(1, 1, 0xFF123456));
    EXPECT_EQ(pixels[1][1], 0xFF123456u);  // written into the caller's memory
}

TEST(BitmapCreate, FromGdiDib) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = 2;
    info.bmiHeader.biHeight = 2;  // bottom-up: the first row is the bottom one
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::uint32_t bits[4] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF};
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmapFromGdiDib(&info, bits));
    EXPECT_EQ(bitmap.BitmapGetPixel(0, 1) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(bitmap.BitmapGetPixel(0, 0) & 0xFFFFFF, 0x0000FFu);
}

TEST(BitmapCreate, GdiHandlesRoundTrip) {
    Bitmap checker;
    MakeChecker(checker);

    HBITMAP hbitmap = checker.CreateHBITMAPFromBitmap(0xFF000000);
    ASSERT_NE(hbitmap, nullptr);
    Bitmap fromHbitmap;
    ASSERT_TRUE(fromHbitmap.CreateBitmapFromHBITMAP(hbitmap));
    DeleteObject(hbitmap);
    ASSERT_EQ(fromHbitmap.GetImageWidth(), 4);
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(fromHbitmap.BitmapGetPixel(x, 2) & 0xFFFFFF, CheckerColour(x, 2) & 0xFFFFFF);
    }

    HICON icon = checker.CreateHICONFromBitmap();
    ASSERT_NE(icon, nullptr);
    Bitmap fromIcon;
    ASSERT_TRUE(fromIcon.CreateBitmapFromHICON(icon));
    DestroyIcon(icon);
    ExpectChecker(fromIcon);

    Bitmap empty;
    EXPECT_EQ(empty.CreateHBITMAPFromBitmap(), nullptr);
    EXPECT_NE(LastGdiStatus.load(), 0);
}

TEST(BitmapCreate, FromResourceAndFromGraphics) {
    // The system's close-button bitmap, a resource of user32.
    Bitmap resource;
    ASSERT_TRUE(resource.CreateBitmapFromResource(GetModuleHandleA("user32.dll"), MAKEINTRESOURCEW(32754)));
    EXPECT_GT(resource.GetImageWidth(), 0);
    Bitmap missing;
    EXPECT_FALSE(missing.CreateBitmapFromResource(GetModuleHandleA(nullptr), L"NO_SUCH_BITMAP"));
    EXPECT_EQ(missing.GetHandle(), nullptr);

    Bitmap surface;
    ASSERT_TRUE(surface.CreateBitmap(4, 4));
    class Graphics : public GdiPlusObject {
    protected:
        void OnHandleSet(void*) override {}
    } graphics;
    Gdiplus::GpGraphics* native = nullptr;
    ASSERT_EQ(GDIP(GdipGetImageGraphicsContext)(surface.NativeImage(), &native), Gdiplus::Ok);
    graphics.SetHandle(native);
    Bitmap compatible;
    ASSERT_TRUE(compatible.CreateBitmapFromGraphics(5, 6, graphics));
    EXPECT_EQ(compatible.GetImageWidth(), 5);
    EXPECT_EQ(compatible.GetImageHeight(), 6);
    GDIP(GdipDeleteGraphics)(native);
}

TEST(BitmapPixels, LockBitsReadsAndWritesRows) {
    Bitmap bitmap;
    MakeChecker(bitmap);
    BitmapData data;
    ASSERT_TRUE(bitmap.BitmapLockBits(Rect{1, 1, 2, 2}, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeWrite,
                                      PixelFormat32bppARGB, data));
    EXPECT_EQ(data.width, 2u);
    EXPECT_EQ(data.height, 2u);
    EXPECT_EQ(data.pixelFormat, PixelFormat32bppARGB);
    ASSERT_NE(data.scan0, nullptr);
    auto row = [&](int y) {
        return reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(data.scan0) + y * data.stride);
    };
    EXPECT_EQ(row(0)[0], CheckerColour(1, 1));
    EXPECT_EQ(row(1)[1], CheckerColour(2, 2));
    row(1)[0] = 0xFFABCDEF;
    ASSERT_TRUE(bitmap.BitmapUnlockBits(data));
    EXPECT_EQ(bitmap.BitmapGetPixel(1, 2), 0xFFABCDEFu);
    EXPECT_EQ(bitmap.BitmapGetPixel(0, 0), CheckerColour(0, 0));

    BitmapData outside;
    EXPECT_FALSE(bitmap.BitmapLockBits(Rect{3, 2, 2, 2}, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, outside));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
}

TEST(BitmapPixels, CloneAreaAndResolution) {
    Bitmap bitmap;
    MakeChecker(bitmap);
    Bitmap area;
    ASSERT_TRUE(bitmap.CloneBitmapArea(RectF{2, 1, 2, 2}, PixelFormat32bppARGB, area));
    EXPECT_EQ(area.NativeBitmap(), area.GetHandle());
    ASSERT_EQ(area.GetImageWidth(), 2);
    EXPECT_EQ(area.BitmapGetPixel(0, 0), CheckerColour(2, 1));
    EXPECT_EQ(area.BitmapGetPixel(1, 1), CheckerColour(3, 2));

    Bitmap outside;
    EXPECT_FALSE(bitmap.CloneBitmapArea(RectF{3, 0, 5, 5}, PixelFormat32bppARGB, outside));
    EXPECT_EQ(outside.GetHandle(), nullptr);

    ASSERT_TRUE(bitmap.BitmapSetResolution(150.0f, 75.0f));
    EXPECT_EQ(bitmap.GetImageHorizontalResolution(), 150.0f);
    EXPECT_EQ(bitmap.GetImageVerticalResolution(), 75.0f);
    EXPECT_FALSE(bitmap.BitmapSetResolution(0.0f, 75.0f));
}

}  // namespace
}  // namespace gdiplus
