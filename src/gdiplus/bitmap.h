// Bitmap: an Image whose native object is a GDI+ bitmap, with creation in
// memory, pixels, locking and conversion to GDI handles.
#pragma once

#include "gdiplus/image.h"

namespace gdiplus {

class Bitmap : public Image {
public:
    Bitmap() = default;
    ~Bitmap() override;

    Gdiplus::GpBitmap* NativeBitmap() const { return bitmap_; }

    // Disposes the native bitmap, then the stream it was created from.
    bool DisposeImage() override;
    // Loading through the Image interface makes a bitmap.
    bool LoadImageFromFile(const TextValue& fileName, bool useIcm = false) override;
    bool LoadImageFromBytes(const ByteBlock& data, bool useIcm = false) override;

    bool CreateBitmapFromFile(const TextValue& fileName, bool useIcm = false);
    bool CreateBitmapFromBytes(const ByteBlock& data, bool useIcm = false);
    bool CreateBitmapFromScan0(int width, int height, int stride, int pixelFormat, void* scan0 = nullptr);
    // GDI+ allocates the pixels.
    bool CreateBitmap(int width, int height, int pixelFormat = PixelFormat32bppARGB);
    // `graphics` is a Graphics wrapper.
    bool CreateBitmapFromGraphics(int width, int height, const GdiPlusObject& graphics);
    bool CreateBitmapFromGdiDib(const BITMAPINFO* info, void* bits);
    bool CreateBitmapFromHBITMAP(HBITMAP bitmap, HPALETTE palette = nullptr);
    bool CreateBitmapFromHICON(HICON icon);
    // `name` is a UTF-16 resource name or MAKEINTRESOURCEW(id).
    bool CreateBitmapFromResource(HINSTANCE instance, const wchar_t* name);

    // The caller owns the GDI bitmap or icon; null on failure.
    HBITMAP CreateHBITMAPFromBitmap(Argb background = 0) const;
    HICON CreateHICONFromBitmap() const;

    bool CloneBitmapArea(const RectF& area, int pixelFormat, Bitmap& target) const;
    bool BitmapLockBits(const Rect& rect, int flags, int pixelFormat, BitmapData& data);
    bool BitmapUnlockBits(BitmapData& data);
    Argb BitmapGetPixel(int x, int y) const;
    bool BitmapSetPixel(int x, int y, Argb colour);
    bool BitmapSetResolution(float xDpi, float yDpi);

protected:
    void OnSubHandleSet(void* handle) override;

private:
    Gdiplus::GpBitmap* bitmap_ = nullptr;
    MemoryStream bitmapStream_;
};

}  // namespace gdiplus
