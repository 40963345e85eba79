// A small Win32 tool for the tests under Wine: finds and describes windows, tries the F10
// hotkey, and sends real mouse and keyboard input. Every answer is one line of JSON on stdout.
//
//   probe find <class|-> <title|->        the window (0 when none), as {"hwnd": ...}
//   probe inspect <class|-> <title|->     the window with its rectangles, styles and children
//   probe hotkey-f10                       whether F10 without modifiers can be registered
//   probe click <x> <y>                    cursor to the screen point, left button down and up
//   probe key <vk> [<vk> ...]              each virtual key pressed and released
//   probe cursor                           the cursor position
//   probe close <class|-> <title|->        posts WM_CLOSE to the window, as its close box does
//   probe focus                            the control with the keyboard focus in the foreground
//   probe post-chars <hwnd> <hex bytes>    one posted WM_CHAR per byte (code page 936 text)
//
// Titles and classes ("-" for any) are compared as code page 936 bytes; texts are printed in
// UTF-8 and as hex of their code page 936 bytes. Texts are read with WM_GETTEXT, so an edit
// control's live text is seen (GetWindowTextA would give another process only the text the
// control was created with). Under Wine 8, WM_GETFONT answers 0 across processes, so "font" is
// null there; the smoke test judges fonts from the screenshot instead.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string convert(const std::string& text, UINT from, UINT to) {
    if (text.empty()) return text;
    const int wideLength = ::MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    ::MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), &wide[0], wideLength);
    const int length = ::WideCharToMultiByte(to, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(to, 0, wide.data(), wideLength, &result[0], length, nullptr, nullptr);
    return result;
}

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string hexOf(const std::string& bytes) {
    std::string out;
    char pair[3];
    for (unsigned char c : bytes) {
        std::snprintf(pair, sizeof pair, "%02x", c);
        out += pair;
    }
    return out;
}

// Asks the window's thread, giving up after 2 s so that a hung program cannot hang the probe.
LRESULT askWindow(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutA(window, msg, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &result)) return 0;
    return static_cast<LRESULT>(result);
}

std::string windowText(HWND window) {
    const int length = static_cast<int>(askWindow(window, WM_GETTEXTLENGTH, 0, 0));
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = static_cast<int>(askWindow(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&text[0])));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

std::string className(HWND window) {
    char name[256] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

std::string rectJson(const RECT& r) {
    char out[128];
    std::snprintf(out, sizeof out, "[%ld, %ld, %ld, %ld]", static_cast<long>(r.left), static_cast<long>(r.top),
                  static_cast<long>(r.right - r.left), static_cast<long>(r.bottom - r.top));
    return out;
}

std::string textFields(const std::string& text) {
    return "\"text\": " + jsonString(convert(text, 936, CP_UTF8)) + ", \"text_hex\": \"" + hexOf(text) + "\"";
}

std::string fontJson(HWND window) {
    HFONT font = reinterpret_cast<HFONT>(askWindow(window, WM_GETFONT, 0, 0));
    if (!font) return "null";
    const bool isGuiFont = font == static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    char handle[96];
    std::snprintf(handle, sizeof handle, "{\"handle\": %llu, \"default_gui_font\": %s",
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(font)), isGuiFont ? "true" : "false");
    LOGFONTA logFont{};
    // Fonts of another process can be described only where GDI handles are shared.
    if (!::GetObjectA(font, sizeof logFont, &logFont)) return std::string(handle) + "}";
    char numbers[160];
    std::snprintf(numbers, sizeof numbers, "\"height\": %ld, \"weight\": %ld, \"italic\": %d, \"underline\": %d",
                  static_cast<long>(logFont.lfHeight), static_cast<long>(logFont.lfWeight), logFont.lfItalic,
                  logFont.lfUnderline);
    return std::string(handle) + ", \"face\": " + jsonString(convert(logFont.lfFaceName, 936, CP_UTF8)) + ", " +
           numbers + "}";
}

std::string windowJson(HWND window) {
    char head[256];
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    std::snprintf(head, sizeof head, "\"hwnd\": %llu, \"pid\": %lu, \"id\": %ld, \"style\": %lu, \"exstyle\": %lu",
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)),
                  static_cast<unsigned long>(processId), static_cast<long>(::GetWindowLongPtrA(window, GWLP_ID)),
                  static_cast<unsigned long>(::GetWindowLongA(window, GWL_STYLE)),
                  static_cast<unsigned long>(::GetWindowLongA(window, GWL_EXSTYLE)));
    RECT outer{}, client{};
    ::GetWindowRect(window, &outer);
    ::GetClientRect(window, &client);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    // Position inside the parent's client area (screen position for a top-level window).
    RECT inParent = outer;
    HWND parent = ::GetParent(window);
    if (parent && (::GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&inParent), 2);
    return std::string("{") + head + ", \"class\": " + jsonString(className(window)) + ", " +
           textFields(windowText(window)) + ", \"rect\": " + rectJson(outer) + ", \"rect_in_parent\": " +
           rectJson(inParent) + ", \"client\": " + rectJson(client) + ", \"client_origin\": [" +
           std::to_string(origin.x) + ", " + std::to_string(origin.y) + "], \"visible\": " +
           (::IsWindowVisible(window) ? "true" : "false") + ", \"enabled\": " +
           (::IsWindowEnabled(window) ? "true" : "false") + ", \"font\": " + fontJson(window) + "}";
}

// "-" stands for none.
bool argumentText(const std::string& argument, std::string& text) {
    if (argument == "-") return false;
    text = argument;
    return true;
}

// The command line as code page 936 texts, whatever the ANSI code page of the session.
std::vector<std::string> commandLine() {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 0; wide && i < count; ++i) {
        const int length = ::WideCharToMultiByte(936, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(static_cast<size_t>(length > 0 ? length : 1), '\0');
        ::WideCharToMultiByte(936, 0, wide[i], -1, &arg[0], length, nullptr, nullptr);
        arg.resize(arg.size() - 1);
        args.push_back(arg);
    }
    if (wide) ::LocalFree(wide);
    return args;
}

HWND findWindow(const std::string& classArgument, const std::string& titleArgument) {
    std::string windowClass, title;
    const bool hasClass = argumentText(classArgument, windowClass);
    const bool hasTitle = argumentText(titleArgument, title);
    return ::FindWindowExA(nullptr, nullptr, hasClass ? windowClass.c_str() : nullptr,
                           hasTitle ? title.c_str() : nullptr);
}

int inspect(HWND window) {
    if (!window) {
        std::printf("{\"hwnd\": 0}\n");
        return 0;
    }
    std::string out = windowJson(window);
    out.pop_back();
    out += ", \"children\": [";
    // Direct children in z-order.
    bool first = true;
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        out += (first ? "" : ", ") + windowJson(child);
        first = false;
    }
    std::printf("%s]}\n", out.c_str());
    return 0;
}

int tryHotkeyF10() {
    if (::RegisterHotKey(nullptr, 1, 0, VK_F10)) {
        ::UnregisterHotKey(nullptr, 1);
        std::printf("{\"registered\": true, \"error\": 0}\n");
    } else {
        std::printf("{\"registered\": false, \"error\": %lu}\n", static_cast<unsigned long>(::GetLastError()));
    }
    return 0;
}

int click(int x, int y) {
    ::SetCursorPos(x, y);
    ::Sleep(50);
    ::mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    ::Sleep(50);
    ::mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    ::Sleep(50);
    POINT cursor{};
    ::GetCursorPos(&cursor);
    std::printf("{\"cursor\": [%ld, %ld]}\n", static_cast<long>(cursor.x), static_cast<long>(cursor.y));
    return 0;
}

int pressKeys(const std::vector<std::string>& keys) {
    const int count = static_cast<int>(keys.size());
    for (int i = 0; i < count; ++i) {
        const BYTE vk = static_cast<BYTE>(std::strtol(keys[i].c_str(), nullptr, 0));
        ::keybd_event(vk, static_cast<BYTE>(::MapVirtualKeyA(vk, 0)), 0, 0);
        ::Sleep(30);
        ::keybd_event(vk, static_cast<BYTE>(::MapVirtualKeyA(vk, 0)), KEYEVENTF_KEYUP, 0);
        ::Sleep(30);
    }
    std::printf("{\"keys\": %d}\n", count);
    return 0;
}

int usage() {
    std::fprintf(stderr, "usage: probe find|inspect <class|-> <title|->; hotkey-f10; click <x> <y>; key <vk>...; cursor\n");
    return 2;
}

}  // namespace

int main() {
    const std::vector<std::string> args = commandLine();
    const int argc = static_cast<int>(args.size());
    if (argc < 2) return usage();
    const std::string& command = args[1];
    if ((command == "find" || command == "inspect") && argc == 4) {
        HWND window = findWindow(args[2], args[3]);
        if (command == "inspect") return inspect(window);
        std::printf("{\"hwnd\": %llu}\n", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
        return 0;
    }
    if (command == "close" && argc == 4) {
        HWND window = findWindow(args[2], args[3]);
        const bool posted = window && ::PostMessageA(window, WM_CLOSE, 0, 0);
        std::printf("{\"hwnd\": %llu, \"posted\": %s}\n", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)),
                    posted ? "true" : "false");
        return 0;
    }
    if (command == "focus") {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        HWND focus = ::GetGUIThreadInfo(0, &info) ? info.hwndFocus : nullptr;
        if (focus) std::printf("%s\n", windowJson(focus).c_str());
        else std::printf("{\"hwnd\": 0}\n");
        return 0;
    }
    if (command == "post-chars" && argc == 4) {
        HWND window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(args[2].c_str(), nullptr, 0)));
        const std::string& hex = args[3];
        int posted = 0;
        for (size_t i = 0; i + 1 < hex.size(); i += 2) {
            const unsigned long byte = std::strtoul(hex.substr(i, 2).c_str(), nullptr, 16);
            if (::PostMessageA(window, WM_CHAR, byte, 1)) ++posted;
        }
        std::printf("{\"posted\": %d}\n", posted);
        return 0;
    }
    if (command == "hotkey-f10") return tryHotkeyF10();
    if (command == "click" && argc == 4) return click(std::atoi(args[2].c_str()), std::atoi(args[3].c_str()));
    if (command == "key" && argc >= 3) return pressKeys(std::vector<std::string>(args.begin() + 2, args.end()));
    if (command == "cursor") {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        std::printf("{\"cursor\": [%ld, %ld]}\n", static_cast<long>(cursor.x), static_cast<long>(cursor.y));
        return 0;
    }
    return usage();
}
