// The entry text typed into the dialog's fields, and its copy on the clipboard.
#include "engine/editing_run.h"

namespace vantrelle {

namespace {
constexpr std::size_t kEntryTextLimit = 48;
}

AnsiText cutEntryText(const AnsiText& source) {
    // Whole characters only: a byte with its high bit set starts a two-byte character. Typing
    // half a character would lose it and spoil the first character typed into the next field.
    std::size_t end = 0;
    while (end < source.size()) {
        const std::size_t width = (static_cast<unsigned char>(source[end]) & 0x80) ? 2 : 1;
        if (end + width > kEntryTextLimit || end + width > source.size()) break;
        end += width;
    }
    return source.substr(0, end);
}

void putOnClipboard(WindowSystem& ws, const AnsiText& text) {
    if (!ws.OpenClipboard(0)) return;
    ws.EmptyClipboard();
    ws.SetClipboardText(text);
    ws.CloseClipboard();
}

}  // namespace vantrelle
