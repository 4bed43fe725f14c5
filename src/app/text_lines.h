// Byte-wise text helpers for ANSI (GBK) texts: line splitting and the
// first line of a password file. Free of windows.h so they test by tables.
#ifndef DOTLOCK_APP_TEXT_LINES_H
#define DOTLOCK_APP_TEXT_LINES_H

#include <string>
#include <string_view>
#include <vector>

namespace dotlock {

// GBK lead byte: the byte after it belongs to the same character.
constexpr bool IsLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

// Where the character after the one starting at `i` starts: a lead byte takes
// the byte after it along, whatever that byte is.
constexpr std::size_t NextChar(std::string_view text, std::size_t i) {
    return (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? i + 2 : i + 1;
}

// True when the last character of `text` is the single byte `c` (and not the
// trail byte of a double-byte character).
bool EndsWithChar(std::string_view text, char c);

// Splits at every CR LF. Adjacent separators give an empty piece; a trailing
// separator gives no empty last piece; the empty text gives no pieces.
std::vector<std::string> SplitLines(std::string_view text);

// The first line of a password file's bytes: up to the first LF, NUL or 0x1A
// (or the end), with one trailing CR dropped.
std::string FirstLineOf(std::string_view bytes);

// Where the first line of `bytes` ends, or npos if no terminator is seen yet.
// Lets a reader stop at the first line instead of loading a whole file.
std::size_t FindLineEnd(std::string_view bytes);

}  // namespace dotlock

#endif
