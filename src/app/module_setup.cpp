#include "app/module_setup.h"

#include <cstdlib>

#include "app/main_window.h"
#include "auxiliary/auxiliary_state.h"
#include "auxiliary/control_dispatcher.h"
#include "auxiliary/drawing_surface.h"
#include "skin/module.h"
#include "skin/theme.h"

namespace dotlock {
namespace {

// Runs once at program end, after the message loop: the engine (still
// attached only if the window outlived the loop) and the theme, then the
// auxiliary state.
void ExitCleanUp() {
    // A window that was never created leaves the preparing thread unjoined.
    WaitForMainWindowSkin();
    skin::CleanUpSkinModule();
    auxiliary::FreeAuxiliaryState();
}

}  // namespace

void RunModuleSetUp() {
    skin::SetUpSkinModule();
    auxiliary::CreateAuxiliaryState();
    std::atexit(ExitCleanUp);
    auxiliary::RegisterMyWindowClass();
    skin::ThemeStartup();
    auxiliary::CreateMemoryDrawingSurface();
}

}  // namespace dotlock
