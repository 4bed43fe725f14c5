#include "gdiplus/bitmap.h"

namespace gdiplus {

Bitmap::~Bitmap() { Bitmap::DisposeImage(); }

void Bitmap::OnSubHandleSet(void* handle) { bitmap_ = static_cast<Gdiplus::GpBitmap*>(handle); }

bool Bitmap::DisposeImage() {
    if (bitmap_ == nullptr) {
        return false;
    }
    bool ok = ReleaseWith(bitmap_, GDIP(GdipDisposeImage));
    bitmapStream_.Release();
    return ok;
}

bool Bitmap::LoadImageFromFile(const TextValue& fileName, bool useIcm) {
    return CreateBitmapFromFile(fileName, useIcm);
}

bool Bitmap::LoadImageFromBytes(const ByteBlock& data, bool useIcm) {
    return CreateBitmapFromBytes(data, useIcm);
}

bool Bitmap::CreateBitmapFromFile(const TextValue& fileName, bool useIcm) {
    std::wstring wide = TextToWide(fileName);
    GpStatus status = useIcm ? GDIP(GdipCreateBitmapFromFileICM)(wide.c_str(), &bitmap_)
                             : GDIP(GdipCreateBitmapFromFile)(wide.c_str(), &bitmap_);
    return FinishCreate(status, bitmap_);
}

bool Bitmap::CreateBitmapFromBytes(const ByteBlock& data, bool useIcm) {
    IStream* stream = bitmapStream_.Create(data);
    GpStatus status = useIcm ? GDIP(GdipCreateBitmapFromStreamICM)(stream, &bitmap_)
                             : GDIP(GdipCreateBitmapFromStream)(stream, &bitmap_);
    return FinishCreate(status, bitmap_);
}

bool Bitmap::CreateBitmapFromScan0(int width, int height, int stride, int pixelFormat, void* scan0) {
    return FinishCreate(GDIP(GdipCreateBitmapFromScan0)(width, height, stride, pixelFormat,
                                                        static_cast<BYTE*>(scan0), &bitmap_),
                        bitmap_);
}

bool Bitmap::CreateBitmap(int width, int height, int pixelFormat) {
    return CreateBitmapFromScan0(width, height, 0, pixelFormat, nullptr);
}

bool Bitmap::CreateBitmapFromGraphics(int width, int height, const GdiPlusObject& graphics) {
    return FinishCreate(GDIP(GdipCreateBitmapFromGraphics)(
                            width, height, HandleOf<Gdiplus::GpGraphics>(graphics), &bitmap_),
                        bitmap_);
}

bool Bitmap::CreateBitmapFromGdiDib(const BITMAPINFO* info, void* bits) {
    return FinishCreate(GDIP(GdipCreateBitmapFromGdiDib)(info, bits, &bitmap_), bitmap_);
}

bool Bitmap::CreateBitmapFromHBITMAP(HBITMAP bitmap, HPALETTE palette) {
    return FinishCreate(GDIP(GdipCreateBitmapFromHBITMAP)(bitmap, palette, &bitmap_), bitmap_);
}

bool Bitmap::CreateBitmapFromHICON(HICON icon) {
    return FinishCreate(GDIP(GdipCreateBitmapFromHICON)(icon, &bitmap_), bitmap_);
}

bool Bitmap::CreateBitmapFromResource(HINSTANCE instance, const wchar_t* name) {
    return FinishCreate(GDIP(GdipCreateBitmapFromResource)(instance, name, &bitmap_), bitmap_);
}

HBITMAP Bitmap::CreateHBITMAPFromBitmap(Argb background) const {
    HBITMAP out = nullptr;
    StoreStatus(GDIP(GdipCreateHBITMAPFromBitmap)(bitmap_, &out, background));
    return out;
}

HICON Bitmap::CreateHICONFromBitmap() const {
    HICON out = nullptr;
    StoreStatus(GDIP(GdipCreateHICONFromBitmap)(bitmap_, &out));
    return out;
}

bool Bitmap::CloneBitmapArea(const RectF& area, int pixelFormat, Bitmap& target) const {
    Gdiplus::GpBitmap* out = nullptr;
    return Produce(GDIP(GdipCloneBitmapArea)(area.x, area.y, area.width, area.height, pixelFormat,
                                             bitmap_, &out),
                   target, out);
}

bool Bitmap::BitmapLockBits(const Rect& rect, int flags, int pixelFormat, BitmapData& data) {
    return StoreStatus(GDIP(GdipBitmapLockBits)(bitmap_, AsGdiplus(&rect), static_cast<UINT>(flags),
                                                pixelFormat, AsGdiplus(&data)));
}

bool Bitmap::BitmapUnlockBits(BitmapData& data) {
    return StoreStatus(GDIP(GdipBitmapUnlockBits)(bitmap_, AsGdiplus(&data)));
}

Argb Bitmap::BitmapGetPixel(int x, int y) const {
    Gdiplus::ARGB colour = 0;
    StoreStatus(GDIP(GdipBitmapGetPixel)(bitmap_, x, y, &colour));
    return colour;
}

bool Bitmap::BitmapSetPixel(int x, int y, Argb colour) {
    return StoreStatus(GDIP(GdipBitmapSetPixel)(bitmap_, x, y, colour));
}

bool Bitmap::BitmapSetResolution(float xDpi, float yDpi) {
    return StoreStatus(GDIP(GdipBitmapSetResolution)(bitmap_, xDpi, yDpi));
}

}  // namespace gdiplus
