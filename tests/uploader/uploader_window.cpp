// The stand-in's main window: a file pane (search field, file list with check boxes, select-all,
// invert, green Add button) and a task pane (tab, start, pause, delete, the task list). The
// children are nested so that first child, first child, next sibling, first child, next sibling,
// first child leads from the main window to the task list.
#include <windows.h>

#include <commctrl.h>

#include <cwchar>

#include "tests/uploader/input_log.h"
#include "tests/uploader/uploader_state.h"

static const wchar_t kMainClass[] = L"{3C021028-DFC7-4c31-9ABB-B98E813F05D5}";
static const wchar_t kPaneClass[] = L"StandInPane";
static const int kClientWidth = 1000;
static const int kClientHeight = 620;
static const int kStatusHeight = 26;
static const int kAddButtonId = 201;

static WNDPROC taskListProc;

static void setFont(HWND w)
{
    SendMessageW(w, WM_SETFONT, WPARAM(uploader.font), TRUE);
}

static HWND child(const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h, HWND parent,
                  int id = 0, DWORD exStyle = 0)
{
    HWND hwnd = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    setFont(hwnd);
    return hwnd;
}

// The pencil shown in the task list's edit column.
static HIMAGELIST makeEditIcons()
{
    const int size = 22;
    HIMAGELIST images = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 1, 0);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, size, size};
    HBRUSH white = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(dc, &all, white);
    DeleteObject(white);
    HPEN body = CreatePen(PS_SOLID, 4, RGB(230, 160, 40));
    HGDIOBJ oldPen = SelectObject(dc, body);
    MoveToEx(dc, 6, 16, nullptr);
    LineTo(dc, 16, 6);
    SelectObject(dc, oldPen);
    DeleteObject(body);
    HPEN tip = CreatePen(PS_SOLID, 2, RGB(60, 60, 60));
    oldPen = SelectObject(dc, tip);
    MoveToEx(dc, 4, 18, nullptr);
    LineTo(dc, 7, 17);
    MoveToEx(dc, 15, 5, nullptr);
    LineTo(dc, 18, 8);
    SelectObject(dc, oldPen);
    DeleteObject(tip);
    SelectObject(dc, old);
    ImageList_AddMasked(images, bitmap, RGB(255, 0, 255));
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return images;
}

static void addColumn(HWND list, int index, const wchar_t* text, int width)
{
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(text);
    column.cx = width;
    SendMessageW(list, LVM_INSERTCOLUMNW, index, LPARAM(&column));
}

static void setCell(HWND list, int row, int column, const std::wstring& text, int image = -1)
{
    LVITEMW item = {};
    item.mask = LVIF_TEXT | (image >= 0 ? LVIF_IMAGE : 0);
    item.iItem = row;
    item.iSubItem = column;
    item.iImage = image;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    if (column == 0)
        SendMessageW(list, LVM_INSERTITEMW, 0, LPARAM(&item));
    else
        SendMessageW(list, LVM_SETITEMW, 0, LPARAM(&item));
}

static void fillLists()
{
    HWND files = uploader.windows.fileList;
    HWND tasks = uploader.windows.taskList;
    for (size_t i = 0; i < uploader.videos.size(); ++i) {
        const VideoRecord& v = uploader.videos[i];
        int row = int(i);
        setCell(files, row, 0, fromCodePage(v.fileName));
        setCell(files, row, 1, fromCodePage(v.fileSize));
        LVITEMW state = {};
        state.stateMask = LVIS_STATEIMAGEMASK;
        state.state = INDEXTOSTATEIMAGEMASK(2);
        SendMessageW(files, LVM_SETITEMSTATE, row, LPARAM(&state));

        setCell(tasks, row, 0, L"", 0);
        setCell(tasks, row, 1, fromCodePage(v.fileName));
        setCell(tasks, row, 2, fromCodePage(v.fileSize));
        setCell(tasks, row, 3, L"0%");
        setCell(tasks, row, 4, L"0 KB/s");
    }
}

static int selectedTask()
{
    return int(SendMessageW(uploader.windows.taskList, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
}

// Enter on the task list opens the selected video's information dialog.
static LRESULT CALLBACK taskListHook(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_KEYDOWN && wParam == VK_RETURN) {
        int video = selectedTask();
        if (!uploader.dialog.dialog && video >= 0) runVideoDialog(uploader.windows.main, video);
        return 0;
    }
    if (msg == WM_GETDLGCODE) return DLGC_WANTALLKEYS;
    return CallWindowProcW(taskListProc, hwnd, msg, wParam, lParam);
}

static void drawAddButton(const DRAWITEMSTRUCT* item)
{
    HDC dc = item->hDC;
    RECT r = item->rcItem;
    bool pressed = (item->itemState & ODS_SELECTED) != 0;
    HBRUSH green = CreateSolidBrush(pressed ? RGB(40, 140, 40) : RGB(60, 175, 60));
    HPEN edge = CreatePen(PS_SOLID, 1, RGB(30, 110, 30));
    HGDIOBJ oldBrush = SelectObject(dc, green);
    HGDIOBJ oldPen = SelectObject(dc, edge);
    RoundRect(dc, r.left, r.top, r.right, r.bottom, 8, 8);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(green);
    DeleteObject(edge);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    HGDIOBJ oldFont = SelectObject(dc, uploader.font);
    RECT text = r;
    text.right -= 30;
    DrawTextW(dc, L"添加", -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);
    // The arrow to the right of the caption.
    int cy = (r.top + r.bottom) / 2;
    int x = r.right - 34;
    POINT arrow[7] = {{x, cy - 3}, {x + 12, cy - 3}, {x + 12, cy - 9}, {x + 22, cy},
                      {x + 12, cy + 9}, {x + 12, cy + 3}, {x, cy + 3}};
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    HPEN whitePen = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    oldBrush = SelectObject(dc, white);
    oldPen = SelectObject(dc, whitePen);
    Polygon(dc, arrow, 7);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(white);
    DeleteObject(whitePen);
}

static LRESULT CALLBACK paneProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlID == kAddButtonId) {
            drawAddButton(item);
            return TRUE;
        }
        break;
    }
    case WM_COMMAND:
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

static LRESULT CALLBACK mainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CLOSE:
        logEvent("main", "quit", 0, 0);
        writeResults();
        ExitProcess(0);
        return 0;
    case WM_APP + 1:  // a marker from the test harness, to place its actions in the log
        logEvent("main", "marker", wParam, lParam);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

static HWND pane(HWND parent, int x, int y, int w, int h)
{
    return CreateWindowExW(0, kPaneClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, x, y, w, h, parent,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

static void buildFilePane(HWND filePane)
{
    UploaderWindows& u = uploader.windows;
    child(L"STATIC", L"本地文件", 0, 12, 2, 100, 16, filePane);
    u.search = child(L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, 10, 20, 330, 24, filePane);
    SendMessageW(u.search, EM_SETCUEBANNER, TRUE, LPARAM(L"搜索视频文件"));
    child(L"BUTTON", L"搜索", BS_PUSHBUTTON | WS_TABSTOP, 346, 19, 64, 26, filePane);
    u.fileList = child(WC_LISTVIEWW, L"", LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP, 10, 52, 400, 492,
                       filePane);
    SendMessageW(u.fileList, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    addColumn(u.fileList, 0, L"文件名", 260);
    addColumn(u.fileList, 1, L"文件大小", 110);
    u.selectAll = child(L"BUTTON", L"全选", BS_AUTOCHECKBOX | WS_TABSTOP, 12, 562, 64, 24, filePane);
    SendMessageW(u.selectAll, BM_SETCHECK, BST_CHECKED, 0);
    u.invert = child(L"BUTTON", L"反选", BS_PUSHBUTTON | WS_TABSTOP, 84, 560, 64, 28, filePane);
    u.add = child(L"BUTTON", L"", BS_OWNERDRAW | WS_TABSTOP, 290, 554, 120, 38, filePane, kAddButtonId);
}

static void buildTaskPane(HWND taskPane)
{
    UploaderWindows& u = uploader.windows;
    u.toolbar = pane(taskPane, 0, 0, 580, 76);
    u.listHolder = pane(taskPane, 0, 76, 580, 544);

    HWND tabs = child(WC_TABCONTROLW, L"", 0, 4, 6, 566, 28, u.toolbar);
    TCITEMW tab = {};
    tab.mask = TCIF_TEXT;
    wchar_t uploading[32];
    swprintf(uploading, 32, L"正在上传(%d)", int(uploader.videos.size()));
    tab.pszText = uploading;
    SendMessageW(tabs, TCM_INSERTITEMW, 0, LPARAM(&tab));
    tab.pszText = const_cast<wchar_t*>(L"已上传(0)");
    SendMessageW(tabs, TCM_INSERTITEMW, 1, LPARAM(&tab));
    child(L"BUTTON", L"▶ 开始", BS_PUSHBUTTON | WS_TABSTOP, 8, 42, 84, 28, u.toolbar);
    child(L"BUTTON", L"‖ 暂停", BS_PUSHBUTTON | WS_TABSTOP, 98, 42, 84, 28, u.toolbar);
    child(L"BUTTON", L"× 删除", BS_PUSHBUTTON | WS_TABSTOP, 188, 42, 84, 28, u.toolbar);

    u.taskList = child(WC_LISTVIEWW, L"", LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL | WS_BORDER | WS_TABSTOP,
                       8, 0, 562, 534, u.listHolder);
    SendMessageW(u.taskList, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    SendMessageW(u.taskList, LVM_SETIMAGELIST, LVSIL_SMALL, LPARAM(makeEditIcons()));
    addColumn(u.taskList, 0, L"编辑", 44);
    addColumn(u.taskList, 1, L"文件名", 220);
    addColumn(u.taskList, 2, L"文件大小", 90);
    addColumn(u.taskList, 3, L"进度", 80);
    addColumn(u.taskList, 4, L"速度", 100);
    taskListProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(u.taskList, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(taskListHook)));
}

bool createUploaderWindow(HINSTANCE instance)
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    uploader.font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, L"WenQuanYi Zen Hei");
    if (!uploader.font) uploader.font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));

    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = mainProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kMainClass;
    if (!RegisterClassExW(&wc)) return false;
    wc.lpfnWndProc = paneProc;
    wc.hIcon = nullptr;
    wc.lpszClassName = kPaneClass;
    if (!RegisterClassExW(&wc)) return false;

    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    HMENU menu = CreateMenu();
    for (const wchar_t* item : {L"上传视频", L"我的视频", L"上传记录", L"设置", L"帮助"})
        AppendMenuW(menu, MF_STRING, 0, item);
    RECT r = {0, 0, kClientWidth, kClientHeight + kStatusHeight};
    AdjustWindowRectEx(&r, style, TRUE, 0);
    UploaderWindows& u = uploader.windows;
    u.main = CreateWindowExW(0, kMainClass, L"酷6极速上传 3.8", style, 0, 0, r.right - r.left, r.bottom - r.top,
                             nullptr, menu, instance, nullptr);
    if (!u.main) return false;
    u.content = pane(u.main, 0, 0, kClientWidth, kClientHeight);
    u.filePane = pane(u.content, 0, 0, 420, kClientHeight);
    u.taskPane = pane(u.content, 420, 0, 580, kClientHeight);
    buildFilePane(u.filePane);
    buildTaskPane(u.taskPane);
    fillLists();
    // The status line, after the content pane so that the content stays the first child.
    wchar_t status[128];
    swprintf(status, 128, L"共 %d 个任务     上传中 0 个     总速度：0KB/s", int(uploader.videos.size()));
    child(L"STATIC", status, SS_CENTERIMAGE | SS_SUNKEN, 0, kClientHeight, kClientWidth, kStatusHeight, u.main);
    ShowWindow(u.main, SW_SHOWNORMAL);
    UpdateWindow(u.main);
    return true;
}
