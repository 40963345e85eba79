// A simulated desktop: windows of several processes, a virtual clock, a clipboard and message
// boxes, with every call that has an effect recorded in one ordered log. The engine runs on it
// as it runs on Windows, through the WindowSystem port, but a 9-second item takes microseconds.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/window_system.h"

namespace vantrelle::sim {

// Screen rectangle of a window's client area (windows here have no frame).
struct SimWindow {
    WindowHandle handle = 0;
    std::string name;        // label used in logs and tables ("tasklist", "title", ...)
    std::string className;
    AnsiText text;
    std::uint32_t processId = 0;
    WindowHandle parent = 0;
    std::vector<WindowHandle> children;  // z-order, topmost first
    ScreenPoint origin;                  // client origin on the screen
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool visible = true;
    bool answersNothing = false;  // a hung window: messages sent to it return 0 and touch nothing
};

enum class EventKind {
    Post,             // PostMessageA: target, msg, wParam, lParam
    MouseEvent,       // mouse_event: msg = flags, wParam = dx, lParam = dy
    SetCursorPos,     // wParam = x, lParam = y
    OpenClipboard,    // ok = whether it opened
    EmptyClipboard,
    SetClipboardText, // text
    CloseClipboard,
    MessageBox,       // target = owner, text, caption, msg = flags
    MessageBoxEnd,    // msg = the value returned (0 after a stop)
    FindWindow,       // FindWindowExA: target = window after, text = class; result in `result`
    WindowFromPoint,  // wParam = x, lParam = y; result in `result`
    Send,             // SendMessageA: target, msg, wParam
};

struct SimEvent {
    EventKind kind = EventKind::Post;
    std::int64_t time = 0;  // virtual milliseconds
    WindowHandle target = 0;
    unsigned msg = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    AnsiText text;
    AnsiText caption;
    WindowHandle result = 0;
    bool ok = true;
};

struct SimWindowShape {
    std::string name;
    std::string className;
    AnsiText text;
    std::uint32_t processId = 0;
    ScreenPoint origin;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// Process ids used by the tests.
constexpr std::uint32_t kSystemProcess = 4;
constexpr std::uint32_t kVantrelleProcess = 1000;
constexpr std::uint32_t kUploaderProcess = 2000;
constexpr std::uint32_t kBystanderProcess = 3000;

class SimDesktop : public WindowSystem {
public:
    SimDesktop();

    // --- building the desktop ---
    // A new top-level window at the top of the z-order.
    WindowHandle addTopLevel(const SimWindowShape& shape);
    // A new child at the bottom of its parent's children (the last in z-order).
    WindowHandle addChild(WindowHandle parent, const SimWindowShape& shape);
    // Removes a window and everything inside it; its name stays known for the log.
    void destroyWindow(WindowHandle window);
    bool exists(WindowHandle window) const;
    // Handles given to the windows created from now on start at `handle`.
    void setNextHandle(WindowHandle handle) { nextHandle_ = handle; }
    SimWindow& window(WindowHandle window);
    const std::string& nameOf(WindowHandle window) const;

    // --- time ---
    std::int64_t now() const { return now_; }
    // Runs action when the virtual clock reaches time (during a Sleep or a message box).
    void schedule(std::int64_t time, std::function<void()> action);
    // Raises stop once the virtual clock reaches time; a wait spanning it ends there.
    void raiseStopAt(StopRequest& stop, std::int64_t time);
    // How long a message box stays before the user dismisses it.
    void setMessageBoxDelay(std::int64_t ms) { messageBoxDelay_ = ms; }

    // --- clipboard ---
    // Another program holds the clipboard open (OpenClipboard fails) with this text.
    void holdClipboard(const AnsiText& text);
    const AnsiText& clipboardText() const { return clipboard_; }

    // --- the log and reactions ---
    const std::vector<SimEvent>& log() const { return log_; }
    // Called after every posted message and every injected mouse click; the simulated programs
    // (the uploader) react through it.
    std::function<void(const SimEvent&)> onInput;
    ScreenPoint cursor() const { return cursor_; }
    // The deepest visible window at a screen point (the desktop where there is none), unlogged.
    WindowHandle windowAt(ScreenPoint point) const;

    // --- WindowSystem ---
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

private:
    WindowHandle newWindow(WindowHandle parent, const SimWindowShape& shape);
    // Advances the clock to `until`, running what is scheduled on the way; stops early at a
    // scheduled stop of `stop`. Returns false when it stopped early.
    bool advance(std::int64_t until, const StopRequest& stop);
    WindowHandle deepestAt(WindowHandle window, ScreenPoint point) const;
    void record(SimEvent event);

    std::map<WindowHandle, SimWindow> windows_;
    std::map<WindowHandle, std::string> names_;  // every window ever created
    std::vector<WindowHandle> topLevel_;         // z-order, topmost first
    WindowHandle desktop_ = 0;
    WindowHandle nextHandle_ = 0x10010;
    ScreenPoint cursor_;
    std::int64_t now_ = 0;
    struct Scheduled {
        std::int64_t time;
        std::uint64_t order;
        std::function<void()> action;
    };
    std::vector<Scheduled> scheduled_;
    std::uint64_t scheduleCount_ = 0;
    StopRequest* stop_ = nullptr;
    std::int64_t stopTime_ = 0;
    std::int64_t messageBoxDelay_ = 3000;
    bool clipboardHeldByOther_ = false;
    bool clipboardOpen_ = false;
    bool clipboardEmptied_ = false;
    AnsiText clipboard_;
    std::vector<SimEvent> log_;
};

}  // namespace vantrelle::sim
