// Image: a GDI+ image loaded from a file or from bytes, with its queries,
// frames, properties, palette and saving.
#pragma once

#include <cstdint>
#include <vector>

#include "gdiplus/encoders.h"
#include "gdiplus/memory_stream.h"
#include "gdiplus/object.h"
#include "gdiplus/records.h"

namespace gdiplus {

struct PropertyItem {
    std::int32_t id = 0;
    std::uint32_t length = 0;   // bytes of the value
    std::int32_t type = 0;      // GDI+ uses the low 16 bits
    ByteBlock value;
};

struct ColorPalette {
    std::uint32_t flags = 0;
    std::uint32_t count = 0;
    std::vector<Argb> entries;
};

inline constexpr int kFrameDelayTag = 0x5100;

class Image : public GdiPlusObject {
public:
    Image() = default;
    ~Image() override;

    Gdiplus::GpImage* NativeImage() const { return image_; }

    // Disposes the native image, then the stream it was loaded from.
    virtual bool DisposeImage();
    // A Bitmap loads these as bitmaps (into its own stream).
    virtual bool LoadImageFromFile(const TextValue& fileName, bool useIcm = false);
    virtual bool LoadImageFromBytes(const ByteBlock& data, bool useIcm = false);
    bool CloneImage(Image& target) const;

    // Saving: an omitted format is the image's own raw format; the encoder is
    // the one registered for exactly that format identifier.
    bool SaveImageToFile(const TextValue& fileName, const TextValue& format = TextValue(),
                         const EncoderParameters* parameters = nullptr) const;
    // All bytes the encoder wrote, also after a failure (LastGdiStatus tells).
    ByteBlock SaveImageToBytes(const TextValue& format = TextValue(),
                               const EncoderParameters* parameters = nullptr) const;
    bool SaveAdd(const EncoderParameters& parameters) const;
    bool SaveAddImage(const Image& image, const EncoderParameters& parameters) const;
    bool GetEncoderParameterList(const TextValue& format, EncoderParameters& parameters) const;

    // Format identifier in registry form (all zeros on failure).
    TextValue GetImageRawFormat() const;
    RectF GetImageBounds(int* unit = nullptr) const;
    SizeF GetImageDimension() const;
    int GetImageType() const;
    int GetImageWidth() const;
    int GetImageHeight() const;
    float GetImageHorizontalResolution() const;
    float GetImageVerticalResolution() const;
    int GetImageFlags() const;
    int GetImagePixelFormat() const;
    bool GetImageThumbnail(int width, int height, Image& target) const;

    int ImageGetFrameCount(const TextValue& dimension) const;
    bool ImageGetFrameDimensionsList(std::vector<TextValue>& dimensions) const;
    bool ImageSelectActiveFrame(const TextValue& dimension, int index);
    // One delay per frame, in hundredths of a second.
    bool GetFrameDelays(std::vector<int>& delays) const;

    bool GetPropertyItem(int id, PropertyItem& item) const;
    bool SetPropertyItem(const PropertyItem& item);
    bool RemovePropertyItem(int id);
    // Returns the number of properties.
    int GetPropertyIdList(std::vector<int>& ids) const;

    bool ImageRotateFlip(int rotateFlipType);
    bool GetImagePalette(ColorPalette& palette) const;
    bool SetImagePalette(const ColorPalette& palette);

protected:
    void OnHandleSet(void* handle) final;
    // For the class below Image to keep its own typed copy.
    virtual void OnSubHandleSet(void* handle);

private:
    Gdiplus::GpImage* image_ = nullptr;
    MemoryStream stream_;
};

}  // namespace gdiplus
