// Input for the uploader: posted clicks, keys and characters, cursor placement, system clicks.
#include "engine/synthetic_input.h"

#include <cmath>

#include "engine/window_messages.h"

namespace vantrelle {

namespace {

// A coordinate sum computed in double precision, truncated toward zero and kept to its low
// 32 bits, as a 32-bit register would hold it.
std::uint32_t truncateTo32Bits(double value) {
    if (!std::isfinite(value)) return 0;
    double wrapped = std::fmod(std::trunc(value), 4294967296.0);
    if (wrapped < 0) wrapped += 4294967296.0;
    return static_cast<std::uint32_t>(wrapped);
}

}  // namespace

void postMouseClick(WindowSystem& ws, WindowHandle window, ClientPoint point, int action) {
    if (window == 0) window = ws.GetDesktopWindow();
    // lParam holds y in its high word and x in its low word, zero-extended like MAKELPARAM.
    const std::intptr_t position = truncateTo32Bits(static_cast<double>(point.x) + point.y * 65536.0);
    ws.PostMessageA(window, WM_MOUSEMOVE, 2, position);
    switch (action) {
        case 0:
        case 1:
            ws.PostMessageA(window, WM_LBUTTONDOWN, 1, position);
            ws.PostMessageA(window, WM_LBUTTONUP, 0, position);
            break;
        case 2:
            ws.PostMessageA(window, WM_LBUTTONDOWN, 1, position);
            ws.PostMessageA(window, WM_LBUTTONUP, 0, position);
            ws.PostMessageA(window, WM_LBUTTONDBLCLK, 0, position);
            break;
        case 3:
            ws.PostMessageA(window, WM_LBUTTONDOWN, 1, position);
            break;
        case 4:
            ws.PostMessageA(window, WM_LBUTTONUP, 0, position);
            break;
        default:
            break;
    }
}

void postKey(WindowSystem& ws, WindowHandle window, int keyCode, int state, bool systemKey) {
    const unsigned down = systemKey ? WM_SYSKEYDOWN : WM_KEYDOWN;
    const unsigned up = systemKey ? WM_SYSKEYUP : WM_KEYUP;
    const std::uintptr_t wParam = static_cast<std::uintptr_t>(keyCode);
    switch (state) {
        case 1:
            ws.PostMessageA(window, WM_CHAR, wParam, 0);
            break;
        case 2:
        case 3:
            ws.PostMessageA(window, down, wParam, 0);
            break;
        case 4:
            ws.PostMessageA(window, up, wParam, 0);
            break;
        default:
            break;
    }
}

void typeText(WindowSystem& ws, WindowHandle window, const AnsiText& text) {
    for (char byte : text) {
        ws.PostMessageA(window, WM_CHAR, static_cast<unsigned char>(byte), 0);
    }
}

void moveCursorToClient(WindowSystem& ws, WindowHandle window, std::int32_t x, std::int32_t y) {
    ScreenPoint origin;
    if (window != 0) ws.ClientToScreen(window, origin);
    ws.SetCursorPos(static_cast<std::int32_t>(truncateTo32Bits(static_cast<double>(origin.x) + x)),
                    static_cast<std::int32_t>(truncateTo32Bits(static_cast<double>(origin.y) + y)));
}

void systemClick(WindowSystem& ws, int button) {
    ScreenPoint cursor;
    ws.GetCursorPos(cursor);
    std::uint32_t flags = 0;
    switch (button) {
        case 0:
        case 1:
            flags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP;
            break;
        case 2:
            flags = MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_RIGHTUP;
            break;
        case 3:
            flags = MOUSEEVENTF_LEFTDOWN;
            break;
        default:
            return;
    }
    ws.mouse_event(flags, static_cast<std::uint32_t>(cursor.x), static_cast<std::uint32_t>(cursor.y), 0, 0);
}

}  // namespace vantrelle
