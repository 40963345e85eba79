// A window of another program that must never receive Vantrelle's input. It logs every message
// its window procedure receives and every input message taken from its queue.
//   bystander.exe <log> X Y W H        a topmost window at a fixed screen rectangle
//   bystander.exe <log> cover          waits for the video-information dialog and lies over its
//                                      tags field (client point 350, 86)
// Line: clock-ms <TAB> source (proc|queue|event) <TAB> message-number <TAB> wParam <TAB> lParam
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cwchar>

static FILE* logFile;
static LARGE_INTEGER clockStart, clockFrequency;
static bool coverDialog;
static int coverings;
static int ticksSinceCovered;

static void logLine(const char* source, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!logFile) return;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    double ms = double(now.QuadPart - clockStart.QuadPart) * 1000.0 / double(clockFrequency.QuadPart);
    fprintf(logFile, "%.3f\t%s\t0x%04x\t0x%llx\t0x%llx\n", ms, source, msg, static_cast<unsigned long long>(wParam),
            static_cast<unsigned long long>(lParam));
    fflush(logFile);
}

static HWND findDialog()
{
    for (HWND w = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); w;
         w = FindWindowExW(nullptr, w, L"#32770", nullptr)) {
        wchar_t title[256] = {};
        GetWindowTextW(w, title, 256);
        if (wcsstr(title, L"视频信息")) return w;
    }
    return nullptr;
}

// Lies over the tags field once the dialog is on screen, and again a little later, so that it
// stays above the dialog however the dialog was raised.
static void coverTagsField(HWND self)
{
    HWND dialog = findDialog();
    if (!dialog || !IsWindowVisible(dialog)) return;
    POINT p = {350, 86};
    ClientToScreen(dialog, &p);
    // Hidden and shown again: Wine maps a window anew on top of the X stack, whereas a window
    // that is already topmost is not restacked, and the dialog mapped after it would hide it.
    SetWindowPos(self, HWND_TOPMOST, p.x - 40, p.y - 12, 80, 24, SWP_NOACTIVATE | SWP_HIDEWINDOW);
    SetWindowPos(self, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    if (coverings == 0) logLine("event", 0, WPARAM(p.x), LPARAM(p.y));
    ++coverings;
}

static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    logLine("proc", msg, wParam, lParam);
    switch (msg) {
    case WM_TIMER:
        if (coverings == 0) {
            coverTagsField(hwnd);
        } else if (++ticksSinceCovered % 20 == 0) {
            coverTagsField(hwnd);
            if (coverings >= 3) KillTimer(hwnd, 1);
        }
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT r;
        GetClientRect(hwnd, &r);
        HBRUSH brush = CreateSolidBrush(RGB(255, 200, 0));
        FillRect(dc, &r, brush);
        DeleteObject(brush);
        SetBkMode(dc, TRANSPARENT);
        DrawTextW(dc, L"bystander", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

static LRESULT CALLBACK queueHook(int code, WPARAM removal, LPARAM lParam)
{
    const MSG* m = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && removal == PM_REMOVE) logLine("queue", m->message, m->wParam, m->lParam);
    return CallNextHookEx(nullptr, code, removal, lParam);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc < 3) return 2;
    QueryPerformanceFrequency(&clockFrequency);
    QueryPerformanceCounter(&clockStart);
    logFile = _wfopen(argv[1], L"wb");
    coverDialog = wcscmp(argv[2], L"cover") == 0;
    int x = 0, y = 0, w = 80, h = 24;
    if (!coverDialog && argc >= 6) {
        x = _wtoi(argv[2]);
        y = _wtoi(argv[3]);
        w = _wtoi(argv[4]);
        h = _wtoi(argv[5]);
    }
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"VantrelleBystander";
    RegisterClassExW(&wc);
    HWND self = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, wc.lpszClassName, L"bystander",
                                WS_POPUP | WS_BORDER, x, y, w, h, nullptr, nullptr, instance, nullptr);
    if (!self) return 1;
    SetWindowsHookExW(WH_GETMESSAGE, queueHook, nullptr, GetCurrentThreadId());
    // Shown from the start (in cover mode at the screen's bottom-left corner until the dialog
    // appears): under Wine a window first shown by SetWindowPos stays off the X screen.
    if (coverDialog) {
        SetWindowPos(self, HWND_TOPMOST, 0, GetSystemMetrics(SM_CYSCREEN) - h, w, h, SWP_NOACTIVATE);
        SetTimer(self, 1, 15, nullptr);
    }
    ShowWindow(self, SW_SHOWNOACTIVATE);
    logLine("event", 1, 0, 0);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (logFile) fclose(logFile);
    return 0;
}
