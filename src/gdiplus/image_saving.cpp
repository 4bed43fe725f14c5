// Saving an image through the encoder registered for a format.
#include "gdiplus/image.h"

namespace gdiplus {
namespace {

// The encoder for `format`, or the all-zero identifier, with which GDI+
// reports its own failure.
CLSID EncoderFor(const TextValue& format) { return TextToGuid(GetEncoderClsid(format)); }

// The GDI+ block for optional parameters; null when there are none.
const Gdiplus::EncoderParameters* BlockOf(const ByteBlock& block) {
    return block.empty() ? nullptr : reinterpret_cast<const Gdiplus::EncoderParameters*>(block.data());
}

// The GDI+ block for `parameters` (empty for none); false when GDI+ would
// read past what was given: a count beyond the elements, or a value shorter
// than its number of values of its type.
bool BlockFor(const EncoderParameters* parameters, ByteBlock& block) {
    block.clear();
    if (parameters == nullptr) return true;
    if (parameters->count < 0 || static_cast<std::size_t>(parameters->count) > parameters->parameters.size()) {
        return false;
    }
    for (const EncoderParameter& p : parameters->parameters) {
        if (p.numberOfValues < 0 || p.value.size() < std::size_t(p.numberOfValues) * EncoderValueSize(p.type)) {
            return false;
        }
    }
    block = BuildEncoderParameterBlock(*parameters);
    return true;
}

}  // namespace

bool Image::SaveImageToFile(const TextValue& fileName, const TextValue& format,
                            const EncoderParameters* parameters) const {
    ByteBlock block;
    if (!BlockFor(parameters, block)) return StoreStatus(Gdiplus::InvalidParameter);
    CLSID clsid = EncoderFor(format.empty() ? GetImageRawFormat() : format);
    std::wstring wide = TextToWide(fileName);
    return StoreStatus(GDIP(GdipSaveImageToFile)(image_, wide.c_str(), &clsid, BlockOf(block)));
}

ByteBlock Image::SaveImageToBytes(const TextValue& format, const EncoderParameters* parameters) const {
    ByteBlock block;
    if (!BlockFor(parameters, block)) {
        StoreStatus(Gdiplus::InvalidParameter);
        return ByteBlock();
    }
    MemoryStream memory;
    CLSID clsid = EncoderFor(format.empty() ? GetImageRawFormat() : format);
    IStream* stream = memory.Create(ByteBlock());  // grows as the encoder writes
    StoreStatus(GDIP(GdipSaveImageToStream)(image_, stream, &clsid, BlockOf(block)));
    return memory.GetBytes();
}

bool Image::SaveAdd(const EncoderParameters& parameters) const {
    ByteBlock block;
    if (!BlockFor(&parameters, block)) return StoreStatus(Gdiplus::InvalidParameter);
    return StoreStatus(GDIP(GdipSaveAdd)(image_, BlockOf(block)));
}

bool Image::SaveAddImage(const Image& image, const EncoderParameters& parameters) const {
    ByteBlock block;
    if (!BlockFor(&parameters, block)) return StoreStatus(Gdiplus::InvalidParameter);
    return StoreStatus(GDIP(GdipSaveAddImage)(image_, image.image_, BlockOf(block)));
}

bool Image::GetEncoderParameterList(const TextValue& format, EncoderParameters& parameters) const {
    CLSID clsid = EncoderFor(format);
    UINT size = 0;
    if (!StoreStatus(GDIP(GdipGetEncoderParameterListSize)(image_, &clsid, &size))) {
        return false;
    }
    std::vector<std::uint32_t> buffer((size + 3) / 4 + 1, 0);
    if (!StoreStatus(GDIP(GdipGetEncoderParameterList)(
            image_, &clsid, size, reinterpret_cast<Gdiplus::EncoderParameters*>(buffer.data())))) {
        return false;
    }
    return ReadEncoderParameterBlock(reinterpret_cast<const std::uint8_t*>(buffer.data()), size,
                                     parameters);
}

}  // namespace gdiplus
