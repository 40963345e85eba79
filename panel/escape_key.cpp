#include "panel/escape_key.h"

namespace vantrelle {

bool isEscapeFor(HWND window, const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_ESCAPE) return false;
    return msg.hwnd == window || ::IsChild(window, msg.hwnd);
}

}  // namespace vantrelle
