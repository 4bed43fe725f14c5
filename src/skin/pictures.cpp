#include "skin/pictures.h"

#include <cstddef>

// Generated at build time from the files in assets/.
namespace embedded {
extern const unsigned char kFrameTemplatePng[];
extern const std::size_t kFrameTemplatePngSize;
extern const unsigned char kSizeGripPng[];
extern const std::size_t kSizeGripPngSize;
extern const unsigned char kButtonSheetPng[];
extern const std::size_t kButtonSheetPngSize;
extern const unsigned char kCloseOnlySheetPng[];
extern const std::size_t kCloseOnlySheetPngSize;
}  // namespace embedded

namespace skin {

#define DOTLOCK_PICTURE(function, symbol)                                                          \
    const gdiplus::ByteBlock& function() {                                                         \
        static const gdiplus::ByteBlock bytes(embedded::symbol, embedded::symbol + embedded::symbol##Size); \
        return bytes;                                                                              \
    }

DOTLOCK_PICTURE(FrameTemplatePicture, kFrameTemplatePng)
DOTLOCK_PICTURE(SizeGripPicture, kSizeGripPng)
DOTLOCK_PICTURE(ButtonSheetPicture, kButtonSheetPng)
DOTLOCK_PICTURE(CloseOnlySheetPicture, kCloseOnlySheetPng)

#undef DOTLOCK_PICTURE

}  // namespace skin
