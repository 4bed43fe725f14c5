// The start-up steps between the platform start-up and the main window, and
// the exit clean-up they register.
#ifndef DOTLOCK_APP_MODULE_SETUP_H
#define DOTLOCK_APP_MODULE_SETUP_H

namespace dotlock {

// In order: module state (the skin's theme and engine, the auxiliary
// facilities' tables and brushes), exit clean-up registration, the
// "MyWindow" class, the theme start-up, the memory drawing surface.
void RunModuleSetUp();

}  // namespace dotlock

#endif
