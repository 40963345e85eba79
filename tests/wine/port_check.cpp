// Checks the Win32 window system against a real window system (run under Wine): precise waits
// that a stop cuts short, a message box that a stop closes, the clipboard, posting to the own
// queue, and window lookups on windows of its own. Prints one line per check; exits 1 on a failure.
#include <windows.h>
#include <mmsystem.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/win32_window_system.h"

using vantrelle::StopRequest;
using vantrelle::Win32WindowSystem;
using vantrelle::WindowHandle;

namespace {

int failures = 0;

void check(bool condition, const char* what, const std::string& detail = std::string()) {
    std::printf("%s %s%s%s\n", condition ? "ok  " : "FAIL", what, detail.empty() ? "" : ": ", detail.c_str());
    std::fflush(stdout);
    if (!condition) ++failures;
}

double nowMs() {
    LARGE_INTEGER frequency, counter;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string ms(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f ms", value);
    return text;
}

// Raises a stop request after a delay, from another thread; notes whether a window with the
// given caption was on screen just before.
struct DelayedStop {
    StopRequest* stop;
    HANDLE waiter;  // the thread whose wait the stop must end
    DWORD delayMs;
    const char* caption;
    bool windowSeen;
};

DWORD WINAPI raiseLater(LPVOID parameter) {
    auto* delayed = static_cast<DelayedStop*>(parameter);
    ::Sleep(delayed->delayMs);
    if (delayed->caption) delayed->windowSeen = ::FindWindowA("#32770", delayed->caption) != nullptr;
    vantrelle::raiseStop(*delayed->stop, delayed->waiter);
    return 0;
}

// A handle to the calling thread that other threads can queue a wake-up to.
HANDLE currentThread() { return ::OpenThread(THREAD_SET_CONTEXT, FALSE, ::GetCurrentThreadId()); }

HANDLE stopLater(DelayedStop& delayed) { return ::CreateThread(nullptr, 0, raiseLater, &delayed, 0, nullptr); }

void checkSleep(Win32WindowSystem& ws) {
    StopRequest never;
    const DWORD waits[] = {0, 1, 7, 15, 16, 100, 500};
    for (DWORD wait : waits) {
        const double start = nowMs();
        const bool whole = ws.Sleep(wait, never);
        const double took = nowMs() - start;
        // Never shorter; at most 3 ms longer with 1 ms timer resolution.
        check(whole && took >= wait && took <= wait + 3.0, ("Sleep(" + std::to_string(wait) + ")").c_str(), ms(took));
    }
    // The waits of one item of a run, 9000 ms in all.
    const DWORD item[] = {100, 100, 1000, 100, 500, 2000, 100, 100, 100, 100, 100,
                          100, 1000, 100, 500, 100, 100, 100, 500, 100, 2000, 100};
    double planned = 0;
    const double start = nowMs();
    for (DWORD wait : item) {
        ws.Sleep(wait, never);
        planned += wait;
    }
    const double took = nowMs() - start;
    char ratio[32];
    std::snprintf(ratio, sizeof ratio, " (ratio %.5f)", took / planned);
    check(took >= planned && took <= planned * 1.01, "the waits of one item stay within 1 % of their sum",
          ms(took) + " for " + ms(planned) + ratio);

    StopRequest stop;
    DelayedStop delayed{&stop, currentThread(), 300, nullptr, false};
    HANDLE thread = stopLater(delayed);
    const double stopStart = nowMs();
    const bool whole = ws.Sleep(2000, stop);
    const double stopped = nowMs() - stopStart;
    check(!whole && stopped >= 295 && stopped <= 300 + 10, "a stop ends a 2000 ms wait at once", ms(stopped));
    ::WaitForSingleObject(thread, INFINITE);
    ::CloseHandle(thread);
    ::CloseHandle(delayed.waiter);
    check(!ws.Sleep(100, stop), "a raised stop ends a wait before it begins");
}

void checkMessageBox(Win32WindowSystem& ws) {
    StopRequest stop;
    DelayedStop delayed{&stop, currentThread(), 700, "port check box", false};
    HANDLE thread = stopLater(delayed);
    const double start = nowMs();
    const int result = ws.MessageBoxA(0, "视频编辑完毕！", "port check box", MB_TASKMODAL, stop);
    const double took = nowMs() - start;
    ::WaitForSingleObject(thread, INFINITE);
    ::CloseHandle(thread);
    ::CloseHandle(delayed.waiter);
    check(delayed.windowSeen, "the message box is on screen until the stop");
    check(result == 0 && took >= 695 && took <= 700 + 100, "a stop closes the message box", ms(took));
    check(::FindWindowA("#32770", "port check box") == nullptr, "the closed box is gone");
    check(ws.MessageBoxA(0, "never shown", "port check box", MB_TASKMODAL, stop) == 0,
          "a raised stop shows no message box");
}

void checkClipboard(Win32WindowSystem& ws) {
    const std::string text = "视频信息 48";
    const bool opened = ws.OpenClipboard(0);
    const bool emptied = ws.EmptyClipboard();
    const bool set = ws.SetClipboardText(text);
    const bool closed = ws.CloseClipboard();
    check(opened && emptied && set && closed, "clipboard opened, emptied, set and closed");
    std::string back;
    if (::OpenClipboard(nullptr)) {
        if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
            if (const char* bytes = static_cast<const char*>(::GlobalLock(data))) back = bytes;
            ::GlobalUnlock(data);
        }
        ::CloseClipboard();
    }
    check(back == text, "the clipboard holds the text as CF_TEXT");
}

void checkPostToOwnQueue(Win32WindowSystem& ws) {
    MSG msg;
    ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue
    ws.PostMessageA(0, WM_APP + 5, 7, 9);
    const bool got = ::PeekMessageA(&msg, nullptr, WM_APP + 5, WM_APP + 5, PM_REMOVE) && msg.hwnd == nullptr &&
                     msg.wParam == 7 && msg.lParam == 9;
    check(got, "a message posted to window 0 reaches the calling thread's queue");
}

void checkWindows(Win32WindowSystem& ws) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "VantrellePortCheck";
    ::RegisterClassA(&windowClass);
    HWND top = ::CreateWindowExA(0, "VantrellePortCheck", "视频信息 port", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                                 400, 300, nullptr, nullptr, windowClass.hInstance, nullptr);
    HWND edit = ::CreateWindowExA(0, "EDIT", "abcdef", WS_CHILD | WS_VISIBLE, 10, 20, 200, 30, top, nullptr,
                                  windowClass.hInstance, nullptr);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);

    const WindowHandle topHandle = reinterpret_cast<WindowHandle>(top);
    const WindowHandle editHandle = reinterpret_cast<WindowHandle>(edit);
    check(ws.FindWindowExA(0, 0, "VantrellePortCheck", "视频信息 port") == topHandle &&
              ws.FindWindowExA(0, 0, "VantrellePortCheck", nullptr) == topHandle &&
              ws.FindWindowExA(0, topHandle, "VantrellePortCheck", nullptr) == 0,
          "FindWindowExA by class and title, any title, and after the last");
    check(ws.GetWindow(topHandle, 5) == editHandle && ws.GetWindow(editHandle, 2) == 0 && ws.GetWindow(0, 5) == 0,
          "GetWindow first child, next sibling, and of window 0");
    char title[256];
    const int titleLength = ws.GetWindowTextA(topHandle, title, sizeof title);
    check(titleLength == 13 && std::strcmp(title, "视频信息 port") == 0, "GetWindowTextA in code page 936 bytes");
    char text[8] = "xxxxxxx";
    const auto length = ws.SendMessageA(editHandle, WM_GETTEXTLENGTH, 0, 0);
    ws.SendMessageA(editHandle, WM_GETTEXT, 4, reinterpret_cast<std::intptr_t>(text));
    char untouched[4] = "xyz";
    ws.SendMessageA(0, WM_GETTEXT, 4, reinterpret_cast<std::intptr_t>(untouched));
    check(length == 6 && std::strcmp(text, "abc") == 0 && std::strcmp(untouched, "xyz") == 0 &&
              ws.SendMessageA(0, WM_GETTEXTLENGTH, 0, 0) == 0,
          "SendMessageA WM_GETTEXTLENGTH and WM_GETTEXT with truncation; window 0 answers nothing");
    vantrelle::ScreenPoint point{30, 30};
    ws.ClientToScreen(topHandle, point);
    check(ws.WindowFromPoint(point) == editHandle, "WindowFromPoint finds the control under a client point");
    ws.SetCursorPos(point.x, point.y);
    vantrelle::ScreenPoint cursor;
    check(ws.GetCursorPos(cursor) && cursor.x == point.x && cursor.y == point.y, "SetCursorPos and GetCursorPos");
    check(ws.IsChild(topHandle, editHandle) && !ws.IsChild(editHandle, topHandle), "IsChild");
    check(ws.GetWindowThreadProcessId(editHandle) == ::GetCurrentProcessId() && ws.GetWindowThreadProcessId(0) == 0,
          "GetWindowThreadProcessId gives the owning process");
    check(ws.GetDesktopWindow() == reinterpret_cast<WindowHandle>(::GetDesktopWindow()), "GetDesktopWindow");
    ::DestroyWindow(top);
}

}  // namespace

int main() {
    ::timeBeginPeriod(1);
    Win32WindowSystem ws;
    checkSleep(ws);
    checkMessageBox(ws);
    checkClipboard(ws);
    checkPostToOwnQueue(ws);
    checkWindows(ws);
    ::timeEndPeriod(1);
    std::printf("%s\n", failures ? "FAILED" : "all checks passed");
    return failures ? 1 : 0;
}
