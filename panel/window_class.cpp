#include "panel/window_class.h"

#include "panel/program_icon.h"

namespace vantrelle {

void registerWindowClass(HINSTANCE instance, const char* className, WNDPROC procedure, bool topLevel) {
    WNDCLASSEXA windowClass{};
    if (::GetClassInfoExA(instance, className, &windowClass)) return;
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    if (topLevel) {
        windowClass.hIcon = loadProgramIcon(instance, false);
        windowClass.hIconSm = loadProgramIcon(instance, true);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    }
    windowClass.lpszClassName = className;
    ::RegisterClassExA(&windowClass);
}

}  // namespace vantrelle
