// Module state of the auxiliary facilities: created by the start-up's module
// state set-up, released by the exit clean-up.
#pragma once

#include "auxiliary/control_dispatcher.h"
#include "auxiliary/drawing_surface.h"

namespace auxiliary {

struct AuxiliaryState {
    DispatcherState dispatcher;
    DrawingSurfaceState surface;
};

// Creates the empty dispatcher tables and the zeroed brush array, replacing
// any state that already exists.
void CreateAuxiliaryState();

// Releases the tables and the brush array. The GDI objects of the drawing
// surface are left alive: they are meant to last until the process ends.
void FreeAuxiliaryState();

// The current state, or null before CreateAuxiliaryState / after FreeAuxiliaryState.
AuxiliaryState* CurrentAuxiliaryState();

}  // namespace auxiliary
