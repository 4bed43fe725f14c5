// Colour arithmetic of the theme. A colour is 0x00BBGGRR (red in the low
// byte, as GDI has it); an ARGB value is 0xAARRGGBB (as GDI+ has it).
// Pure values in, values out, so they stay free of the platform headers.
#pragma once

#include <cstdint>

namespace skin {

using Colour = std::uint32_t;
using ArgbValue = std::uint32_t;

struct Rgb {
    int red = 0, green = 0, blue = 0;
    bool operator==(const Rgb&) const = default;
};

struct ColourAndAlpha {
    Colour colour = 0;
    int alpha = 0;
    bool operator==(const ColourAndAlpha&) const = default;
};

inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kBlack = 0x000000;

constexpr Rgb SplitRgb(Colour colour) {
    return {static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
            static_cast<int>((colour >> 16) & 0xFF)};
}

// Channel by channel halfway, each half truncated.
constexpr Colour MixColours(Colour a, Colour b) {
    Rgb x = SplitRgb(a), y = SplitRgb(b);
    return static_cast<Colour>((x.red + y.red) / 2 + (x.green + y.green) / 2 * 256 +
                               (x.blue + y.blue) / 2 * 65536);
}

// Halfway to white `count` times.
constexpr Colour Lighten(Colour colour, int count = 2) {
    for (int i = 0; i < count; ++i) {
        colour = MixColours(colour, kWhite);
    }
    return colour;
}

constexpr ArgbValue ToArgb(Colour colour, int alpha = 255) {
    Rgb c = SplitRgb(colour);
    return (static_cast<ArgbValue>(alpha & 0xFF) << 24) | (static_cast<ArgbValue>(c.red) << 16) |
           (static_cast<ArgbValue>(c.green) << 8) | static_cast<ArgbValue>(c.blue);
}

constexpr ColourAndAlpha FromArgb(ArgbValue argb) {
    Colour colour = ((argb >> 16) & 0xFF) | (argb & 0xFF00) | ((argb & 0xFF) << 16);
    return {colour, static_cast<int>(argb >> 24)};
}

// Black on light colours, white on dark ones; the threshold is half of 765.
constexpr Colour ContrastColour(Colour colour) {
    Rgb c = SplitRgb(colour);
    return (c.red + c.green + c.blue) * 2 > 765 ? kBlack : kWhite;
}

constexpr Colour InvertColour(Colour colour) {
    Rgb c = SplitRgb(colour);
    return static_cast<Colour>((255 - c.red) + (255 - c.green) * 256 + (255 - c.blue) * 65536);
}

// The text colour a base colour gets, and the glow that sets the text off.
struct TextColours {
    Colour text = 0, glow = 0;
};
constexpr TextColours TextColoursFor(Colour base) {
    const Colour text = ContrastColour(base);
    return {text, InvertColour(text)};
}

}  // namespace skin
