// The picture box 图片框1: filled with the button-face colour, the picture drawn at its natural
// size at the box's top-left corner.
#pragma once

#include <windows.h>

#include "panel/jpeg_picture.h"

namespace vantrelle {

// A child of parent at (left, top) in its client area, showing a copy of picture (an empty
// picture leaves only the background).
HWND createPictureBox(HWND parent, int id, int left, int top, int width, int height, const Picture& picture);

}  // namespace vantrelle
