// Image encoders: the installed list, lookup by format identifier, and the
// encoder-parameter records callers fill to control a save.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "gdiplus/object.h"

namespace gdiplus {

struct ImageCodecInfo {
    TextValue clsid;
    TextValue formatId;
    TextValue codecName;
    TextValue dllName;
    TextValue formatDescription;
    TextValue filenameExtension;
    TextValue mimeType;
    int flags = 0;
    int version = 0;
    int sigCount = 0;
    int sigSize = 0;
    ByteBlock sigPattern;
    ByteBlock sigMask;
};

struct EncoderParameter {
    TextValue guid;          // the category, e.g. quality, in registry form
    int numberOfValues = 0;
    int type = 0;            // GDI+ EncoderParameterValueType
    ByteBlock value;         // packed as GDI+ expects for the type
};

struct EncoderParameters {
    int count = 0;           // kept equal to parameters.size() by the caller
    std::vector<EncoderParameter> parameters;
};

// Replaces `encoders` by the installed encoders; returns their number, 0 on
// failure (the array is then unchanged).
int GetImageEncoders(std::vector<ImageCodecInfo>& encoders);

// The class identifier of the first encoder whose format identifier equals
// `format` byte for byte (registry form, upper case), or "".
TextValue GetEncoderClsid(const TextValue& format);

// The GDI+ encoder-parameter block: count, then 28 bytes per parameter
// (GUID, number of values, type, address of the first value byte). It points
// into the records' value blocks, which must outlive its use.
ByteBlock BuildEncoderParameterBlock(const EncoderParameters& parameters);

// Size in bytes of one value of an encoder-parameter type; 0 when unknown.
std::size_t EncoderValueSize(int type);

// Reads a block as GDI+ fills it into `parameters`, copying each value by
// the size rule. False when the block is too short for its count.
bool ReadEncoderParameterBlock(const std::uint8_t* block, std::size_t size,
                               EncoderParameters& parameters);

}  // namespace gdiplus
