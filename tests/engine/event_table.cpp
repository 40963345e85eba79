#include "tests/engine/event_table.h"

#include <iconv.h>

#include <cstdio>
#include <sstream>

#include "engine/window_messages.h"

namespace vantrelle::sim {

Table operator+(Table a, const Table& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Row posted(std::int64_t time, const std::string& target, unsigned msg, std::uint64_t wParam, std::int64_t lParam) {
    Row r;
    r.time = time;
    r.kind = EventKind::Post;
    r.target = target;
    r.msg = msg;
    r.wParam = wParam;
    r.lParam = lParam;
    return r;
}

Row mouseInput(std::int64_t time, std::uint32_t flags, std::int32_t x, std::int32_t y) {
    Row r;
    r.time = time;
    r.kind = EventKind::MouseEvent;
    r.msg = flags;
    r.wParam = static_cast<std::uint32_t>(x);
    r.lParam = y;
    return r;
}

Row cursorTo(std::int64_t time, std::int32_t x, std::int32_t y) {
    Row r;
    r.time = time;
    r.kind = EventKind::SetCursorPos;
    r.wParam = static_cast<std::uint64_t>(static_cast<std::int64_t>(x));
    r.lParam = y;
    return r;
}

Row clipboardCall(std::int64_t time, EventKind kind, bool ok) {
    Row r;
    r.time = time;
    r.kind = kind;
    r.ok = ok;
    return r;
}

Row messageBox(std::int64_t time, const AnsiText& text, const AnsiText& caption, unsigned flags) {
    Row r;
    r.time = time;
    r.kind = EventKind::MessageBox;
    r.target = "0";
    r.text = text;
    r.caption = caption;
    r.msg = flags;
    return r;
}

Row messageBoxEnd(std::int64_t time, int result) {
    Row r;
    r.time = time;
    r.kind = EventKind::MessageBoxEnd;
    r.msg = static_cast<unsigned>(result);
    return r;
}

Table typed(std::int64_t time, const std::string& target, const AnsiText& text) {
    Table t;
    for (unsigned char byte : text) t.push_back(posted(time, target, WM_CHAR, byte, 0));
    return t;
}

Table clipboardPut(std::int64_t time, const AnsiText& text) {
    Row set = clipboardCall(time, EventKind::SetClipboardText);
    set.text = text;
    return Table{clipboardCall(time, EventKind::OpenClipboard), clipboardCall(time, EventKind::EmptyClipboard), set,
                 clipboardCall(time, EventKind::CloseClipboard)};
}

Table postedClick(std::int64_t time, const std::string& target, std::int32_t x, std::int32_t y) {
    std::int64_t lParam = static_cast<std::int64_t>(x) + static_cast<std::int64_t>(y) * 65536;
    return Table{posted(time, target, WM_MOUSEMOVE, 2, lParam), posted(time, target, WM_LBUTTONDOWN, 1, lParam),
                 posted(time, target, WM_LBUTTONUP, 0, lParam)};
}

namespace {

Row rowOf(const SimDesktop& d, const SimEvent& e) {
    Row r;
    r.time = e.time;
    r.kind = e.kind;
    r.ok = e.ok;
    switch (e.kind) {
    case EventKind::Post:
    case EventKind::Send:
        r.target = d.nameOf(e.target);
        r.msg = e.msg;
        r.wParam = e.wParam;
        r.lParam = e.kind == EventKind::Post ? e.lParam : 0;
        break;
    case EventKind::MouseEvent:
    case EventKind::SetCursorPos:
    case EventKind::WindowFromPoint:
        r.msg = e.msg;
        r.wParam = e.wParam;
        r.lParam = e.lParam;
        if (e.kind == EventKind::WindowFromPoint) r.target = d.nameOf(e.result);
        break;
    case EventKind::SetClipboardText:
        r.text = e.text;
        break;
    case EventKind::MessageBox:
        r.target = d.nameOf(e.target);
        r.text = e.text;
        r.caption = e.caption;
        r.msg = e.msg;
        break;
    case EventKind::MessageBoxEnd:
        r.msg = e.msg;
        break;
    case EventKind::FindWindow:
        r.text = e.text;
        r.target = d.nameOf(e.result);
        break;
    default:
        break;
    }
    return r;
}

bool isEffect(EventKind kind) {
    return kind != EventKind::FindWindow && kind != EventKind::WindowFromPoint && kind != EventKind::Send;
}

std::string messageName(std::uint64_t msg) {
    switch (msg) {
    case WM_GETTEXT: return "WM_GETTEXT";
    case WM_GETTEXTLENGTH: return "WM_GETTEXTLENGTH";
    case WM_KEYDOWN: return "WM_KEYDOWN";
    case WM_KEYUP: return "WM_KEYUP";
    case WM_CHAR: return "WM_CHAR";
    case WM_SYSKEYDOWN: return "WM_SYSKEYDOWN";
    case WM_SYSKEYUP: return "WM_SYSKEYUP";
    case WM_MOUSEMOVE: return "WM_MOUSEMOVE";
    case WM_LBUTTONDOWN: return "WM_LBUTTONDOWN";
    case WM_LBUTTONUP: return "WM_LBUTTONUP";
    case WM_LBUTTONDBLCLK: return "WM_LBUTTONDBLCLK";
    default: {
        char buf[16];
        std::snprintf(buf, sizeof buf, "0x%04llx", static_cast<unsigned long long>(msg));
        return buf;
    }
    }
}

std::string hex(std::uint64_t value) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "0x%04llx", static_cast<unsigned long long>(value));
    return buf;
}

}  // namespace

std::string readable(const AnsiText& text) {
    iconv_t cd = iconv_open("UTF-8", "GBK");
    if (cd != reinterpret_cast<iconv_t>(-1)) {
        std::string in = text;
        std::string out(text.size() * 4 + 4, '\0');
        char* inp = in.data();
        char* outp = out.data();
        std::size_t inLeft = in.size();
        std::size_t outLeft = out.size();
        std::size_t done = iconv(cd, &inp, &inLeft, &outp, &outLeft);
        iconv_close(cd);
        if (done != static_cast<std::size_t>(-1) && inLeft == 0) {
            out.resize(out.size() - outLeft);
            return "\"" + out + "\"";
        }
    }
    std::string r = "\"";
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F) {
            r += static_cast<char>(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            r += buf;
        }
    }
    return r + "\"";
}

std::string render(const Row& r) {
    std::ostringstream s;
    s << "t=" << r.time << "  ";
    switch (r.kind) {
    case EventKind::Post:
        s << "post " << r.target << " " << messageName(r.msg) << " w=" << r.wParam << " l=" << r.lParam;
        if (r.msg >= WM_MOUSEMOVE && r.msg <= WM_LBUTTONDBLCLK)
            s << " (" << (r.lParam & 0xFFFF) << "," << ((r.lParam >> 16) & 0xFFFF) << ")";
        break;
    case EventKind::Send:
        s << "send " << r.target << " " << messageName(r.msg) << " w=" << r.wParam;
        break;
    case EventKind::MouseEvent:
        s << "mouse_event " << hex(r.msg) << " dx=" << static_cast<std::int32_t>(r.wParam) << " dy=" << r.lParam;
        break;
    case EventKind::SetCursorPos:
        s << "SetCursorPos (" << static_cast<std::int32_t>(r.wParam) << "," << r.lParam << ")";
        break;
    case EventKind::WindowFromPoint:
        s << "WindowFromPoint (" << static_cast<std::int32_t>(r.wParam) << "," << r.lParam << ") -> " << r.target;
        break;
    case EventKind::FindWindow:
        s << "FindWindowExA class=" << readable(r.text) << " -> " << r.target;
        break;
    case EventKind::OpenClipboard: s << "OpenClipboard"; break;
    case EventKind::EmptyClipboard: s << "EmptyClipboard"; break;
    case EventKind::SetClipboardText: s << "SetClipboardText " << readable(r.text); break;
    case EventKind::CloseClipboard: s << "CloseClipboard"; break;
    case EventKind::MessageBox:
        s << "MessageBoxA owner=" << r.target << " text=" << readable(r.text) << " caption=" << readable(r.caption)
          << " flags=" << hex(r.msg);
        break;
    case EventKind::MessageBoxEnd: s << "MessageBoxA returns " << r.msg; break;
    }
    if (!r.ok) s << "  (failed)";
    return s.str();
}

Table effects(const SimDesktop& d) {
    Table t;
    for (const SimEvent& e : d.log())
        if (isEffect(e.kind)) t.push_back(rowOf(d, e));
    return t;
}

Table postsOnly(const SimDesktop& d) { return callsOf(d, EventKind::Post); }

Table callsOf(const SimDesktop& d, EventKind kind) {
    Table t;
    for (const SimEvent& e : d.log())
        if (e.kind == kind) t.push_back(rowOf(d, e));
    return t;
}

::testing::AssertionResult matchesTable(const Table& expected, const Table& actual) {
    std::vector<std::string> a, b;
    for (const Row& r : expected) a.push_back(render(r));
    for (const Row& r : actual) b.push_back(render(r));
    if (a == b) return ::testing::AssertionSuccess();
    // Longest common subsequence, then a unified listing: "-" expected only, "+" recorded only.
    std::size_t n = a.size(), m = b.size();
    std::vector<std::vector<std::size_t>> lcs(n + 1, std::vector<std::size_t>(m + 1, 0));
    for (std::size_t i = n; i-- > 0;)
        for (std::size_t j = m; j-- > 0;)
            lcs[i][j] = a[i] == b[j] ? lcs[i + 1][j + 1] + 1 : std::max(lcs[i + 1][j], lcs[i][j + 1]);
    std::ostringstream s;
    s << "recorded events differ from the table (" << n << " expected, " << m << " recorded)\n"
      << "  '-' expected but not recorded, '+' recorded but not expected\n";
    std::size_t i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && a[i] == b[j]) {
            s << "    " << a[i] << "\n";
            ++i;
            ++j;
        } else if (j < m && (i == n || lcs[i][j + 1] >= lcs[i + 1][j])) {
            s << "  + " << b[j++] << "\n";
        } else {
            s << "  - " << a[i++] << "\n";
        }
    }
    return ::testing::AssertionFailure() << s.str();
}

}  // namespace vantrelle::sim
