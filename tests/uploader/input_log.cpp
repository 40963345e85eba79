#include "tests/uploader/input_log.h"

#include <cstdio>

static FILE* logFile;
static LARGE_INTEGER clockStart;
static LARGE_INTEGER clockFrequency;

void openInputLog(const wchar_t* path)
{
    QueryPerformanceFrequency(&clockFrequency);
    QueryPerformanceCounter(&clockStart);
    logFile = path ? _wfopen(path, L"wb") : nullptr;
}

double clockMs()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return double(now.QuadPart - clockStart.QuadPart) * 1000.0 / double(clockFrequency.QuadPart);
}

static const char* messageName(UINT msg)
{
    switch (msg) {
    case WM_KEYDOWN: return "WM_KEYDOWN";
    case WM_KEYUP: return "WM_KEYUP";
    case WM_CHAR: return "WM_CHAR";
    case WM_SYSKEYDOWN: return "WM_SYSKEYDOWN";
    case WM_SYSKEYUP: return "WM_SYSKEYUP";
    case WM_SYSCHAR: return "WM_SYSCHAR";
    case WM_DEADCHAR: return "WM_DEADCHAR";
    case WM_MOUSEMOVE: return "WM_MOUSEMOVE";
    case WM_LBUTTONDOWN: return "WM_LBUTTONDOWN";
    case WM_LBUTTONUP: return "WM_LBUTTONUP";
    case WM_LBUTTONDBLCLK: return "WM_LBUTTONDBLCLK";
    case WM_RBUTTONDOWN: return "WM_RBUTTONDOWN";
    case WM_RBUTTONUP: return "WM_RBUTTONUP";
    case WM_MBUTTONDOWN: return "WM_MBUTTONDOWN";
    case WM_MBUTTONUP: return "WM_MBUTTONUP";
    case WM_MOUSEWHEEL: return "WM_MOUSEWHEEL";
    case WM_NCMOUSEMOVE: return "WM_NCMOUSEMOVE";
    case WM_NCLBUTTONDOWN: return "WM_NCLBUTTONDOWN";
    case WM_NCLBUTTONUP: return "WM_NCLBUTTONUP";
    case WM_NCLBUTTONDBLCLK: return "WM_NCLBUTTONDBLCLK";
    case WM_NCRBUTTONDOWN: return "WM_NCRBUTTONDOWN";
    case WM_NCRBUTTONUP: return "WM_NCRBUTTONUP";
    case WM_MOUSEHOVER: return "WM_MOUSEHOVER";
    case WM_MOUSELEAVE: return "WM_MOUSELEAVE";
    default: return "input";
    }
}

bool isInputMessage(UINT msg)
{
    return (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) || (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) ||
           (msg >= WM_NCMOUSEMOVE && msg <= WM_NCXBUTTONDBLCLK) || msg == WM_MOUSEHOVER ||
           msg == WM_MOUSELEAVE;
}

static void writeLine(double at, DWORD msgTime, const char* role, UINT msg, const char* name, WPARAM wParam,
                      LPARAM lParam)
{
    if (!logFile) return;
    fprintf(logFile, "%.3f\t%lu\t%s\t0x%04x\t%s\t0x%llx\t0x%llx\n", at, static_cast<unsigned long>(msgTime), role,
            msg, name, static_cast<unsigned long long>(wParam), static_cast<unsigned long long>(lParam));
    fflush(logFile);
}

void logMessage(const char* role, UINT msg, WPARAM wParam, LPARAM lParam, DWORD msgTime)
{
    writeLine(clockMs(), msgTime, role, msg, messageName(msg), wParam, lParam);
}

void logEvent(const char* role, const char* name, WPARAM wParam, LPARAM lParam)
{
    writeLine(clockMs(), 0, role, 0, name, wParam, lParam);
}
