// Esc closes the focused window of the program.
#pragma once

#include <windows.h>

namespace vantrelle {

// Whether msg is a press of Esc in window or in one of its controls.
bool isEscapeFor(HWND window, const MSG& msg);

}  // namespace vantrelle
