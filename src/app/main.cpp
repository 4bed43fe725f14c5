// dotlock: locks and unlocks folders dropped on its window.
#include <windows.h>
#include <ole2.h>

#include "app/main_window.h"
#include "app/module_setup.h"
#include "app/program_info.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    dotlock::RecordProgramLocation();
    dotlock::RunModuleSetUp();
    // Overlaps the skin's drawing with the window's creation.
    dotlock::StartPreparingMainWindowSkin();
    // Drag and drop needs OLE on this thread before the window registers its target.
    OleInitialize(nullptr);

    if (dotlock::CreateMainWindow(instance)) {
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    OleUninitialize();
    return 0;
}
