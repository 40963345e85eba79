#include "panel/tutorial_window.h"

#include <windows.h>

#include "panel/control_ids.h"
#include "panel/escape_key.h"
#include "panel/jpeg_picture.h"
#include "panel/main_window.h"
#include "panel/picture_box.h"
#include "panel/resource_ids.h"
#include "panel/screen_centre.h"
#include "panel/window_class.h"

namespace vantrelle {

namespace {

constexpr const char* kTutorialWindowClass = "VantrelleTutorialWindow";
constexpr int kTutorialWindowWidth = 841;
constexpr int kTutorialWindowHeight = 668;
constexpr DWORD kTutorialWindowStyle = WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_CLIPCHILDREN;

// The tutorial picture built into the program, decoded; empty when it cannot be decoded.
Picture loadTutorialPicture(HINSTANCE instance) {
    Picture picture;
    HRSRC resource = ::FindResourceA(instance, MAKEINTRESOURCEA(IDR_TUTORIAL_JPEG), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (!resource) return picture;
    HGLOBAL loaded = ::LoadResource(instance, resource);
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    const DWORD size = ::SizeofResource(instance, resource);
    if (bytes && size > 0) decodeJpegPicture(static_cast<const unsigned char*>(bytes), size, picture);
    return picture;
}

LRESULT CALLBACK tutorialWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE) {
        // Enabled again before the tutorial goes, so that the main window takes the activation.
        if (mainWindowHandle) ::EnableWindow(mainWindowHandle, TRUE);
        ::DestroyWindow(window);
        return 0;
    }
    return ::DefWindowProcA(window, msg, wParam, lParam);
}


HWND createTutorialWindow(HINSTANCE instance) {
    registerWindowClass(instance, kTutorialWindowClass, tutorialWindowProc, true);
    const POINT corner = centredOnScreen(kTutorialWindowWidth, kTutorialWindowHeight);
    HWND window = ::CreateWindowExA(0, kTutorialWindowClass, "", kTutorialWindowStyle, corner.x, corner.y,
                                    kTutorialWindowWidth, kTutorialWindowHeight, nullptr, nullptr, instance, nullptr);
    if (!window) return nullptr;
    createPictureBox(window, 图片框1, 0, 8, 832, 624, loadTutorialPicture(instance));
    return window;
}

// Dispatches every message of the thread until the tutorial window is gone.
void runTutorialLoop(HWND tutorial) {
    MSG msg;
    while (::IsWindow(tutorial)) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (isEscapeFor(tutorial, msg)) {
            ::SendMessageW(tutorial, WM_CLOSE, 0, 0);
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

}  // namespace

void showTutorial() {
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    HWND tutorial = createTutorialWindow(instance);
    if (!tutorial) return;
    if (mainWindowHandle) ::EnableWindow(mainWindowHandle, FALSE);
    ::ShowWindow(tutorial, SW_SHOWNORMAL);
    ::UpdateWindow(tutorial);
    runTutorialLoop(tutorial);
    if (::IsWindow(tutorial)) ::DestroyWindow(tutorial);
    if (mainWindowHandle) {
        ::EnableWindow(mainWindowHandle, TRUE);
        ::SetForegroundWindow(mainWindowHandle);
    }
}

}  // namespace vantrelle
