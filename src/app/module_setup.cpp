#include "app/module_setup.h"

#include <cstdlib>

#include "auxiliary/auxiliary_state.h"
#include "auxiliary/control_dispatcher.h"
#include "auxiliary/drawing_surface.h"

namespace dotlock {
namespace {

// Runs once at program end, after the message loop.
void ExitCleanUp() { auxiliary::FreeAuxiliaryState(); }

}  // namespace

void RunModuleSetUp() {
    auxiliary::CreateAuxiliaryState();
    std::atexit(ExitCleanUp);
    auxiliary::RegisterMyWindowClass();
    auxiliary::CreateMemoryDrawingSurface();
}

}  // namespace dotlock
