// Any byte string as a command line: parsing must stay in bounds, and every
// argument must be made of bytes that were in the line, without separators
// unless they were quoted or followed a lead byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    const auto args = dotlock::ParseCommandLine(line);
    // Without quotes and lead bytes nothing can carry a separator into an argument.
    bool plain = line.find('"') == std::string::npos;
    for (const char c : line) plain = plain && static_cast<unsigned char>(c) < 0x81;
    std::size_t total = 0;
    for (const auto& arg : args) {
        total += arg.size();
        for (const char c : arg) {
            if (plain && static_cast<unsigned char>(c) < 0x21) std::abort();
        }
    }
    if (total > line.size()) std::abort();
    (void)dotlock::DecideCommandLine(args);
    return 0;
}
