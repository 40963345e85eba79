// Registering the program's own window classes.
#pragma once

#include <windows.h>

namespace vantrelle {

// Registers the class once (later calls find it registered): arrow cursor, and for a top-level
// window the program's icons and the button-face background.
void registerWindowClass(HINSTANCE instance, const char* className, WNDPROC procedure, bool topLevel);

}  // namespace vantrelle
