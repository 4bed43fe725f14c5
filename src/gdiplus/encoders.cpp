#include "gdiplus/encoders.h"

#include <cstring>

namespace gdiplus {
namespace {

static_assert(sizeof(Gdiplus::ImageCodecInfo) == 76);
static_assert(sizeof(Gdiplus::EncoderParameter) == 28);

constexpr std::size_t kParameterSize = 28;

ByteBlock CopyBytes(const BYTE* from, std::size_t size) {
    return from != nullptr ? ByteBlock(from, from + size) : ByteBlock();
}

template <typename T>
T ReadAt(const std::uint8_t* block, std::size_t offset) {
    T value;
    std::memcpy(&value, block + offset, sizeof(T));
    return value;
}

}  // namespace

int GetImageEncoders(std::vector<ImageCodecInfo>& encoders) {
    UINT count = 0, size = 0;
    if (!StoreStatus(GDIP(GdipGetImageEncodersSize)(&count, &size))) {
        return 0;
    }
    ByteBlock buffer(size);
    if (!StoreStatus(GDIP(GdipGetImageEncoders)(count, size,
                                                reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data())))) {
        return 0;
    }
    encoders.assign(count, ImageCodecInfo());
    for (UINT i = 0; i < count && (i + 1) * sizeof(Gdiplus::ImageCodecInfo) <= size; ++i) {
        Gdiplus::ImageCodecInfo raw;
        std::memcpy(&raw, buffer.data() + i * sizeof(raw), sizeof(raw));
        ImageCodecInfo& entry = encoders[i];
        entry.clsid = GuidToText(raw.Clsid);
        entry.formatId = GuidToText(raw.FormatID);
        entry.codecName = WideToText(raw.CodecName);
        entry.dllName = WideToText(raw.DllName);
        entry.formatDescription = WideToText(raw.FormatDescription);
        entry.filenameExtension = WideToText(raw.FilenameExtension);
        entry.mimeType = WideToText(raw.MimeType);
        entry.flags = static_cast<int>(raw.Flags);
        entry.version = static_cast<int>(raw.Version);
        entry.sigCount = static_cast<int>(raw.SigCount);
        entry.sigSize = static_cast<int>(raw.SigSize);
        std::size_t sigBytes = std::size_t{raw.SigCount} * raw.SigSize;
        entry.sigPattern = CopyBytes(raw.SigPattern, sigBytes);
        entry.sigMask = CopyBytes(raw.SigMask, sigBytes);
    }
    return static_cast<int>(count);
}

TextValue GetEncoderClsid(const TextValue& format) {
    std::vector<ImageCodecInfo> encoders;
    GetImageEncoders(encoders);
    for (const ImageCodecInfo& entry : encoders) {
        if (entry.formatId == format) {
            return entry.clsid;
        }
    }
    return TextValue();
}

ByteBlock BuildEncoderParameterBlock(const EncoderParameters& parameters) {
    // Every element goes in, whatever `count` says; the caller keeps them equal.
    ByteBlock block(4 + kParameterSize * parameters.parameters.size());
    std::uint32_t count = static_cast<std::uint32_t>(parameters.count);
    std::memcpy(block.data(), &count, 4);
    std::size_t offset = 4;
    for (const EncoderParameter& p : parameters.parameters) {
        Gdiplus::EncoderParameter raw;
        raw.Guid = TextToGuid(p.guid);
        raw.NumberOfValues = static_cast<ULONG>(p.numberOfValues);
        raw.Type = static_cast<ULONG>(p.type);
        raw.Value = p.value.empty() ? nullptr : const_cast<std::uint8_t*>(p.value.data());
        std::memcpy(block.data() + offset, &raw, kParameterSize);
        offset += kParameterSize;
    }
    return block;
}

std::size_t EncoderValueSize(int type) {
    switch (type) {
        case 1: case 2: case 7: return 1;  // byte, ASCII, undefined
        case 3: return 2;                  // short
        case 4: return 4;                  // long
        case 5: case 6: return 8;          // rational, long range
        case 8: return 16;                 // rational range
        default: return 0;
    }
}

bool ReadEncoderParameterBlock(const std::uint8_t* block, std::size_t size,
                               EncoderParameters& parameters) {
    if (block == nullptr || size < 4) {
        return false;
    }
    std::uint32_t count = ReadAt<std::uint32_t>(block, 0);
    if (count > (size - 4) / kParameterSize) {
        return false;
    }
    parameters.count = static_cast<int>(count);
    parameters.parameters.assign(count, EncoderParameter());
    for (std::uint32_t i = 0; i < count; ++i) {
        std::size_t base = 4 + kParameterSize * i;
        EncoderParameter& p = parameters.parameters[i];
        p.guid = GuidToText(ReadAt<GUID>(block, base));
        p.numberOfValues = static_cast<int>(ReadAt<std::uint32_t>(block, base + 16));
        p.type = static_cast<int>(ReadAt<std::uint32_t>(block, base + 20));
        auto* value = ReadAt<const std::uint8_t*>(block, base + 24);
        std::size_t bytes = std::size_t{static_cast<std::uint32_t>(p.numberOfValues)} * EncoderValueSize(p.type);
        if (value != nullptr && bytes > 0) {
            p.value.assign(value, value + bytes);
        }
    }
    return true;
}

}  // namespace gdiplus
