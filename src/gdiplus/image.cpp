#include "gdiplus/image.h"

#include <algorithm>
#include <cstring>

#include "gdiplus/palette_block.h"

namespace gdiplus {

Image::~Image() { Image::DisposeImage(); }

void Image::OnHandleSet(void* handle) {
    image_ = static_cast<Gdiplus::GpImage*>(handle);
    OnSubHandleSet(handle);
}

void Image::OnSubHandleSet(void*) {}

bool Image::DisposeImage() {
    if (image_ == nullptr) {
        return false;
    }
    bool ok = ReleaseWith(image_, GDIP(GdipDisposeImage));
    // GDI+ may read the stream until the image is gone.
    stream_.Release();
    return ok;
}

bool Image::LoadImageFromFile(const TextValue& fileName, bool useIcm) {
    std::wstring wide = TextToWide(fileName);
    GpStatus status = useIcm ? GDIP(GdipLoadImageFromFileICM)(wide.c_str(), &image_)
                             : GDIP(GdipLoadImageFromFile)(wide.c_str(), &image_);
    return FinishCreate(status, image_);
}

bool Image::LoadImageFromBytes(const ByteBlock& data, bool useIcm) {
    IStream* stream = stream_.Create(data);
    GpStatus status = useIcm ? GDIP(GdipLoadImageFromStreamICM)(stream, &image_)
                             : GDIP(GdipLoadImageFromStream)(stream, &image_);
    return FinishCreate(status, image_);
}

bool Image::CloneImage(Image& target) const {
    Gdiplus::GpImage* out = nullptr;
    return Produce(GDIP(GdipCloneImage)(image_, &out), target, out);
}

TextValue Image::GetImageRawFormat() const {
    GUID format = {};
    StoreStatus(GDIP(GdipGetImageRawFormat)(image_, &format));
    return GuidToText(format);
}

RectF Image::GetImageBounds(int* unit) const {
    RectF bounds;
    Gdiplus::Unit written = Gdiplus::UnitWorld;
    StoreStatus(GDIP(GdipGetImageBounds)(image_, AsGdiplus(&bounds), &written));
    if (unit != nullptr) {
        *unit = static_cast<int>(written);
    }
    return bounds;
}

SizeF Image::GetImageDimension() const {
    SizeF size;
    StoreStatus(GDIP(GdipGetImageDimension)(image_, &size.width, &size.height));
    return size;
}

int Image::GetImageType() const {
    Gdiplus::ImageType type = Gdiplus::ImageTypeUnknown;
    StoreStatus(GDIP(GdipGetImageType)(image_, &type));
    return static_cast<int>(type);
}

int Image::GetImageWidth() const {
    UINT width = 0;
    StoreStatus(GDIP(GdipGetImageWidth)(image_, &width));
    return static_cast<int>(width);
}

int Image::GetImageHeight() const {
    UINT height = 0;
    StoreStatus(GDIP(GdipGetImageHeight)(image_, &height));
    return static_cast<int>(height);
}

float Image::GetImageHorizontalResolution() const {
    Gdiplus::REAL dpi = 0;
    StoreStatus(GDIP(GdipGetImageHorizontalResolution)(image_, &dpi));
    return dpi;
}

float Image::GetImageVerticalResolution() const {
    Gdiplus::REAL dpi = 0;
    StoreStatus(GDIP(GdipGetImageVerticalResolution)(image_, &dpi));
    return dpi;
}

int Image::GetImageFlags() const {
    UINT flags = 0;
    StoreStatus(GDIP(GdipGetImageFlags)(image_, &flags));
    return static_cast<int>(flags);
}

int Image::GetImagePixelFormat() const {
    Gdiplus::PixelFormat format = 0;
    StoreStatus(GDIP(GdipGetImagePixelFormat)(image_, &format));
    return static_cast<int>(format);
}

bool Image::GetImageThumbnail(int width, int height, Image& target) const {
    Gdiplus::GpImage* out = nullptr;
    return Produce(GDIP(GdipGetImageThumbnail)(image_, static_cast<UINT>(width),
                                               static_cast<UINT>(height), &out, nullptr, nullptr),
                   target, out);
}

int Image::ImageGetFrameCount(const TextValue& dimension) const {
    GUID guid = TextToGuid(dimension);
    UINT count = 0;
    StoreStatus(GDIP(GdipImageGetFrameCount)(image_, &guid, &count));
    return static_cast<int>(count);
}

bool Image::ImageGetFrameDimensionsList(std::vector<TextValue>& dimensions) const {
    UINT count = 0;
    if (!StoreStatus(GDIP(GdipImageGetFrameDimensionsCount)(image_, &count))) {
        return false;
    }
    std::vector<GUID> guids(count, GUID{});
    dimensions.assign(count, TextValue());
    bool ok = StoreStatus(GDIP(GdipImageGetFrameDimensionsList)(image_, guids.data(), count));
    for (UINT i = 0; i < count; ++i) {
        dimensions[i] = GuidToText(guids[i]);
    }
    return ok;
}

bool Image::ImageSelectActiveFrame(const TextValue& dimension, int index) {
    GUID guid = TextToGuid(dimension);
    return StoreStatus(GDIP(GdipImageSelectActiveFrame)(image_, &guid, static_cast<UINT>(index)));
}

bool Image::GetFrameDelays(std::vector<int>& delays) const {
    PropertyItem item;
    if (!GetPropertyItem(kFrameDelayTag, item)) {
        return false;
    }
    std::size_t n = std::min<std::size_t>(item.length, item.value.size()) / 4;
    delays.assign(n, 0);
    std::memcpy(delays.data(), item.value.data(), n * 4);
    return true;
}

bool Image::GetPropertyItem(int id, PropertyItem& item) const {
    UINT size = 0;
    if (!StoreStatus(GDIP(GdipGetPropertyItemSize)(image_, static_cast<PROPID>(id), &size))) {
        return false;
    }
    // Room for at least the header, so a short answer cannot be overread.
    constexpr std::size_t kHeader = sizeof(Gdiplus::PropertyItem);
    static_assert(kHeader == 16);
    ByteBlock buffer(std::max<std::size_t>(size, kHeader));
    bool ok = StoreStatus(GDIP(GdipGetPropertyItem)(
        image_, static_cast<PROPID>(id), size, reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data())));
    std::memcpy(&item.id, buffer.data(), 4);
    std::memcpy(&item.length, buffer.data() + 4, 4);
    std::memcpy(&item.type, buffer.data() + 8, 4);
    // GDI+ puts the value right after the header.
    std::size_t length = std::min<std::size_t>(item.length, buffer.size() - kHeader);
    item.value.assign(buffer.begin() + kHeader, buffer.begin() + kHeader + length);
    return ok;
}

bool Image::SetPropertyItem(const PropertyItem& item) {
    if (item.length > item.value.size()) {
        // GDI+ would read past the end of the value.
        return StoreStatus(Gdiplus::InvalidParameter);
    }
    Gdiplus::PropertyItem record;
    record.id = static_cast<PROPID>(item.id);
    record.length = item.length;
    record.type = static_cast<WORD>(item.type);
    record.value = item.value.empty() ? nullptr : const_cast<std::uint8_t*>(item.value.data());
    return StoreStatus(GDIP(GdipSetPropertyItem)(image_, &record));
}

bool Image::RemovePropertyItem(int id) {
    return StoreStatus(GDIP(GdipRemovePropertyItem)(image_, static_cast<PROPID>(id)));
}

int Image::GetPropertyIdList(std::vector<int>& ids) const {
    UINT count = 0;
    if (!StoreStatus(GDIP(GdipGetPropertyCount)(image_, &count))) {
        return 0;
    }
    std::vector<PROPID> raw(count, 0);
    StoreStatus(GDIP(GdipGetPropertyIdList)(image_, count, raw.data()));
    ids.assign(raw.begin(), raw.end());
    return static_cast<int>(count);
}

bool Image::ImageRotateFlip(int rotateFlipType) {
    return StoreStatus(
        GDIP(GdipImageRotateFlip)(image_, static_cast<Gdiplus::RotateFlipType>(rotateFlipType)));
}

bool Image::GetImagePalette(ColorPalette& palette) const {
    INT size = 0;
    if (!StoreStatus(GDIP(GdipGetImagePaletteSize)(image_, &size))) {
        return false;
    }
    std::vector<std::uint32_t> buffer((std::max(size, 8) + 3) / 4, 0);
    if (!StoreStatus(GDIP(GdipGetImagePalette)(
            image_, reinterpret_cast<Gdiplus::ColorPalette*>(buffer.data()), size))) {
        return false;
    }
    palette.flags = buffer[0];
    palette.count = buffer[1];
    // GDI+ reports 8 + 4 * count bytes; never read beyond what it gave.
    std::size_t entries = std::min<std::size_t>(palette.count, buffer.size() - 2);
    palette.entries.assign(palette.count, 0);
    std::copy_n(buffer.begin() + 2, entries, palette.entries.begin());
    return true;
}

bool Image::SetImagePalette(const ColorPalette& palette) {
    std::optional<std::vector<std::uint32_t>> block = NativePaletteBlock(palette);
    if (!block) {
        return StoreStatus(Gdiplus::InvalidParameter);
    }
    return StoreStatus(GDIP(GdipSetImagePalette)(
        image_, reinterpret_cast<const Gdiplus::ColorPalette*>(block->data())));
}

}  // namespace gdiplus
