// Any dropped text: the pieces joined with CR LF give the text back (less a
// trailing separator), and no piece holds a CR LF that starts a character.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/text_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto lines = dotlock::SplitLines(text);
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) joined += "\r\n";
        joined += lines[i];
    }
    std::string expected = text;
    if (expected.size() >= 2 && expected.compare(expected.size() - 2, 2, "\r\n") == 0 &&
        !lines.empty() && joined.size() + 2 == expected.size()) {
        expected.resize(expected.size() - 2);
    }
    if (joined != expected) std::abort();
    for (const auto& piece : lines) {
        for (std::size_t i = 0; i < piece.size(); i = dotlock::NextChar(piece, i)) {
            if (piece[i] == '\r' && i + 1 < piece.size() && piece[i + 1] == '\n') std::abort();
        }
    }
    return 0;
}
