#include "panel/screen_centre.h"

namespace vantrelle {

POINT centredOnScreen(int width, int height) {
    POINT corner;
    corner.x = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    corner.y = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    return corner;
}

}  // namespace vantrelle
