#include "panel/run_control.h"

#include <mmsystem.h>

#include <memory>

#include "engine/editing_run.h"
#include "panel/control_ids.h"
#include "panel/main_window.h"
#include "platform/win32_window_system.h"

namespace vantrelle {

HANDLE runThreadHandle = nullptr;

namespace {

// What a run thread receives: the stop request it shares with the panel.
struct RunStart {
    std::shared_ptr<StopRequest> stop;
};

// Stop request of the run started last; UI thread only.
std::shared_ptr<StopRequest> latestRunStop;

}  // namespace

DWORD WINAPI runThreadEntry(LPVOID runStart) {
    std::unique_ptr<RunStart> start(static_cast<RunStart*>(runStart));
    // Waits of 1 ms precision instead of the 15.6 ms system tick, for as long as the run lasts.
    ::timeBeginPeriod(1);
    Win32WindowSystem ws;
    EditingRun(ws, readCountText, *start->stop);
    ::timeEndPeriod(1);
    return 0;
}

void startRun() {
    auto stop = std::make_shared<StopRequest>();
    auto* start = new RunStart{stop};
    HANDLE thread = ::CreateThread(nullptr, 0, runThreadEntry, start, 0, nullptr);
    if (!thread) delete start;
    // Only the latest run can be stopped; the earlier handle is never used again.
    if (runThreadHandle) ::CloseHandle(runThreadHandle);
    runThreadHandle = thread;
    latestRunStop = thread ? stop : nullptr;
}

void stopRun() {
    if (latestRunStop) raiseStop(*latestRunStop, runThreadHandle);
}

AnsiText readCountText() {
    HWND countBox = ::GetDlgItem(mainWindowHandle, 编辑框1);
    const int length = ::GetWindowTextLengthA(countBox);
    if (length <= 0) return AnsiText();
    AnsiText text(static_cast<size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(countBox, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

}  // namespace vantrelle
