// Posted clicks, keys and typed text, cursor placement and system clicks.
#pragma once

#include <cstdint>

#include "platform/window_system.h"

namespace vantrelle {

struct ClientPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Action 1 (or 0) click, 2 double click, 3 press, 4 release. Window 0 stands for the desktop.
void postMouseClick(WindowSystem& ws, WindowHandle window, ClientPoint point, int action = 1);
// State 1 character, 2 or 3 press, 4 release.
void postKey(WindowSystem& ws, WindowHandle window, int keyCode, int state = 1, bool systemKey = false);
// One WM_CHAR per byte.
void typeText(WindowSystem& ws, WindowHandle window, const AnsiText& text);
// Window 0 makes (x, y) a screen point.
void moveCursorToClient(WindowSystem& ws, WindowHandle window, std::int32_t x, std::int32_t y);
// Button 1 (or 0) left click, 2 right click, 3 left press.
void systemClick(WindowSystem& ws, int button = 1);

}  // namespace vantrelle
