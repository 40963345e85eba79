// Finding the uploader's windows and reading their texts.
#pragma once

#include "platform/window_system.h"

namespace vantrelle {

extern const char* const kUploaderClass;       // "{3C021028-DFC7-4c31-9ABB-B98E813F05D5}"
extern const char* const kUploaderTitle;       // "酷6极速上传 3.8"
extern const char* const kDialogClass;         // "#32770"
extern const char* const kDialogTitlePart;     // "视频信息"

// The uploader's task list, or 0.
WindowHandle findTaskList(WindowSystem& ws);
// The topmost top-level window of the class whose title contains fragment, or 0.
WindowHandle findWindowByTitlePart(WindowSystem& ws, const AnsiText& fragment, const char* className);
// The window's title, at most 255 bytes.
AnsiText readWindowTitle(WindowSystem& ws, WindowHandle window);
// The window under the cursor, or 0.
WindowHandle windowUnderCursor(WindowSystem& ws);
// The window's text; beyond 50000 bytes, its first 50000 bytes and a marker with the rest's count.
AnsiText readFieldText(WindowSystem& ws, WindowHandle window);

}  // namespace vantrelle
