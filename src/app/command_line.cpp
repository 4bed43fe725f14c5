#include "app/command_line.h"

#include "app/text_lines.h"

namespace dotlock {
namespace {

constexpr bool IsSeparator(unsigned char b) { return b < 0x21; }

// Index just past the program's path and the blank after it.
std::size_t SkipProgramPath(std::string_view line) {
    std::size_t i = 0;
    if (!line.empty() && line[0] == '"') {
        const std::size_t close = line.find('"', 1);
        if (close == std::string_view::npos) return line.size();
        i = close + 1;
        if (i < line.size() && line[i] == ' ') ++i;
        return i;
    }
    const std::size_t blank = line.find(' ');
    return blank == std::string_view::npos ? line.size() : blank + 1;
}

}  // namespace

std::vector<std::string> ParseCommandLine(std::string_view commandLine) {
    std::vector<std::string> args;
    std::size_t i = SkipProgramPath(commandLine);
    const std::size_t n = commandLine.size();
    while (i < n) {
        if (IsSeparator(static_cast<unsigned char>(commandLine[i]))) {
            ++i;
            continue;
        }
        std::string arg;
        if (commandLine[i] == '"') {
            ++i;
            while (i < n && commandLine[i] != '"') {
                const std::size_t next = NextChar(commandLine, i);
                arg.append(commandLine.substr(i, next - i));
                i = next;
            }
            if (i < n) ++i;  // the closing quote
        } else {
            while (i < n && commandLine[i] != '"' &&
                   !IsSeparator(static_cast<unsigned char>(commandLine[i]))) {
                const std::size_t next = NextChar(commandLine, i);
                arg.append(commandLine.substr(i, next - i));
                i = next;
            }
        }
        args.push_back(std::move(arg));
    }
    return args;
}

CommandLineAction DecideCommandLine(const std::vector<std::string>& args) {
    if (args.empty()) return CommandLineAction::RegisterVerbOnly;
    const std::string& first = args.front();
    // A drive root ("C:\") is three bytes long; so is anything else of that length.
    if (first.empty() || first.size() == 3) return CommandLineAction::Nothing;
    return CommandLineAction::HandleFolderThenRegister;
}

}  // namespace dotlock
