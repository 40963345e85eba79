// The program's own icon, from the resources.
#pragma once

#include <windows.h>

namespace vantrelle {

// The icon at the system's large (32 px) or small (16 px) icon size.
HICON loadProgramIcon(HINSTANCE instance, bool small);

}  // namespace vantrelle
