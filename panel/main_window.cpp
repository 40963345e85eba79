#include "panel/main_window.h"

#include "panel/control_ids.h"
#include "panel/escape_key.h"
#include "panel/link_pages.h"
#include "panel/run_control.h"
#include "panel/screen_centre.h"
#include "panel/tutorial_window.h"
#include "panel/window_class.h"

namespace vantrelle {

HWND mainWindowHandle = nullptr;

namespace {

constexpr const char* kMainWindowClass = "VantrelleMainWindow";
constexpr const char* kMainWindowCaption = "VantrelleV1.0";
constexpr int kMainWindowWidth = 324;
constexpr int kMainWindowHeight = 311;
constexpr DWORD kMainWindowStyle = WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_CLIPCHILDREN;

constexpr DWORD kButtonStyle =
    WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER;
constexpr DWORD kLabelStyle = WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_CENTERIMAGE;
constexpr DWORD kCountBoxStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;

// The font of the stop hint 标签2: "宋体", 29 pixels high, normal weight.
HFONT stopHintFont = nullptr;
// The control that had the focus when the main window was last deactivated.
HWND focusBeforeDeactivation = nullptr;

HWND createControl(HWND parent, DWORD exStyle, const char* className, const char* text, DWORD style, int left,
                   int top, int width, int height, int id, HFONT font) {
    HWND control = ::CreateWindowExA(exStyle, className, text, style, left, top, width, height, parent,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                     reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(parent, GWLP_HINSTANCE)),
                                     nullptr);
    ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

// The controls, in tab order: count box, start, tutorial, the two link buttons.
void createControls(HWND window) {
    HFONT guiFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    stopHintFont = ::CreateFontA(-29, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "宋体");

    createControl(window, 0, "STATIC", "需要编辑的个数：", kLabelStyle, 8, 8, 96, 32, 标签1, guiFont);
    HWND countBox = createControl(window, WS_EX_CLIENTEDGE, "EDIT", "", kCountBoxStyle, 112, 8, 72, 32, 编辑框1,
                                  guiFont);
    // No limit beyond the system's maximum for a single-line edit box.
    ::SendMessageA(countBox, EM_SETLIMITTEXT, 0, 0);
    createControl(window, 0, "BUTTON", "开始编辑", kButtonStyle, 200, 8, 96, 40, 按钮1, guiFont);
    createControl(window, 0, "STATIC", "按F10键停止", kLabelStyle | WS_BORDER, 8, 64, 168, 40, 标签2,
                  stopHintFont ? stopHintFont : guiFont);
    createControl(window, 0, "BUTTON", "查看教程", kButtonStyle, 200, 64, 96, 40, 按钮5, guiFont);
    createControl(window, 0, "BUTTON", "去关注作者微博", kButtonStyle, 48, 176, 104, 32, 按钮2, guiFont);
    createControl(window, 0, "BUTTON", "去作者的百度空间", kButtonStyle, 200, 176, 104, 32, 按钮3, guiFont);
    createControl(window, 0, "STATIC", "Thornwick论坛  by Pellam", kLabelStyle, 160, 232, 144, 32, 标签3, guiFont);
}

bool isLabel(HWND control) {
    const int id = ::GetDlgCtrlID(control);
    return id == 标签1 || id == 标签2 || id == 标签3;
}

// Labels draw black text transparently on the button-face colour.
LRESULT colourLabel(HDC dc, HWND control) {
    if (!isLabel(control)) return 0;
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(0, 0, 0));
    return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
}

void buttonClicked(int id) {
    switch (id) {
    case 按钮1: startRun(); break;
    case 按钮2: openMicroblogPage(); break;
    case 按钮3: openBlogPage(); break;
    case 按钮5: showTutorial(); break;
    default: break;
    }
}

void activationChanged(HWND window, WPARAM state) {
    if (LOWORD(state) == WA_INACTIVE) {
        HWND focus = ::GetFocus();
        if (focus && ::IsChild(window, focus)) focusBeforeDeactivation = focus;
        return;
    }
    HWND focus = focusBeforeDeactivation ? focusBeforeDeactivation : ::GetDlgItem(window, 编辑框1);
    if (::IsWindow(focus)) ::SetFocus(focus);
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && lParam != 0) buttonClicked(LOWORD(wParam));
        return 0;
    case WM_HOTKEY:
        // The stop hotkey, delivered for the stop hint 标签2.
        stopRun();
        return 0;
    case WM_CTLCOLORSTATIC:
        if (LRESULT brush = colourLabel(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) return brush;
        break;
    case WM_ACTIVATE:
        activationChanged(window, wParam);
        return 0;
    case WM_DESTROY:
        ::UnregisterHotKey(window, kStopHotkeyId);
        ::PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return ::DefWindowProcA(window, msg, wParam, lParam);
}


}  // namespace

HWND createMainWindow(HINSTANCE instance) {
    registerWindowClass(instance, kMainWindowClass, mainWindowProc, true);
    const POINT corner = centredOnScreen(kMainWindowWidth, kMainWindowHeight);
    HWND window = ::CreateWindowExA(0, kMainWindowClass, kMainWindowCaption, kMainWindowStyle, corner.x, corner.y,
                                    kMainWindowWidth, kMainWindowHeight, nullptr, nullptr, instance, nullptr);
    if (!window) return nullptr;
    createControls(window);
    mainWindowHandle = window;
    // The created event: the window and its controls exist, and it has not been shown yet.
    registerStopHotkey(window);
    return window;
}

void registerStopHotkey(HWND mainWindow) {
    ::RegisterHotKey(mainWindow, kStopHotkeyId, 0, VK_F10);
}

void runUiMessageLoop(HWND mainWindow) {
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (::IsWindow(mainWindow) && isEscapeFor(mainWindow, msg)) {
            ::SendMessageW(mainWindow, WM_CLOSE, 0, 0);
            continue;
        }
        if (::IsWindow(mainWindow) && ::IsDialogMessageW(mainWindow, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

}  // namespace vantrelle
