// Command-line arguments as the program reads them: ANSI bytes, the
// program's own path skipped, only bytes of 0x21 and above kept in arguments.
#ifndef DOTLOCK_APP_COMMAND_LINE_H
#define DOTLOCK_APP_COMMAND_LINE_H

#include <string>
#include <string_view>
#include <vector>

namespace dotlock {

// Splits a whole command line (as GetCommandLineA gives it) into arguments,
// after skipping the program's path.
std::vector<std::string> ParseCommandLine(std::string_view commandLine);

enum class CommandLineAction {
    RegisterVerbOnly,          // plain start
    HandleFolderThenRegister,  // a folder path to lock or unlock first
    Nothing,                   // empty or 3-byte first argument
};

// What a start with these arguments does.
CommandLineAction DecideCommandLine(const std::vector<std::string>& args);

}  // namespace dotlock

#endif
