#include "platform/win32_window_system.h"

#include <windows.h>

#include <cstring>

namespace vantrelle {

namespace {

HWND toHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle toHandle(HWND window) { return reinterpret_cast<WindowHandle>(window); }

// Longest single sleep between two looks at the stop request. A raised stop wakes the sleep
// at once through an APC; the slice only bounds the delay should a wake-up go astray.
constexpr DWORD kStopCheckSliceMs = 50;
// How often an open message box looks at the stop request.
constexpr UINT kMessageBoxStopCheckMs = 10;

// The stop request of the message box open on this thread, for the thread timer.
thread_local const StopRequest* messageBoxStop = nullptr;

BOOL CALLBACK closeMessageBoxWindow(HWND window, LPARAM) {
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (std::strcmp(className, "#32770") == 0) ::PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

// Queued to a run thread to end its alertable sleep; the stop request itself says why.
void CALLBACK wakeFromSleep(ULONG_PTR) {}

void CALLBACK checkMessageBoxStop(HWND, UINT, UINT_PTR, DWORD) {
    if (messageBoxStop && messageBoxStop->raised.load())
        ::EnumThreadWindows(::GetCurrentThreadId(), closeMessageBoxWindow, 0);
}

}  // namespace

WindowHandle Win32WindowSystem::FindWindowExA(WindowHandle parent, WindowHandle after, const char* className,
                                              const char* title) {
    return toHandle(::FindWindowExA(toHwnd(parent), toHwnd(after), className, title));
}

WindowHandle Win32WindowSystem::GetWindow(WindowHandle window, unsigned cmd) {
    if (window == 0) return 0;
    return toHandle(::GetWindow(toHwnd(window), cmd));
}

int Win32WindowSystem::GetWindowTextA(WindowHandle window, char* buffer, int size) {
    return ::GetWindowTextA(toHwnd(window), buffer, size);
}

std::intptr_t Win32WindowSystem::SendMessageA(WindowHandle window, unsigned msg, std::uintptr_t wParam,
                                              std::intptr_t lParam) {
    if (window == 0) return 0;
    return ::SendMessageA(toHwnd(window), msg, wParam, lParam);
}

bool Win32WindowSystem::GetCursorPos(ScreenPoint& point) {
    POINT p{};
    if (!::GetCursorPos(&p)) return false;
    point.x = p.x;
    point.y = p.y;
    return true;
}

WindowHandle Win32WindowSystem::WindowFromPoint(ScreenPoint point) {
    POINT p{point.x, point.y};
    return toHandle(::WindowFromPoint(p));
}

bool Win32WindowSystem::PostMessageA(WindowHandle window, unsigned msg, std::uintptr_t wParam,
                                     std::intptr_t lParam) {
    return ::PostMessageA(toHwnd(window), msg, wParam, lParam) != 0;
}

WindowHandle Win32WindowSystem::GetDesktopWindow() { return toHandle(::GetDesktopWindow()); }

bool Win32WindowSystem::ClientToScreen(WindowHandle window, ScreenPoint& point) {
    POINT p{point.x, point.y};
    if (!::ClientToScreen(toHwnd(window), &p)) return false;
    point.x = p.x;
    point.y = p.y;
    return true;
}

bool Win32WindowSystem::SetCursorPos(int x, int y) { return ::SetCursorPos(x, y) != 0; }

void Win32WindowSystem::mouse_event(std::uint32_t flags, std::uint32_t dx, std::uint32_t dy, std::uint32_t data,
                                    std::uintptr_t extraInfo) {
    ::mouse_event(flags, dx, dy, data, extraInfo);
}

bool Win32WindowSystem::IsChild(WindowHandle parent, WindowHandle child) {
    return ::IsChild(toHwnd(parent), toHwnd(child)) != 0;
}

std::uint32_t Win32WindowSystem::GetWindowThreadProcessId(WindowHandle window) {
    if (window == 0) return 0;
    DWORD processId = 0;
    if (::GetWindowThreadProcessId(toHwnd(window), &processId) == 0) return 0;
    return processId;
}

bool Win32WindowSystem::OpenClipboard(WindowHandle owner) { return ::OpenClipboard(toHwnd(owner)) != 0; }

bool Win32WindowSystem::EmptyClipboard() { return ::EmptyClipboard() != 0; }

bool Win32WindowSystem::SetClipboardText(const AnsiText& text) {
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
    if (!memory) return false;
    void* bytes = ::GlobalLock(memory);
    if (!bytes) {
        ::GlobalFree(memory);
        return false;
    }
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    ::GlobalUnlock(memory);
    if (!::SetClipboardData(CF_TEXT, memory)) {
        ::GlobalFree(memory);
        return false;
    }
    return true;
}

bool Win32WindowSystem::CloseClipboard() { return ::CloseClipboard() != 0; }

int Win32WindowSystem::MessageBoxA(WindowHandle owner, const char* text, const char* caption, unsigned flags,
                                   const StopRequest& stop) {
    if (stop.raised.load()) return 0;
    // The box's modal loop dispatches the thread timer, which closes the box once the stop
    // request is raised.
    const StopRequest* outerStop = messageBoxStop;
    messageBoxStop = &stop;
    UINT_PTR timer = ::SetTimer(nullptr, 0, kMessageBoxStopCheckMs, checkMessageBoxStop);
    int result = ::MessageBoxA(toHwnd(owner), text, caption, flags);
    if (timer) ::KillTimer(nullptr, timer);
    messageBoxStop = outerStop;
    return stop.raised.load() ? 0 : result;
}

bool Win32WindowSystem::Sleep(std::uint32_t ms, const StopRequest& stop) {
    LARGE_INTEGER frequency, start, now;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    // Ticks of the performance counter in the whole wait, rounded up.
    const long long ticks = (static_cast<long long>(ms) * frequency.QuadPart + 999) / 1000;
    for (;;) {
        if (stop.raised.load()) return false;
        ::QueryPerformanceCounter(&now);
        const long long left = ticks - (now.QuadPart - start.QuadPart);
        if (left <= 0) return true;
        // Whole milliseconds are slept; the last fraction of one is yielded away, so that a
        // wait ends within a fraction of a millisecond of its length instead of a tick later.
        const long long wholeMs = left * 1000 / frequency.QuadPart;
        if (wholeMs >= 1) {
            ::SleepEx(static_cast<DWORD>(wholeMs < kStopCheckSliceMs ? wholeMs : kStopCheckSliceMs), TRUE);
        } else {
            ::Sleep(0);
        }
    }
}

void raiseStop(StopRequest& stop, void* runThread) {
    stop.raised.store(true);
    if (runThread) ::QueueUserAPC(wakeFromSleep, static_cast<HANDLE>(runThread), 0);
}

}  // namespace vantrelle
