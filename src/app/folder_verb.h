// The folder context-menu verb "文件夹密锁" that starts the program with the
// chosen folder, and the decision a start makes from its command line.
#ifndef DOTLOCK_APP_FOLDER_VERB_H
#define DOTLOCK_APP_FOLDER_VERB_H

#include <windows.h>

#include <string>
#include <vector>

namespace dotlock {

inline constexpr char kVerbKey[] = "Folder\\shell\\文件夹密锁\\command";
// Per-user classes: where the verb goes when the machine-wide root is closed
// to a standard user.
inline constexpr char kUserClassesKey[] = "Software\\Classes\\";

struct RegistryPlace {
    HKEY root;
    std::string subKey;
};

// The verb's command: the program path and the folder placeholder, each
// quoted so that blanks in either survive.
std::string VerbCommand(const std::string& programPath);

// Writes `data` as the default REG_SZ value of the first place that can be
// opened for writing or created. Returns the index of that place, or -1.
int WriteDefaultValue(const std::vector<RegistryPlace>& places, const std::string& data);

// Machine-wide first, then the current user's classes.
std::vector<RegistryPlace> VerbPlaces();

void RegisterFolderVerb();

// Reads the process's command line, may lock or unlock the folder it names,
// then writes the verb unless the first argument was empty or 3 bytes long.
void HandleCommandLine();

}  // namespace dotlock

#endif
