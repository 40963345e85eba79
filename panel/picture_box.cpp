#include "panel/picture_box.h"

#include <cstring>
#include <vector>

#include "panel/window_class.h"

namespace vantrelle {

namespace {

constexpr const char* kPictureBoxClass = "VantrellePictureBox";

// The picture as a top-down 24-bit device-independent bitmap.
struct BoxPicture {
    BITMAPINFO info{};
    std::vector<unsigned char> bits;  // B, G, R per pixel, rows padded to 4 bytes
};

BoxPicture* toBoxPicture(const Picture& picture) {
    auto* box = new BoxPicture;
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.rgb.size() != static_cast<size_t>(picture.width) * picture.height * 3)
        return box;
    const size_t stride = (static_cast<size_t>(picture.width) * 3 + 3) & ~static_cast<size_t>(3);
    box->bits.assign(stride * picture.height, 0);
    for (int y = 0; y < picture.height; ++y) {
        const unsigned char* from = &picture.rgb[static_cast<size_t>(y) * picture.width * 3];
        unsigned char* to = &box->bits[static_cast<size_t>(y) * stride];
        for (int x = 0; x < picture.width; ++x) {
            to[x * 3 + 0] = from[x * 3 + 2];
            to[x * 3 + 1] = from[x * 3 + 1];
            to[x * 3 + 2] = from[x * 3 + 0];
        }
    }
    BITMAPINFOHEADER& header = box->info.bmiHeader;
    header.biSize = sizeof header;
    header.biWidth = picture.width;
    header.biHeight = -picture.height;  // top-down
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    return box;
}

void paintPictureBox(HWND box) {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(box, &paint);
    RECT client;
    ::GetClientRect(box, &client);
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    const auto* picture = reinterpret_cast<const BoxPicture*>(::GetWindowLongPtrA(box, GWLP_USERDATA));
    if (picture && !picture->bits.empty()) {
        const int width = picture->info.bmiHeader.biWidth;
        const int height = -picture->info.bmiHeader.biHeight;
        ::StretchDIBits(dc, 0, 0, width, height, 0, 0, width, height, picture->bits.data(), &picture->info,
                        DIB_RGB_COLORS, SRCCOPY);
    }
    ::EndPaint(box, &paint);
}

LRESULT CALLBACK pictureBoxProc(HWND box, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        ::SetWindowLongPtrA(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        break;
    }
    case WM_ERASEBKGND:
        return 1;  // painted whole in WM_PAINT
    case WM_PAINT:
        paintPictureBox(box);
        return 0;
    case WM_NCDESTROY:
        delete reinterpret_cast<BoxPicture*>(::GetWindowLongPtrA(box, GWLP_USERDATA));
        ::SetWindowLongPtrA(box, GWLP_USERDATA, 0);
        break;
    default:
        break;
    }
    return ::DefWindowProcA(box, msg, wParam, lParam);
}


}  // namespace

HWND createPictureBox(HWND parent, int id, int left, int top, int width, int height, const Picture& picture) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    registerWindowClass(instance, kPictureBoxClass, pictureBoxProc, false);
    BoxPicture* boxPicture = toBoxPicture(picture);
    HWND box = ::CreateWindowExA(0, kPictureBoxClass, "", WS_CHILD | WS_VISIBLE, left, top, width, height, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, boxPicture);
    if (!box) delete boxPicture;
    return box;
}

}  // namespace vantrelle
