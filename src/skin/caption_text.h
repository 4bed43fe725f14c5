// Text in the theme font: measuring it, and drawing it with a soft glow of
// a contrasting colour so that it reads on any background picture.
#pragma once

#include <climits>

#include "gdiplus/bitmap.h"
#include "skin/skin_engine.h"
#include "skin/theme.h"

namespace skin {

struct TextOptions {
    int size = 12;  // below 10 counts as 12
    bool bold = false;
    bool lineLimit = false;  // wrap, whole lines only; otherwise one line, no wrapping
    bool vertical = false;
    bool rightToLeft = false;
    int alignment = 0;      // GDI+ string alignment: 0 near, 1 centre, 2 far
    int lineAlignment = 0;
};

// The bounding box of the text laid out without limits, each value truncated.
AreaRecord MeasureText(const TextValue& text, const TextOptions& options = {});

// Text at alpha 230 over a blurred outline of the glow colour at alpha 150,
// drawn into `target` at (rect.x, rect.y). With clipTop nothing lands in the
// target's top 30 rows.
void DrawGlowText(gdiplus::Bitmap& target, const AreaRecord& rect, const TextValue& text, Colour textColour,
                  Colour glowColour, const TextOptions& options = {}, bool clipTop = false);

// Shrinks the image to 1 / (factor x 1.5) and stretches it back, in place.
void SoftBlur(gdiplus::Bitmap& image, int factor);

// Where the caption bar puts a title whose measured box is `box`. A title
// that would reach past `rightLimit` (the caption buttons) is cut short there.
AreaRecord TitleRect(const AreaRecord& box, bool hasIcon, int rightLimit = INT_MAX);

// `title`, shortened by whole characters and ended with "..." until its
// title rectangle fits left of `rightLimit`; unchanged when it fits already.
// The box is the text's measured box, so it need not be measured again.
struct FittedTitle {
    TextValue text;
    AreaRecord box;
};
FittedTitle FitTitle(const TextValue& title, const TextOptions& options, bool hasIcon, int rightLimit);

}  // namespace skin
