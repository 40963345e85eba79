// The end-to-end harness's eyes and hands inside Wine: a console program that reads one command
// per line on stdin and answers with one line of JSON on stdout. Texts travel as hexadecimal
// bytes in the ANSI code page (936 under LC_ALL=zh_CN.UTF-8), exactly as GetWindowTextA gives them.
//   windows                 every top-level window: handle, class, title, process, thread, rect, ...
//   children H              every descendant of H with the same fields, and the control id
//   tasklist                the window reached from the uploader's main window by the six steps
//   selected H              LVM_GETNEXTITEM(-1, LVNI_SELECTED) of a list view
//   post H MSG WPARAM LPARAM
//   key VK down|up|press    keybd_event
//   click X Y               SetCursorPos and a left mouse_event click
//   cursor                  GetCursorPos
//   clipboard               CF_TEXT bytes, or null
//   text H                  the window's text by WM_GETTEXT (also an edit control of another process)
//   settext H HEX           WM_SETTEXT
//   move H X Y              SetWindowPos to a screen point (no window manager on the test display)
//   threads PID             the process's thread count (toolhelp)
//   quit
#include <windows.h>

#include <commctrl.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

static std::string hex(const char* bytes, size_t n)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (size_t i = 0; i < n; ++i) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

static std::string unhex(const char* text)
{
    std::string out;
    for (size_t i = 0; text[i] && text[i + 1]; i += 2) {
        char pair[3] = {text[i], text[i + 1], 0};
        out += static_cast<char>(strtoul(pair, nullptr, 16));
    }
    return out;
}

static unsigned long long handleValue(HWND w)
{
    return static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(w));
}

static HWND toHandle(const char* text)
{
    return reinterpret_cast<HWND>(static_cast<uintptr_t>(strtoull(text, nullptr, 0)));
}

static std::string describe(HWND w)
{
    char cls[256] = {};
    char title[512] = {};
    GetClassNameA(w, cls, sizeof cls);
    int n = GetWindowTextA(w, title, sizeof title);
    DWORD pid = 0;
    DWORD tid = GetWindowThreadProcessId(w, &pid);
    RECT r = {};
    GetWindowRect(w, &r);
    POINT origin = {0, 0};
    ClientToScreen(w, &origin);
    RECT client = {};
    GetClientRect(w, &client);
    char buf[1024];
    snprintf(buf, sizeof buf,
             "{\"hwnd\":%llu,\"class\":\"%s\",\"title\":\"%s\",\"pid\":%lu,\"tid\":%lu,\"visible\":%d,"
             "\"enabled\":%d,\"rect\":[%ld,%ld,%ld,%ld],\"client\":[%ld,%ld,%ld,%ld],\"id\":%ld,"
             "\"parent\":%llu,\"owner\":%llu}",
             handleValue(w), hex(cls, strlen(cls)).c_str(), hex(title, size_t(n > 0 ? n : 0)).c_str(),
             static_cast<unsigned long>(pid), static_cast<unsigned long>(tid), IsWindowVisible(w) ? 1 : 0,
             IsWindowEnabled(w) ? 1 : 0, r.left, r.top, r.right, r.bottom, origin.x, origin.y,
             origin.x + client.right, origin.y + client.bottom, static_cast<long>(GetDlgCtrlID(w)),
             handleValue(GetAncestor(w, GA_PARENT)), handleValue(GetWindow(w, GW_OWNER)));
    return buf;
}

static BOOL CALLBACK collect(HWND w, LPARAM list)
{
    std::string* out = reinterpret_cast<std::string*>(list);
    if (out->size() > 1) *out += ",";
    *out += describe(w);
    return TRUE;
}

static void answer(const std::string& json)
{
    fputs(json.c_str(), stdout);
    fputc('\n', stdout);
    fflush(stdout);
}

static void keyEvent(BYTE vk, DWORD flags)
{
    keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)), flags, 0);
}

static void command(char* line)
{
    char* words[8] = {};
    int n = 0;
    for (char* w = strtok(line, " \t\r\n"); w && n < 8; w = strtok(nullptr, " \t\r\n")) words[n++] = w;
    if (n == 0) return answer("{\"error\":\"empty\"}");
    std::string cmd = words[0];
    if (cmd == "windows") {
        std::string out = "[";
        EnumWindows(collect, reinterpret_cast<LPARAM>(&out));
        return answer(out + "]");
    }
    if (cmd == "children" && n >= 2) {
        std::string out = "[";
        EnumChildWindows(toHandle(words[1]), collect, reinterpret_cast<LPARAM>(&out));
        return answer(out + "]");
    }
    if (cmd == "tasklist") {
        HWND w = FindWindowExA(nullptr, nullptr, "{3C021028-DFC7-4c31-9ABB-B98E813F05D5}", "酷6极速上传 3.8");
        std::string steps = "[" + std::to_string(handleValue(w));
        const UINT path[6] = {GW_CHILD, GW_CHILD, GW_HWNDNEXT, GW_CHILD, GW_HWNDNEXT, GW_CHILD};
        for (UINT step : path) {
            w = w ? GetWindow(w, step) : nullptr;
            steps += "," + std::to_string(handleValue(w));
        }
        return answer("{\"path\":" + steps + "],\"window\":" + (w ? describe(w) : std::string("null")) + "}");
    }
    if (cmd == "selected" && n >= 2) {
        LRESULT row = SendMessageA(toHandle(words[1]), LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED);
        return answer("{\"selected\":" + std::to_string(static_cast<long long>(row)) + "}");
    }
    if (cmd == "post" && n >= 5) {
        BOOL ok = PostMessageA(toHandle(words[1]), UINT(strtoul(words[2], nullptr, 0)),
                               WPARAM(strtoull(words[3], nullptr, 0)), LPARAM(strtoll(words[4], nullptr, 0)));
        return answer(std::string("{\"ok\":") + (ok ? "true" : "false") + "}");
    }
    if (cmd == "key" && n >= 3) {
        BYTE vk = static_cast<BYTE>(strtoul(words[1], nullptr, 0));
        std::string how = words[2];
        if (how == "down" || how == "press") keyEvent(vk, 0);
        if (how == "press") Sleep(30);
        if (how == "up" || how == "press") keyEvent(vk, KEYEVENTF_KEYUP);
        return answer("{\"ok\":true}");
    }
    if (cmd == "click" && n >= 3) {
        SetCursorPos(atoi(words[1]), atoi(words[2]));
        Sleep(20);
        mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
        Sleep(30);
        mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
        return answer("{\"ok\":true}");
    }
    if (cmd == "cursor") {
        POINT p = {};
        GetCursorPos(&p);
        return answer("{\"x\":" + std::to_string(p.x) + ",\"y\":" + std::to_string(p.y) + "}");
    }
    if (cmd == "clipboard") {
        std::string out = "{\"text\":null}";
        if (OpenClipboard(nullptr)) {
            HANDLE data = GetClipboardData(CF_TEXT);
            if (data) {
                const char* text = static_cast<const char*>(GlobalLock(data));
                if (text) out = "{\"text\":\"" + hex(text, strlen(text)) + "\"}";
                GlobalUnlock(data);
            }
            CloseClipboard();
        }
        return answer(out);
    }
    if (cmd == "text" && n >= 2) {
        static char buffer[65536];
        buffer[0] = 0;
        SendMessageA(toHandle(words[1]), WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
        return answer("{\"text\":\"" + hex(buffer, strlen(buffer)) + "\"}");
    }
    if (cmd == "settext" && n >= 2) {
        std::string text = n >= 3 ? unhex(words[2]) : std::string();
        SendMessageA(toHandle(words[1]), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        return answer("{\"ok\":true}");
    }
    if (cmd == "move" && n >= 4) {
        BOOL ok = SetWindowPos(toHandle(words[1]), nullptr, atoi(words[2]), atoi(words[3]), 0, 0,
                               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return answer(std::string("{\"ok\":") + (ok ? "true" : "false") + "}");
    }
    if (cmd == "threads" && n >= 2) {
        DWORD pid = DWORD(strtoul(words[1], nullptr, 0));
        HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
        THREADENTRY32 entry = {};
        entry.dwSize = sizeof entry;
        int count = 0;
        for (BOOL more = Thread32First(snap, &entry); more; more = Thread32Next(snap, &entry))
            if (entry.th32OwnerProcessID == pid) ++count;
        CloseHandle(snap);
        return answer("{\"threads\":" + std::to_string(count) + "}");
    }
    answer("{\"error\":\"unknown command\"}");
}

int main()
{
    char line[4096];
    answer("{\"ready\":true,\"codepage\":" + std::to_string(GetACP()) + "}");
    while (fgets(line, sizeof line, stdin)) {
        if (strncmp(line, "quit", 4) == 0) break;
        command(line);
    }
    return 0;
}
