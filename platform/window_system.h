// The one port through which the engine and the panel reach the window system.
// Calls keep their Windows names and ANSI forms; the results are what the callers rely on.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

namespace vantrelle {

// Opaque handle to a window of any process; 0 means no window.
using WindowHandle = std::uintptr_t;

// Byte string in the system ANSI code page (936 on the systems served), no embedded NUL.
using AnsiText = std::string;

struct ScreenPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Raised by the UI thread to stop one run. The run checks it before every step, and the
// port's waits (Sleep, MessageBoxA) end as soon as it is raised.
struct StopRequest {
    std::atomic<bool> raised{false};
};

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // Next top-level window after `after` (0: from the top of the z-order) whose class equals
    // className and whose title equals title; a null title matches any. 0 when none is left.
    virtual WindowHandle FindWindowExA(WindowHandle parent, WindowHandle after, const char* className,
                                       const char* title) = 0;
    // cmd 5: first child; cmd 2: next sibling, in z-order. 0 when there is none or window is 0.
    virtual WindowHandle GetWindow(WindowHandle window, unsigned cmd) = 0;
    // Copies at most size - 1 title bytes plus a terminator; returns the bytes copied.
    virtual int GetWindowTextA(WindowHandle window, char* buffer, int size) = 0;
    // Only WM_GETTEXTLENGTH and WM_GETTEXT are used. WM_GETTEXT copies at most wParam - 1 bytes
    // plus a terminator into the buffer passed in lParam and leaves it untouched for a missing window.
    virtual std::intptr_t SendMessageA(WindowHandle window, unsigned msg, std::uintptr_t wParam,
                                       std::intptr_t lParam) = 0;

    virtual bool GetCursorPos(ScreenPoint& point) = 0;
    // Deepest visible window at a screen point.
    virtual WindowHandle WindowFromPoint(ScreenPoint point) = 0;
    // Queued for the window's thread without waiting; window 0 posts to the calling thread's queue.
    virtual bool PostMessageA(WindowHandle window, unsigned msg, std::uintptr_t wParam,
                              std::intptr_t lParam) = 0;
    virtual WindowHandle GetDesktopWindow() = 0;
    virtual bool ClientToScreen(WindowHandle window, ScreenPoint& point) = 0;
    virtual bool SetCursorPos(int x, int y) = 0;
    // System mouse input at the cursor position.
    virtual void mouse_event(std::uint32_t flags, std::uint32_t dx, std::uint32_t dy, std::uint32_t data,
                             std::uintptr_t extraInfo) = 0;

    // Safety checks: whether child lies (at any depth) inside parent, and which process owns a
    // window (0 for a missing window).
    virtual bool IsChild(WindowHandle parent, WindowHandle child) = 0;
    virtual std::uint32_t GetWindowThreadProcessId(WindowHandle window) = 0;

    // Clipboard: OpenClipboard with owner 0; SetClipboardText copies the text and its terminator
    // into movable zero-initialised global memory and hands it over as CF_TEXT.
    virtual bool OpenClipboard(WindowHandle owner) = 0;
    virtual bool EmptyClipboard() = 0;
    virtual bool SetClipboardText(const AnsiText& text) = 0;
    virtual bool CloseClipboard() = 0;

    // Shows a message box on the calling thread and returns when it is dismissed, or, once
    // stop is raised, closes it and returns 0.
    virtual int MessageBoxA(WindowHandle owner, const char* text, const char* caption, unsigned flags,
                            const StopRequest& stop) = 0;
    // Waits ms milliseconds on the calling thread, never fewer; ends early, returning false,
    // as soon as stop is raised. Returns true when the whole wait passed.
    virtual bool Sleep(std::uint32_t ms, const StopRequest& stop) = 0;
};

}  // namespace vantrelle
