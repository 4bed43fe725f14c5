// Where the program's own file is, recorded once at start-up.
#ifndef DOTLOCK_APP_PROGRAM_INFO_H
#define DOTLOCK_APP_PROGRAM_INFO_H

#include <string>

namespace dotlock {

struct ProgramLocation {
    std::string directory;  // no trailing backslash; "C:" for a drive root
    std::string fileName;
};

// Splits a full path at its last backslash.
ProgramLocation SplitProgramPath(const std::string& fullPath);

// The full path of this process's program file, whatever its length.
std::string CurrentProgramPath();

// Records the location and makes the program's directory the current one.
void RecordProgramLocation();
const ProgramLocation& Program();

}  // namespace dotlock

#endif
