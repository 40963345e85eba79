// The editing run: one pass over the uploader's task list, video after video, each item paced
// by fixed waits (9000 ms in all). Input only ever goes to the uploader's windows: a dialog of
// another process, or a window under the cursor outside the dialog, ends the run.
#include "engine/editing_run.h"

#include <cmath>

#include "engine/synthetic_input.h"
#include "engine/target_windows.h"
#include "engine/window_messages.h"

namespace vantrelle {

const char* const kCompletionText = "视频编辑完毕！";
const char* const kCompletionCaption = "信息：";

namespace {

constexpr ClientPoint kTaskListPoint{155, 31};
constexpr ClientPoint kFirstFieldPoint{301, 20};
constexpr ClientPoint kSecondFieldPoint{350, 86};
constexpr ClientPoint kThirdFieldPoint{350, 152};
constexpr ClientPoint kChooserPoint{229, 204};
constexpr ClientPoint kClosingPoint{300, 239};
constexpr int kPress = 3;
constexpr int kRelease = 4;
constexpr double kCompletionTolerance = 0.0000001;

// What one run holds between its steps.
struct Run {
    WindowSystem& ws;
    const CountSource& countSource;
    const StopRequest& stop;
    WindowHandle taskList = 0;
    WindowHandle dialog = 0;
};

bool stopped(const Run& run) { return run.stop.raised.load(); }

// The wait after a step; false when the run was stopped before or during it.
bool waitAfter(Run& run, std::uint32_t ms) { return !stopped(run) && run.ws.Sleep(ms, run.stop) && !stopped(run); }

// The current item's dialog, or a window inside it.
bool insideDialog(Run& run, WindowHandle window) {
    return run.dialog != 0 && window != 0 && (window == run.dialog || run.ws.IsChild(run.dialog, window));
}

// The dialog must exist and belong to the uploader that owns the task list.
bool dialogIsUploaders(Run& run) {
    if (run.dialog == 0 || run.taskList == 0) return false;
    const std::uint32_t uploader = run.ws.GetWindowThreadProcessId(run.taskList);
    return uploader != 0 && run.ws.GetWindowThreadProcessId(run.dialog) == uploader;
}

void moveCursorInDialog(Run& run, ClientPoint point) { moveCursorToClient(run.ws, run.dialog, point.x, point.y); }

// The field under the cursor, or 0 when the window there is not part of the dialog.
WindowHandle dialogWindowUnderCursor(Run& run) {
    const WindowHandle window = windowUnderCursor(run.ws);
    return insideDialog(run, window) ? window : 0;
}

// Types the entry text into a field at a dialog point: cursor move, lookup, typing, each
// followed by its wait. False when the run must end.
bool typeIntoFieldAt(Run& run, ClientPoint point, const AnsiText& entryText, std::uint32_t waitAfterTyping) {
    moveCursorInDialog(run, point);
    if (!waitAfter(run, 100)) return false;
    const WindowHandle field = dialogWindowUnderCursor(run);
    if (field == 0 || !waitAfter(run, 100)) return false;
    if (!insideDialog(run, field)) return false;
    typeText(run.ws, field, entryText);
    return waitAfter(run, waitAfterTyping);
}

// A key press and its release on a window, each followed by its wait.
bool pressAndRelease(Run& run, WindowHandle window, int key, std::uint32_t waitAfterPress,
                     std::uint32_t waitAfterRelease) {
    postKey(run.ws, window, key, kPress);
    if (!waitAfter(run, waitAfterPress)) return false;
    postKey(run.ws, window, key, kRelease);
    return waitAfterRelease == 0 ? !stopped(run) : waitAfter(run, waitAfterRelease);
}

// A system click at a dialog point, only when the window under the cursor is the dialog's.
bool systemClickInDialog(Run& run) {
    if (dialogWindowUnderCursor(run) == 0) return false;
    systemClick(run.ws, 1);
    return true;
}

// One video, from opening its dialog to moving the selection on. False when the run must end.
bool editItem(Run& run, std::int32_t index) {
    WindowSystem& ws = run.ws;
    if (!waitAfter(run, 100)) return false;
    if (!pressAndRelease(run, run.taskList, VK_RETURN, 100, 1000)) return false;

    run.dialog = findWindowByTitlePart(ws, kDialogTitlePart, kDialogClass);
    if (!dialogIsUploaders(run) || !waitAfter(run, 100)) return false;

    moveCursorInDialog(run, kFirstFieldPoint);
    const WindowHandle firstField = dialogWindowUnderCursor(run);
    if (firstField == 0) return false;
    const AnsiText entryText = cutEntryText(readFieldText(ws, firstField));
    putOnClipboard(ws, entryText);
    if (!waitAfter(run, 500)) return false;

    if (!insideDialog(run, firstField)) return false;
    postKey(ws, firstField, VK_BACK, kPress);
    if (!waitAfter(run, 2000)) return false;
    if (!insideDialog(run, firstField)) return false;
    typeText(ws, firstField, entryText);
    if (!waitAfter(run, 100)) return false;

    if (!typeIntoFieldAt(run, kSecondFieldPoint, entryText, 100)) return false;
    if (!typeIntoFieldAt(run, kThirdFieldPoint, entryText, 1000)) return false;

    moveCursorInDialog(run, kChooserPoint);
    if (!waitAfter(run, 100)) return false;
    if (!systemClickInDialog(run)) return false;
    const WindowHandle chooser = dialogWindowUnderCursor(run);
    if (chooser == 0 || !waitAfter(run, 500)) return false;
    if (!pressAndRelease(run, chooser, VK_DOWN, 100, 100)) return false;
    if (!pressAndRelease(run, chooser, VK_RETURN, 100, 500)) return false;

    moveCursorInDialog(run, kClosingPoint);
    if (!waitAfter(run, 100)) return false;
    if (!systemClickInDialog(run) || !waitAfter(run, 2000)) return false;
    if (!pressAndRelease(run, run.taskList, VK_DOWN, 100, 0)) return false;

    // Completion test: the count read again, this time without truncation.
    const double count = readCountValue(run.countSource());
    if (std::fabs(count - index) <= kCompletionTolerance && !stopped(run)) {
        ws.MessageBoxA(0, kCompletionText, kCompletionCaption, MB_TASKMODAL, run.stop);
    }
    return !stopped(run);
}

}  // namespace

void EditingRun(WindowSystem& ws, const CountSource& countSource, const StopRequest& stop) {
    Run run{ws, countSource, stop};
    if (stopped(run)) return;
    run.taskList = findTaskList(ws);
    postMouseClick(ws, run.taskList, kTaskListPoint, 1);
    if (!waitAfter(run, 100)) return;

    const std::int32_t itemCount = toItemCount(readCountValue(countSource()));
    for (std::int32_t index = 1; index <= itemCount; ++index) {
        if (!editItem(run, index) || index == itemCount) return;
    }
}

}  // namespace vantrelle
