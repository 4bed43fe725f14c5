// The glyph picture is assembled into the program from assets/glyphs.bmp; the
// build gives the assembler that folder as an include directory.
#include <cstdint>
#include <span>

#include "auxiliary/drawing_surface.h"

#define AUXILIARY_STRINGIFY2(x) #x
#define AUXILIARY_STRINGIFY(x) AUXILIARY_STRINGIFY2(x)
#define AUXILIARY_SYMBOL(name) AUXILIARY_STRINGIFY(__USER_LABEL_PREFIX__) #name

asm(".section .rdata,\"dr\"\n"
    ".balign 4\n"
    ".globl " AUXILIARY_SYMBOL(auxiliary_glyph_picture_begin) "\n"
    ".globl " AUXILIARY_SYMBOL(auxiliary_glyph_picture_end) "\n"
    AUXILIARY_SYMBOL(auxiliary_glyph_picture_begin) ":\n"
    ".incbin \"glyphs.bmp\"\n"
    AUXILIARY_SYMBOL(auxiliary_glyph_picture_end) ":\n"
    ".text\n");  // back where the compiler expects to be

extern "C" const std::uint8_t auxiliary_glyph_picture_begin[];
extern "C" const std::uint8_t auxiliary_glyph_picture_end[];

namespace auxiliary {

std::span<const std::uint8_t> GlyphPicture() {
    return {auxiliary_glyph_picture_begin, auxiliary_glyph_picture_end};
}

}  // namespace auxiliary
