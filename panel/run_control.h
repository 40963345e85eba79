// Start and stop of editing runs, each on a run thread of its own.
#pragma once

#include <windows.h>

#include "platform/window_system.h"

namespace vantrelle {

// Handle of the run thread started last; 0 until the first start. UI thread only.
extern HANDLE runThreadHandle;

// Starts a new run thread running an editing run with readCountText as its count source.
void startRun();
// Raises the stop request of the run started last; earlier runs go on.
void stopRun();
// The routine of a run thread; owns the run's stop request.
DWORD WINAPI runThreadEntry(LPVOID runStart);
// The live text of the count box, from any thread (the UI thread answers the request).
AnsiText readCountText();

}  // namespace vantrelle
