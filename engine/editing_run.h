// The editing run: video after video, open the information dialog, cut the title to 48 bytes,
// type it into three fields, pick the next category, close the dialog, move to the next video.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/window_system.h"

namespace vantrelle {

// Yields the live text of the count box.
using CountSource = std::function<AnsiText()>;

// Performs one run; returns when it ends, after its last item, at a stop, or when a safety
// check fails (input would reach a window that is not the uploader's).
void EditingRun(WindowSystem& ws, const CountSource& countSource, const StopRequest& stop);

// The count text read as a decimal number from its start; full-width ASCII forms and the
// ideographic space count as their ASCII characters. A text without digits gives 0.
double readCountValue(const AnsiText& countText);
// The value truncated toward zero to a 32-bit count, clamped to the 32-bit range; 0 when not finite.
std::int32_t toItemCount(double value);
// The first 48 bytes of the source, or fewer so that no double-byte character is split.
AnsiText cutEntryText(const AnsiText& source);
// Puts the text on the clipboard as CF_TEXT; does nothing when the clipboard cannot be opened.
void putOnClipboard(WindowSystem& ws, const AnsiText& text);

extern const char* const kCompletionText;     // "视频编辑完毕！"
extern const char* const kCompletionCaption;  // "信息："

}  // namespace vantrelle
