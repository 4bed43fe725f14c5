// The skin's module-wide state: the theme and the program's single engine.
// Set up once before any window exists; cleaned up at program exit.
#pragma once

#include "skin/theme.h"

namespace skin {

class SkinEngine;

// Creates the theme state and the engine (which builds its thunks).
void SetUpSkinModule();
// Releases what SetUpSkinModule made; nothing happens when nothing is set up.
// The engine detaches from a window it is still attached to.
void CleanUpSkinModule();

// Fatal when the module is not set up.
Theme& CurrentTheme();
SkinEngine& TheSkinEngine();

}  // namespace skin
