// The program's entry: the main window and the UI message loop.
#include <windows.h>
#include <commctrl.h>

#include "panel/main_window.h"

namespace vantrelle {

// Builds and shows the main window, then serves it until it is closed. The program ends there,
// and every run still active ends with it.
int programStart(HINSTANCE instance) {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    HWND mainWindow = createMainWindow(instance);
    if (!mainWindow) return 1;
    ::ShowWindow(mainWindow, SW_SHOWNORMAL);
    ::UpdateWindow(mainWindow);
    runUiMessageLoop(mainWindow);
    return 0;
}

}  // namespace vantrelle

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    ::ExitProcess(static_cast<UINT>(vantrelle::programStart(instance)));
}
