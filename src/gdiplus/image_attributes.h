// ImageAttributes: colour adjustments applied when an image is drawn.
// A never-created wrapper (null handle) means "no attributes" to GDI+.
// `type` arguments are colour adjustment types (0 default, 1 bitmap, 2 brush,
// 3 pen, 4 text).
#pragma once

#include <vector>

#include "gdiplus/image.h"
#include "gdiplus/object.h"
#include "gdiplus/records.h"

namespace gdiplus {

class ImageAttributes : public GdiPlusObject {
public:
    ImageAttributes() = default;
    ~ImageAttributes() override;

    Gdiplus::GpImageAttributes* NativeImageAttributes() const { return attributes_; }

    // Unlike other release methods, calls GDI+ even for a null handle.
    bool DisposeImageAttributes();
    bool CreateImageAttributes();
    bool CloneImageAttributes(ImageAttributes& target) const;

    bool SetImageAttributesToIdentity(int type);
    bool ResetImageAttributes(int type = 0);
    bool SetImageAttributesThreshold(float threshold, int type = 0);
    bool ClearImageAttributesThreshold(int type = 0);
    bool SetImageAttributesNoOp(int type = 0);
    bool ClearImageAttributesNoOp(int type = 0);
    bool SetImageAttributesGamma(float gamma, int type = 0);
    bool ClearImageAttributesGamma(int type = 0);
    bool SetImageAttributesColorKeys(Argb colorLow, Argb colorHigh, int type = 0);
    bool ClearImageAttributesColorKeys(int type = 0);
    bool SetImageAttributesOutputChannel(int channelFlags, int type = 0);
    bool ClearImageAttributesOutputChannel(int type = 0);
    bool SetImageAttributesOutputChannelColorProfile(const TextValue& profileName, int type = 0);
    bool ClearImageAttributesOutputChannelColorProfile(int type = 0);
    bool SetImageAttributesRemapTable(const std::vector<ColorMap>& map, int type = 0);
    bool ClearImageAttributesRemapTable(int type = 0);
    // Clamping is always off.
    bool SetImageAttributesWrapMode(int wrap, Argb color = 0);
    // Adjusts the palette's entries in place.
    bool GetImageAttributesAdjustedPalette(ColorPalette& palette, int type = 0) const;
    bool SetImageAttributesColorMatrix(const ColorMatrix& colorMatrix,
                                       const ColorMatrix* grayMatrix = nullptr, int flags = 0,
                                       int type = 0);
    bool ClearImageAttributesColorMatrix(int type = 0);

protected:
    void OnHandleSet(void* handle) override;

private:
    Gdiplus::GpImageAttributes* attributes_ = nullptr;
};

}  // namespace gdiplus
