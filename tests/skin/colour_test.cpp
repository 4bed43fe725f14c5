#include "skin/colour.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace skin {
namespace {

struct ColourCase {
    const char* what;
    std::uint32_t got;
    std::uint32_t want;
};

TEST(ColourHelpers, Table) {
    const ColourCase cases[] = {
        {"contrast of 0xC06000 (sum 288) is white", ContrastColour(0xC06000), 0xFFFFFF},
        {"contrast of 0x808080 (sum 384) is black", ContrastColour(0x808080), 0x000000},
        {"contrast of 0x7F7F7F (sum 381) is white", ContrastColour(0x7F7F7F), 0xFFFFFF},
        {"halves truncate", MixColours(0x000001, 0x000000), 0},
        {"mix per channel", MixColours(0x102030, 0x302010), 0x202020},
        {"lighten twice by default", Lighten(0xC06000), 0xEFD7BF},
        {"lighten once", Lighten(0xC06000, 1), 0xDFAF7F},
        {"lighten zero times", Lighten(0xC06000, 0), 0xC06000},
        {"argb swaps red and blue", ToArgb(0xC06000, 20), 0x140060C0},
        {"argb alpha defaults to opaque", ToArgb(0x332211), 0xFF112233},
        {"from argb colour", FromArgb(0x80112233).colour, 0x332211},
        {"from argb alpha", static_cast<std::uint32_t>(FromArgb(0x80112233).alpha), 0x80},
        {"invert", InvertColour(0x00FF10), 0xFF00EF},
        {"invert white text gives black glow", InvertColour(0xFFFFFF), 0},
    };
    for (const ColourCase& c : cases) {
        EXPECT_EQ(c.got, c.want) << c.what;
    }
    EXPECT_EQ(SplitRgb(0xC06000), (Rgb{0x00, 0x60, 0xC0}));
}

}  // namespace
}  // namespace skin
