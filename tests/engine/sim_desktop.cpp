#include "tests/engine/sim_desktop.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "engine/window_messages.h"

namespace vantrelle::sim {

SimDesktop::SimDesktop() {
    SimWindowShape shape;
    shape.name = "desktop";
    shape.className = "#32769";
    shape.processId = kSystemProcess;
    shape.width = 1920;
    shape.height = 1080;
    desktop_ = newWindow(0, shape);
}

WindowHandle SimDesktop::newWindow(WindowHandle parent, const SimWindowShape& shape) {
    SimWindow w;
    w.handle = nextHandle_;
    nextHandle_ += 0x10;
    w.name = shape.name;
    w.className = shape.className;
    w.text = shape.text;
    w.processId = shape.processId;
    w.parent = parent;
    w.origin = shape.origin;
    w.width = shape.width;
    w.height = shape.height;
    names_[w.handle] = w.name;
    windows_[w.handle] = w;
    return w.handle;
}

WindowHandle SimDesktop::addTopLevel(const SimWindowShape& shape) {
    WindowHandle h = newWindow(0, shape);
    topLevel_.insert(topLevel_.begin(), h);
    return h;
}

WindowHandle SimDesktop::addChild(WindowHandle parent, const SimWindowShape& shape) {
    if (!exists(parent)) throw std::logic_error("addChild: no such parent");
    WindowHandle h = newWindow(parent, shape);
    windows_[parent].children.push_back(h);
    return h;
}

void SimDesktop::destroyWindow(WindowHandle window) {
    auto it = windows_.find(window);
    if (it == windows_.end() || window == desktop_) return;
    std::vector<WindowHandle> children = it->second.children;
    for (WindowHandle child : children) destroyWindow(child);
    WindowHandle parent = windows_[window].parent;
    std::vector<WindowHandle>& siblings = parent ? windows_[parent].children : topLevel_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
    windows_.erase(window);
}

bool SimDesktop::exists(WindowHandle window) const { return window != 0 && windows_.count(window) != 0; }

SimWindow& SimDesktop::window(WindowHandle window) {
    auto it = windows_.find(window);
    if (it == windows_.end()) throw std::logic_error("no such window");
    return it->second;
}

const std::string& SimDesktop::nameOf(WindowHandle window) const {
    static const std::string none = "0";
    static const std::string unknown = "?";
    if (window == 0) return none;
    auto it = names_.find(window);
    return it == names_.end() ? unknown : it->second;
}

void SimDesktop::schedule(std::int64_t time, std::function<void()> action) {
    scheduled_.push_back(Scheduled{time, scheduleCount_++, std::move(action)});
}

void SimDesktop::raiseStopAt(StopRequest& stop, std::int64_t time) {
    stop_ = &stop;
    stopTime_ = time;
}

void SimDesktop::holdClipboard(const AnsiText& text) {
    clipboardHeldByOther_ = true;
    clipboard_ = text;
}

void SimDesktop::record(SimEvent event) {
    event.time = now_;
    log_.push_back(std::move(event));
}

bool SimDesktop::advance(std::int64_t until, const StopRequest& stop) {
    for (;;) {
        auto next = scheduled_.end();
        for (auto it = scheduled_.begin(); it != scheduled_.end(); ++it) {
            if (it->time > until) continue;
            if (next == scheduled_.end() || it->time < next->time ||
                (it->time == next->time && it->order < next->order))
                next = it;
        }
        bool stopDue = stop_ != nullptr && !stop_->raised && stopTime_ <= until;
        if (stopDue && (next == scheduled_.end() || stopTime_ < next->time)) {
            now_ = std::max(now_, stopTime_);
            stop_->raised = true;
            if (stop.raised) return false;
            continue;
        }
        if (next == scheduled_.end()) break;
        now_ = std::max(now_, next->time);
        std::function<void()> action = std::move(next->action);
        scheduled_.erase(next);
        action();
    }
    now_ = std::max(now_, until);
    return true;
}

// --- WindowSystem ---

WindowHandle SimDesktop::FindWindowExA(WindowHandle parent, WindowHandle after, const char* className,
                                       const char* title) {
    SimEvent e;
    e.kind = EventKind::FindWindow;
    e.target = after;
    e.text = className ? className : "";
    WindowHandle found = 0;
    if (parent == 0) {
        auto it = topLevel_.begin();
        if (after != 0) {
            it = std::find(topLevel_.begin(), topLevel_.end(), after);
            if (it != topLevel_.end()) ++it;
        }
        for (; it != topLevel_.end(); ++it) {
            const SimWindow& w = windows_[*it];
            if (className && w.className != className) continue;
            if (title && w.text != title) continue;
            found = *it;
            break;
        }
    }
    e.result = found;
    record(e);
    return found;
}

WindowHandle SimDesktop::GetWindow(WindowHandle window, unsigned cmd) {
    if (!exists(window)) return 0;
    const SimWindow& w = windows_[window];
    if (cmd == GW_CHILD) {
        if (window == desktop_) return topLevel_.empty() ? 0 : topLevel_.front();
        return w.children.empty() ? 0 : w.children.front();
    }
    if (cmd == GW_HWNDNEXT) {
        if (window == desktop_) return 0;
        const std::vector<WindowHandle>& siblings = w.parent ? windows_[w.parent].children : topLevel_;
        auto it = std::find(siblings.begin(), siblings.end(), window);
        if (it == siblings.end() || ++it == siblings.end()) return 0;
        return *it;
    }
    return 0;
}

int SimDesktop::GetWindowTextA(WindowHandle window, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return 0;
    if (!exists(window)) {
        buffer[0] = '\0';
        return 0;
    }
    const AnsiText& text = windows_[window].text;
    std::size_t n = std::min<std::size_t>(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

std::intptr_t SimDesktop::SendMessageA(WindowHandle window, unsigned msg, std::uintptr_t wParam,
                                       std::intptr_t lParam) {
    SimEvent e;
    e.kind = EventKind::Send;
    e.target = window;
    e.msg = msg;
    e.wParam = wParam;
    record(e);
    if (!exists(window) || windows_[window].answersNothing) return 0;
    const AnsiText& text = windows_[window].text;
    if (msg == WM_GETTEXTLENGTH) return static_cast<std::intptr_t>(text.size());
    if (msg == WM_GETTEXT) {
        if (wParam == 0 || lParam == 0) return 0;
        char* buffer = reinterpret_cast<char*>(lParam);
        std::size_t n = std::min<std::size_t>(text.size(), wParam - 1);
        std::memcpy(buffer, text.data(), n);
        buffer[n] = '\0';
        return static_cast<std::intptr_t>(n);
    }
    return 0;
}

bool SimDesktop::GetCursorPos(ScreenPoint& point) {
    point = cursor_;
    return true;
}

WindowHandle SimDesktop::deepestAt(WindowHandle window, ScreenPoint p) const {
    const SimWindow& w = windows_.at(window);
    for (WindowHandle child : w.children) {
        const SimWindow& c = windows_.at(child);
        if (c.visible && p.x >= c.origin.x && p.x < c.origin.x + c.width && p.y >= c.origin.y &&
            p.y < c.origin.y + c.height)
            return deepestAt(child, p);
    }
    return window;
}

WindowHandle SimDesktop::windowAt(ScreenPoint p) const {
    for (WindowHandle top : topLevel_) {
        const SimWindow& w = windows_.at(top);
        if (w.visible && p.x >= w.origin.x && p.x < w.origin.x + w.width && p.y >= w.origin.y &&
            p.y < w.origin.y + w.height)
            return deepestAt(top, p);
    }
    return desktop_;
}

WindowHandle SimDesktop::WindowFromPoint(ScreenPoint point) {
    SimEvent e;
    e.kind = EventKind::WindowFromPoint;
    e.wParam = static_cast<std::uintptr_t>(point.x);
    e.lParam = point.y;
    e.result = windowAt(point);
    record(e);
    return e.result;
}

bool SimDesktop::PostMessageA(WindowHandle window, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    SimEvent e;
    e.kind = EventKind::Post;
    e.target = window;
    e.msg = msg;
    e.wParam = wParam;
    e.lParam = lParam;
    e.ok = window == 0 || exists(window);
    record(e);
    if (e.ok && onInput) onInput(e);
    return e.ok;
}

WindowHandle SimDesktop::GetDesktopWindow() { return desktop_; }

bool SimDesktop::ClientToScreen(WindowHandle window, ScreenPoint& point) {
    if (!exists(window)) return false;
    point.x += windows_[window].origin.x;
    point.y += windows_[window].origin.y;
    return true;
}

bool SimDesktop::SetCursorPos(int x, int y) {
    SimEvent e;
    e.kind = EventKind::SetCursorPos;
    e.wParam = static_cast<std::uintptr_t>(x);
    e.lParam = y;
    record(e);
    cursor_ = ScreenPoint{x, y};
    return true;
}

void SimDesktop::mouse_event(std::uint32_t flags, std::uint32_t dx, std::uint32_t dy, std::uint32_t,
                             std::uintptr_t) {
    SimEvent e;
    e.kind = EventKind::MouseEvent;
    e.msg = flags;
    e.wParam = dx;
    e.lParam = dy;
    e.result = windowAt(cursor_);
    record(e);
    if (onInput) onInput(e);
}

bool SimDesktop::IsChild(WindowHandle parent, WindowHandle child) {
    if (!exists(parent) || !exists(child)) return false;
    for (WindowHandle w = windows_[child].parent; w != 0; w = windows_[w].parent)
        if (w == parent) return true;
    return false;
}

std::uint32_t SimDesktop::GetWindowThreadProcessId(WindowHandle window) {
    return exists(window) ? windows_[window].processId : 0;
}

bool SimDesktop::OpenClipboard(WindowHandle) {
    SimEvent e;
    e.kind = EventKind::OpenClipboard;
    e.ok = !clipboardHeldByOther_ && !clipboardOpen_;
    record(e);
    if (e.ok) {
        clipboardOpen_ = true;
        clipboardEmptied_ = false;
    }
    return e.ok;
}

bool SimDesktop::EmptyClipboard() {
    SimEvent e;
    e.kind = EventKind::EmptyClipboard;
    e.ok = clipboardOpen_;
    record(e);
    if (e.ok) {
        clipboard_.clear();
        clipboardEmptied_ = true;
    }
    return e.ok;
}

bool SimDesktop::SetClipboardText(const AnsiText& text) {
    SimEvent e;
    e.kind = EventKind::SetClipboardText;
    e.text = text;
    // As on Windows, only the program that emptied the clipboard may put data on it.
    e.ok = clipboardOpen_ && clipboardEmptied_;
    record(e);
    if (e.ok) clipboard_ = text;
    return e.ok;
}

bool SimDesktop::CloseClipboard() {
    SimEvent e;
    e.kind = EventKind::CloseClipboard;
    e.ok = clipboardOpen_;
    record(e);
    clipboardOpen_ = false;
    return e.ok;
}

int SimDesktop::MessageBoxA(WindowHandle owner, const char* text, const char* caption, unsigned flags,
                            const StopRequest& stop) {
    SimEvent e;
    e.kind = EventKind::MessageBox;
    e.target = owner;
    e.text = text ? text : "";
    e.caption = caption ? caption : "";
    e.msg = flags;
    record(e);
    int result = 0;
    if (!stop.raised && advance(now_ + messageBoxDelay_, stop)) result = 1;  // IDOK
    SimEvent end;
    end.kind = EventKind::MessageBoxEnd;
    end.msg = static_cast<unsigned>(result);
    record(end);
    return result;
}

bool SimDesktop::Sleep(std::uint32_t ms, const StopRequest& stop) {
    if (stop.raised) return false;
    return advance(now_ + static_cast<std::int64_t>(ms), stop);
}

}  // namespace vantrelle::sim
