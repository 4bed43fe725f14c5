// Any password file: the first line is a prefix of the bytes, holds no LF,
// NUL or 0x1A, and has at most the one CR of a CR LF removed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/text_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string line = dotlock::FirstLineOf(bytes);
    if (bytes.compare(0, line.size(), line) != 0) std::abort();
    if (line.find_first_of(std::string("\n\0\x1a", 3)) != std::string::npos) std::abort();
    // It stops only at a line end: past it and the one CR it may drop, the
    // bytes are over or a terminator follows.
    std::size_t next = line.size();
    if (next < bytes.size() && bytes[next] == '\r') ++next;
    if (next < bytes.size() && std::string("\n\0\x1a", 3).find(bytes[next]) == std::string::npos) std::abort();
    return 0;
}
