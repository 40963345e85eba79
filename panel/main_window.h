// The main window: count box, start button, stop hint, link buttons, tutorial button, credit line.
#pragma once

#include <windows.h>

namespace vantrelle {

// The main window, once built; written on the UI thread before any run starts.
extern HWND mainWindowHandle;

// Builds the main window and its controls, raises its created event (registerStopHotkey), and
// returns it not yet shown.
HWND createMainWindow(HINSTANCE instance);
// Registers F10 without modifier keys on the main window; the outcome is ignored.
void registerStopHotkey(HWND mainWindow);
// The UI message loop, until the main window has been closed.
void runUiMessageLoop(HWND mainWindow);

}  // namespace vantrelle
