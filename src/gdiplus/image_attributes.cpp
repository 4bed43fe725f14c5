#include "gdiplus/image_attributes.h"

#include <algorithm>
#include <cstdint>

#include "gdiplus/flat_arguments.h"
#include "gdiplus/palette_block.h"

namespace gdiplus {

namespace {

Gdiplus::ColorAdjustType TypeOf(int type) { return static_cast<Gdiplus::ColorAdjustType>(type); }

// Stands in for both matrices when the colour matrix is switched off.
const Gdiplus::ColorMatrix kNoMatrix = {};

}  // namespace

ImageAttributes::~ImageAttributes() { ImageAttributes::DisposeImageAttributes(); }

void ImageAttributes::OnHandleSet(void* handle) {
    attributes_ = static_cast<Gdiplus::GpImageAttributes*>(handle);
}

bool ImageAttributes::DisposeImageAttributes() {
    // Also for a null handle: GDI+ answers that call with an error status.
    bool ok = StoreStatus(GDIP(GdipDisposeImageAttributes)(attributes_));
    SetHandle(nullptr);
    return ok;
}

bool ImageAttributes::CreateImageAttributes() {
    return FinishCreate(GDIP(GdipCreateImageAttributes)(&attributes_), attributes_);
}

bool ImageAttributes::CloneImageAttributes(ImageAttributes& target) const {
    Gdiplus::GpImageAttributes* out = nullptr;
    return Produce(GDIP(GdipCloneImageAttributes)(attributes_, &out), target, out);
}

bool ImageAttributes::SetImageAttributesToIdentity(int type) {
    return StoreStatus(GDIP(GdipSetImageAttributesToIdentity)(attributes_, TypeOf(type)));
}

bool ImageAttributes::ResetImageAttributes(int type) {
    return StoreStatus(GDIP(GdipResetImageAttributes)(attributes_, TypeOf(type)));
}

bool ImageAttributes::SetImageAttributesThreshold(float threshold, int type) {
    return StoreStatus(
        GDIP(GdipSetImageAttributesThreshold)(attributes_, TypeOf(type), TRUE, threshold));
}

bool ImageAttributes::ClearImageAttributesThreshold(int type) {
    return StoreStatus(GDIP(GdipSetImageAttributesThreshold)(attributes_, TypeOf(type), FALSE, 0));
}

bool ImageAttributes::SetImageAttributesNoOp(int type) {
    return StoreStatus(GDIP(GdipSetImageAttributesNoOp)(attributes_, TypeOf(type), TRUE));
}

bool ImageAttributes::ClearImageAttributesNoOp(int type) {
    return StoreStatus(GDIP(GdipSetImageAttributesNoOp)(attributes_, TypeOf(type), FALSE));
}

bool ImageAttributes::SetImageAttributesGamma(float gamma, int type) {
    return StoreStatus(GDIP(GdipSetImageAttributesGamma)(attributes_, TypeOf(type), TRUE, gamma));
}

bool ImageAttributes::ClearImageAttributesGamma(int type) {
    return StoreStatus(GDIP(GdipSetImageAttributesGamma)(attributes_, TypeOf(type), FALSE, 0));
}

bool ImageAttributes::SetImageAttributesColorKeys(Argb colorLow, Argb colorHigh, int type) {
    return StoreStatus(GDIP(GdipSetImageAttributesColorKeys)(attributes_, TypeOf(type), TRUE,
                                                             colorLow, colorHigh));
}

bool ImageAttributes::ClearImageAttributesColorKeys(int type) {
    return StoreStatus(
        GDIP(GdipSetImageAttributesColorKeys)(attributes_, TypeOf(type), FALSE, 0, 0));
}

bool ImageAttributes::SetImageAttributesOutputChannel(int channelFlags, int type) {
    return StoreStatus(GDIP(GdipSetImageAttributesOutputChannel)(
        attributes_, TypeOf(type), TRUE, static_cast<Gdiplus::ColorChannelFlags>(channelFlags)));
}

bool ImageAttributes::ClearImageAttributesOutputChannel(int type) {
    return StoreStatus(GDIP(GdipSetImageAttributesOutputChannel)(
        attributes_, TypeOf(type), FALSE, static_cast<Gdiplus::ColorChannelFlags>(0)));
}

bool ImageAttributes::SetImageAttributesOutputChannelColorProfile(const TextValue& profileName,
                                                                  int type) {
    std::wstring wide = TextToWide(profileName);
    return StoreStatus(GDIP(GdipSetImageAttributesOutputChannelColorProfile)(
        attributes_, TypeOf(type), TRUE, wide.c_str()));
}

bool ImageAttributes::ClearImageAttributesOutputChannelColorProfile(int type) {
    return StoreStatus(GDIP(GdipSetImageAttributesOutputChannelColorProfile)(
        attributes_, TypeOf(type), FALSE, L""));
}

bool ImageAttributes::SetImageAttributesRemapTable(const std::vector<ColorMap>& map, int type) {
    return StoreStatus(GDIP(GdipSetImageAttributesRemapTable)(
        attributes_, TypeOf(type), TRUE, static_cast<UINT>(map.size()), RunOf(map)));
}

bool ImageAttributes::ClearImageAttributesRemapTable(int type) {
    return StoreStatus(
        GDIP(GdipSetImageAttributesRemapTable)(attributes_, TypeOf(type), FALSE, 0, nullptr));
}

bool ImageAttributes::SetImageAttributesWrapMode(int wrap, Argb color) {
    return StoreStatus(GDIP(GdipSetImageAttributesWrapMode)(
        attributes_, static_cast<Gdiplus::WrapMode>(wrap), color, FALSE));
}

bool ImageAttributes::GetImageAttributesAdjustedPalette(ColorPalette& palette, int type) const {
    std::optional<std::vector<std::uint32_t>> native = NativePaletteBlock(palette);
    if (!native) {
        return StoreStatus(Gdiplus::InvalidParameter);
    }
    std::vector<std::uint32_t>& block = *native;
    bool ok = StoreStatus(GDIP(GdipGetImageAttributesAdjustedPalette)(
        attributes_, reinterpret_cast<Gdiplus::ColorPalette*>(block.data()), TypeOf(type)));
    palette.flags = block[0];
    // GDI+ adjusts entries in place and keeps the count; never copy more than the block holds.
    std::uint32_t count = std::min<std::uint32_t>(block[1], palette.count);
    palette.count = count;
    std::copy_n(block.begin() + 2, count, palette.entries.begin());
    return ok;
}

bool ImageAttributes::SetImageAttributesColorMatrix(const ColorMatrix& colorMatrix,
                                                    const ColorMatrix* grayMatrix, int flags,
                                                    int type) {
    return StoreStatus(GDIP(GdipSetImageAttributesColorMatrix)(
        attributes_, TypeOf(type), TRUE, AsGdiplus(&colorMatrix),
        grayMatrix != nullptr ? AsGdiplus(grayMatrix) : nullptr,
        static_cast<Gdiplus::ColorMatrixFlags>(flags)));
}

bool ImageAttributes::ClearImageAttributesColorMatrix(int type) {
    return StoreStatus(GDIP(GdipSetImageAttributesColorMatrix)(
        attributes_, TypeOf(type), FALSE, &kNoMatrix, &kNoMatrix,
        Gdiplus::ColorMatrixFlagsDefault));
}

}  // namespace gdiplus
