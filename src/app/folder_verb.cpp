#include "app/folder_verb.h"

#include "app/command_line.h"
#include "app/folder_lock.h"
#include "app/program_info.h"

namespace dotlock {

std::string VerbCommand(const std::string& programPath) {
    return "\"" + programPath + "\" \"%1\"";
}

std::vector<RegistryPlace> VerbPlaces() {
    return {{HKEY_CLASSES_ROOT, kVerbKey},
            {HKEY_CURRENT_USER, std::string(kUserClassesKey) + kVerbKey}};
}

int WriteDefaultValue(const std::vector<RegistryPlace>& places, const std::string& data) {
    for (std::size_t i = 0; i < places.size(); ++i) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(places[i].root, places[i].subKey.c_str(), 0, KEY_WRITE, &key) !=
                ERROR_SUCCESS &&
            RegCreateKeyA(places[i].root, places[i].subKey.c_str(), &key) != ERROR_SUCCESS) {
            continue;
        }
        const LONG written = RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                                            static_cast<DWORD>(data.size() + 1));
        RegCloseKey(key);
        // A key that opens but takes no value is no better than one that does not open.
        if (written == ERROR_SUCCESS) return static_cast<int>(i);
    }
    return -1;
}

void RegisterFolderVerb() {
    const ProgramLocation& program = Program();
    WriteDefaultValue(VerbPlaces(), VerbCommand(program.directory + "\\" + program.fileName));
}

void HandleCommandLine() {
    const std::vector<std::string> args = ParseCommandLine(GetCommandLineA());
    switch (DecideCommandLine(args)) {
    case CommandLineAction::Nothing:
        return;
    case CommandLineAction::HandleFolderThenRegister:
        HandleDroppedFolder(args.front());
        break;
    case CommandLineAction::RegisterVerbOnly:
        break;
    }
    RegisterFolderVerb();
}

}  // namespace dotlock
