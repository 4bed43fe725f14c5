// Resource ids shared by app.rc and the code. Kept free of C++ so windres can read it.
#ifndef DOTLOCK_APP_RESOURCES_H
#define DOTLOCK_APP_RESOURCES_H

#define IDI_DOTLOCK 1
#define IDC_DOTLOCK_POINTER 2

#endif
