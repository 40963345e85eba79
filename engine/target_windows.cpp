// Finding the uploader's task list and its dialogs, and reading window texts.
#include "engine/target_windows.h"

#include <cstdint>
#include <string>
#include <vector>

#include "engine/window_messages.h"

namespace vantrelle {

const char* const kUploaderClass = "{3C021028-DFC7-4c31-9ABB-B98E813F05D5}";
const char* const kUploaderTitle = "酷6极速上传 3.8";
const char* const kDialogClass = "#32770";
const char* const kDialogTitlePart = "视频信息";

namespace {

constexpr int kTitleBufferSize = 256;
constexpr std::intptr_t kFieldTextLimit = 50000;

// Byte search that tries a match only where a character starts: a byte with its high bit set
// begins a two-byte character, so the byte after it is stepped over.
bool containsAtCharacterStart(const AnsiText& text, const AnsiText& fragment) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, fragment.size(), fragment) == 0) return true;
        i += (static_cast<unsigned char>(text[i]) & 0x80) ? 2 : 1;
    }
    return fragment.empty();
}

// Length of the text's leading whole characters: a lone first byte at the end is left out.
std::size_t wholeCharactersLength(const AnsiText& text) {
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t width = (static_cast<unsigned char>(text[end]) & 0x80) ? 2 : 1;
        if (end + width > text.size()) break;
        end += width;
    }
    return end;
}

// The buffer's bytes up to its first terminator.
AnsiText upToTerminator(const std::vector<char>& buffer) {
    std::size_t n = 0;
    while (n < buffer.size() && buffer[n] != '\0') ++n;
    return AnsiText(buffer.data(), n);
}

}  // namespace

WindowHandle findTaskList(WindowSystem& ws) {
    WindowHandle window = ws.FindWindowExA(0, 0, kUploaderClass, kUploaderTitle);
    const unsigned path[] = {GW_CHILD, GW_CHILD, GW_HWNDNEXT, GW_CHILD, GW_HWNDNEXT, GW_CHILD};
    for (unsigned step : path) {
        window = window ? ws.GetWindow(window, step) : 0;
    }
    return window;
}

WindowHandle findWindowByTitlePart(WindowSystem& ws, const AnsiText& fragment, const char* className) {
    WindowHandle preceding = 0;
    for (;;) {
        WindowHandle window = ws.FindWindowExA(0, preceding, className, nullptr);
        if (window == 0 || static_cast<std::int32_t>(static_cast<std::uint32_t>(window)) < 0) {
            return 0;
        }
        if (containsAtCharacterStart(readWindowTitle(ws, window), fragment)) {
            return window;
        }
        preceding = window;
    }
}

AnsiText readWindowTitle(WindowSystem& ws, WindowHandle window) {
    std::vector<char> buffer(kTitleBufferSize + 1, ' ');
    buffer[kTitleBufferSize] = '\0';
    ws.GetWindowTextA(window, buffer.data(), kTitleBufferSize);
    return upToTerminator(buffer);
}

WindowHandle windowUnderCursor(WindowSystem& ws) {
    ScreenPoint cursor;
    ws.GetCursorPos(cursor);
    return ws.WindowFromPoint(cursor);
}

AnsiText readFieldText(WindowSystem& ws, WindowHandle window) {
    const std::intptr_t length = ws.SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    if (length < kFieldTextLimit) {
        // n = length + 1 bytes are asked for; a negative length from a misbehaving window
        // leaves room for the terminator only.
        const std::size_t n = length >= 0 ? static_cast<std::size_t>(length) + 1 : 0;
        std::vector<char> buffer(n + 1, ' ');
        buffer[n] = '\0';
        ws.SendMessageA(window, WM_GETTEXT, n, reinterpret_cast<std::intptr_t>(buffer.data()));
        return upToTerminator(buffer);
    }
    std::vector<char> buffer(kFieldTextLimit + 1, ' ');
    buffer[kFieldTextLimit] = '\0';
    ws.SendMessageA(window, WM_GETTEXT, kFieldTextLimit + 1, reinterpret_cast<std::intptr_t>(buffer.data()));
    AnsiText text = upToTerminator(buffer);
    // The limit may have cut a double-byte character in two: drop its lone first byte, but
    // keep a character that ends exactly at the limit.
    text.resize(wholeCharactersLength(text));
    // The count left out is the reported length plus one, less the limit.
    const unsigned long long leftOut = static_cast<unsigned long long>(length) + 1 - kFieldTextLimit;
    text += "...后面略掉";
    text += std::to_string(leftOut);
    text += "个字符...";
    return text;
}

}  // namespace vantrelle
