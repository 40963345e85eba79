// The window-system port over the real Win32 API (ANSI calls, code page 936 texts).
#pragma once

#include "platform/window_system.h"

namespace vantrelle {

class Win32WindowSystem : public WindowSystem {
public:
    WindowHandle FindWindowExA(WindowHandle parent, WindowHandle after, const char* className,
                               const char* title) override;
    WindowHandle GetWindow(WindowHandle window, unsigned cmd) override;
    int GetWindowTextA(WindowHandle window, char* buffer, int size) override;
    std::intptr_t SendMessageA(WindowHandle window, unsigned msg, std::uintptr_t wParam,
                               std::intptr_t lParam) override;

    bool GetCursorPos(ScreenPoint& point) override;
    WindowHandle WindowFromPoint(ScreenPoint point) override;
    bool PostMessageA(WindowHandle window, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) override;
    WindowHandle GetDesktopWindow() override;
    bool ClientToScreen(WindowHandle window, ScreenPoint& point) override;
    bool SetCursorPos(int x, int y) override;
    void mouse_event(std::uint32_t flags, std::uint32_t dx, std::uint32_t dy, std::uint32_t data,
                     std::uintptr_t extraInfo) override;

    bool IsChild(WindowHandle parent, WindowHandle child) override;
    std::uint32_t GetWindowThreadProcessId(WindowHandle window) override;

    bool OpenClipboard(WindowHandle owner) override;
    bool EmptyClipboard() override;
    bool SetClipboardText(const AnsiText& text) override;
    bool CloseClipboard() override;

    int MessageBoxA(WindowHandle owner, const char* text, const char* caption, unsigned flags,
                    const StopRequest& stop) override;
    bool Sleep(std::uint32_t ms, const StopRequest& stop) override;
};

// Raises a run's stop request and wakes its thread (a thread handle with THREAD_SET_CONTEXT
// access, or null) out of the wait it is in, so that the wait ends at once.
void raiseStop(StopRequest& stop, void* runThread);

}  // namespace vantrelle
