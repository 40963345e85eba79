// Places windows of a given outer size in the middle of the primary screen.
#pragma once

#include <windows.h>

namespace vantrelle {

// Top-left corner: ((screen width - width) / 2, (screen height - height) / 2), integer division.
POINT centredOnScreen(int width, int height);

}  // namespace vantrelle
