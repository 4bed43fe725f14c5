#include "app/text_lines.h"

namespace dotlock {

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            i += 2;
            start = i;
        } else {
            i = NextChar(text, i);
        }
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

bool EndsWithChar(std::string_view text, char c) {
    if (text.empty()) return false;
    std::size_t last = 0;
    for (std::size_t i = 0; i < text.size(); i = NextChar(text, i)) last = i;
    return last == text.size() - 1 && text[last] == c;
}

std::size_t FindLineEnd(std::string_view bytes) {
    return bytes.find_first_of(std::string_view("\n\0\x1a", 3));
}

std::string FirstLineOf(std::string_view bytes) {
    std::string_view line = bytes.substr(0, FindLineEnd(bytes));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return std::string(line);
}

}  // namespace dotlock
