// A stand-in for the uploader client that Vantrelle drives, for the end-to-end tests and the demo.
//   stand_in_uploader.exe <video list> <input log> <results>
// Closing its main window (WM_CLOSE) writes the results and ends it.
#include <windows.h>

#include <shellapi.h>

#include "tests/uploader/input_log.h"
#include "tests/uploader/uploader_state.h"

// Every input message any window of this thread takes from its queue, also inside the dialog's
// modal loop and the list views' own mouse tracking loops.
static LRESULT CALLBACK queueHook(int code, WPARAM removal, LPARAM lParam)
{
    const MSG* m = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && removal == PM_REMOVE && isInputMessage(m->message))
        logMessage(windowRole(m->hwnd), m->message, m->wParam, m->lParam, m->time);
    return CallNextHookEx(nullptr, code, removal, lParam);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc < 4) {
        MessageBoxW(nullptr, L"stand_in_uploader.exe <video list> <input log> <results>", L"stand-in", MB_OK);
        return 2;
    }
    uploader.videos = readVideoList(argv[1]);
    openInputLog(argv[2]);
    uploader.resultPath = argv[3];
    if (!createUploaderWindow(instance)) return 1;
    SetWindowsHookExW(WH_GETMESSAGE, queueHook, nullptr, GetCurrentThreadId());
    logEvent("main", "ready", uploader.videos.size(), 0);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
