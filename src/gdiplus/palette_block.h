// A palette as GDI+ lays it out: flags, count, then the entries, one block.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "gdiplus/image.h"

namespace gdiplus {

// Nothing when the palette claims more entries than it holds: GDI+ would
// read (and possibly write) entries the record does not have.
inline std::optional<std::vector<std::uint32_t>> NativePaletteBlock(const ColorPalette& palette) {
    if (palette.entries.size() < palette.count) {
        return std::nullopt;
    }
    std::vector<std::uint32_t> block(2 + palette.count);
    block[0] = palette.flags;
    block[1] = palette.count;
    std::copy_n(palette.entries.begin(), palette.count, block.begin() + 2);
    return block;
}

}  // namespace gdiplus
