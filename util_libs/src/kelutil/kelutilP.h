// Internals of cvgui.dll's native half.
#ifndef KELUTILP_H
#define KELUTILP_H

#include "kelcore.h"

// The library's application object, made when the DLL loads, in the library's module state.
extern KEL_API CWinApp theApp;

// The module that holds the library's templates.
HINSTANCE kelLibraryInstance();

// The application object of the calling tool, or the library's own for a tool without one.
CWinApp *kelApp();

// A never-shown window of its own class whose procedure receives the library's private
// messages (time-outs, socket input).
HWND kelCreateHiddenWindow(HINSTANCE instance, const char *className, const char *title, WNDPROC proc);

#endif
