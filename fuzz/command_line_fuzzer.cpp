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
    std::size_t total = 0;
    for (const auto& arg : args) {
        total += arg.size();
        if (arg.find('"') != std::string::npos && line.find('"') == std::string::npos) std::abort();
    }
    if (total > line.size()) std::abort();
    (void)dotlock::DecideCommandLine(args);
    return 0;
}
