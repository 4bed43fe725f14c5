// The engine's own pictures, compiled in as PNG bytes.
#pragma once

#include "gdiplus/conversions.h"

namespace skin {

// 17 x 16 rounded border, cut into nine pieces by the frame drawing.
const gdiplus::ByteBlock& FrameTemplatePicture();
// 12 x 12 size grip.
const gdiplus::ByteBlock& SizeGripPicture();
// 561 x 22 caption-button tiles and the 146 x 22 tiles of a lone close button.
const gdiplus::ByteBlock& ButtonSheetPicture();
const gdiplus::ByteBlock& CloseOnlySheetPicture();

}  // namespace skin
