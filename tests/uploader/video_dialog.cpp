// The modal video-information dialog: a real dialog box (class "#32770") run by
// DialogBoxIndirectParamW, so its modal loop is Unicode and double-byte characters typed as two
// WM_CHAR bytes arrive whole. Controls, in client pixels:
//   title field      (80, 10)  480 x 24   under (301, 20)
//   tags field       (80, 74)  480 x 24   under (350, 86)
//   description      (80, 108) 480 x 80   under (350, 152)
//   category list    (80, 196) 200 wide   under (229, 204)
//   save button      (250, 230) 100 x 30  under (300, 239)
#include <windows.h>

#include <commctrl.h>

#include <cstdio>

#include "tests/uploader/input_log.h"
#include "tests/uploader/uploader_state.h"

static const int kTitleId = 101;
static const int kTagsId = 102;
static const int kDescriptionId = 103;
static const int kCategoryId = 104;
static const int kSaveId = 1001;
static const int kClientWidth = 580;
static const int kClientHeight = 272;

static WNDPROC editProc;
static WNDPROC comboProc;

// Logs the reads that reach the fields from other programs (sent, so not seen by the queue hook).
static LRESULT CALLBACK fieldHook(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_GETTEXTLENGTH) logEvent(windowRole(hwnd), "WM_GETTEXTLENGTH", wParam, 0);
    if (msg == WM_GETTEXT) logEvent(windowRole(hwnd), "WM_GETTEXT", wParam, 0);
    if (msg == WM_SETFOCUS) logEvent(windowRole(hwnd), "WM_SETFOCUS", 0, 0);
    WNDPROC original = (hwnd == uploader.dialog.category) ? comboProc : editProc;
    return CallWindowProcW(original, hwnd, msg, wParam, lParam);
}

static std::wstring windowText(HWND w)
{
    int n = GetWindowTextLengthW(w);
    std::wstring text(n + 1, L'\0');
    GetWindowTextW(w, &text[0], n + 1);
    text.resize(lstrlenW(text.c_str()));
    return text;
}

static std::wstring chosenCategory(HWND combo)
{
    LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (index < 0 || size_t(index) >= categoryNames().size()) return std::wstring();
    return categoryNames()[size_t(index)];
}

static HWND control(HWND dialog, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h,
                    int id, DWORD exStyle = 0)
{
    HWND hwnd = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, dialog,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(hwnd, WM_SETFONT, WPARAM(uploader.font), TRUE);
    return hwnd;
}

static void placeOverOwner(HWND dialog)
{
    RECT frame = {0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, DWORD(GetWindowLongW(dialog, GWL_STYLE)), FALSE,
                       DWORD(GetWindowLongW(dialog, GWL_EXSTYLE)));
    int w = frame.right - frame.left, h = frame.bottom - frame.top;
    RECT owner;
    GetWindowRect(uploader.windows.main, &owner);
    int x = (owner.left + owner.right - w) / 2, y = (owner.top + owner.bottom - h) / 2;
    SetWindowPos(dialog, HWND_TOP, x, y, w, h, SWP_NOACTIVATE);
}

static void initDialog(HWND dialog, int video)
{
    DialogWindows& d = uploader.dialog;
    const VideoRecord& v = uploader.videos[size_t(video)];
    d.dialog = dialog;
    d.video = video;
    SetWindowTextW(dialog, (L"视频信息 - " + fromCodePage(v.fileName)).c_str());
    placeOverOwner(dialog);

    control(dialog, L"STATIC", L"标题：", 0, 12, 14, 64, 20, -1);
    d.title = control(dialog, L"EDIT", fromCodePage(v.title).c_str(), WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 80, 10,
                      480, 24, kTitleId);
    control(dialog, L"STATIC", L"标题最多 48 个字节；多个标签请用空格分开", 0, 80, 44, 480, 20, -1);
    control(dialog, L"STATIC", L"标签：", 0, 12, 78, 64, 20, -1);
    d.tags = control(dialog, L"EDIT", fromCodePage(v.tags).c_str(), WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 80, 74,
                     480, 24, kTagsId);
    control(dialog, L"STATIC", L"简介：", 0, 12, 112, 64, 20, -1);
    d.description = control(dialog, L"EDIT", fromCodePage(v.description).c_str(),
                            WS_BORDER | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 80,
                            108, 480, 80, kDescriptionId);
    control(dialog, L"STATIC", L"分类：", 0, 12, 200, 64, 20, -1);
    d.category = control(dialog, L"COMBOBOX", L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 80, 196, 200, 240,
                         kCategoryId);
    int chosen = 0;
    for (size_t i = 0; i < categoryNames().size(); ++i) {
        SendMessageW(d.category, CB_ADDSTRING, 0, LPARAM(categoryNames()[i].c_str()));
        if (toCodePage(categoryNames()[i]) == v.category) chosen = int(i);
    }
    SendMessageW(d.category, CB_SETCURSEL, chosen, 0);
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    if (GetComboBoxInfo(d.category, &info)) d.categoryList = info.hwndList;
    d.save = control(dialog, L"BUTTON", L"保存", BS_PUSHBUTTON | WS_TABSTOP, 250, 230, 100, 30, kSaveId);
    d.cancel = control(dialog, L"BUTTON", L"取消", BS_PUSHBUTTON | WS_TABSTOP, 370, 230, 100, 30, IDCANCEL);

    editProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(d.title, GWLP_WNDPROC));
    comboProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(d.category, GWLP_WNDPROC));
    for (HWND field : {d.title, d.tags, d.description, d.category})
        SetWindowLongPtrW(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(fieldHook));

    // As dialogs do: the first field has the focus, its text selected.
    SetFocus(d.title);
    SendMessageW(d.title, EM_SETSEL, 0, -1);
    logEvent("dialog", "open", WPARAM(video), 0);
}

static void saveDialog()
{
    DialogWindows& d = uploader.dialog;
    VideoRecord& v = uploader.videos[size_t(d.video)];
    v.title = toCodePage(windowText(d.title));
    v.tags = toCodePage(windowText(d.tags));
    v.description = toCodePage(windowText(d.description));
    v.category = toCodePage(chosenCategory(d.category));
    logEvent("dialog", "saved", WPARAM(d.video), 0);
}

static INT_PTR CALLBACK dialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        initDialog(dialog, int(lParam));
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == kSaveId && HIWORD(wParam) == BN_CLICKED) {
            saveDialog();
            EndDialog(dialog, kSaveId);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            logEvent("dialog", "cancelled", WPARAM(uploader.dialog.video), 0);
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return TRUE;  // Enter without a default button: the dialog stays open
    }
    return FALSE;
}

void runVideoDialog(HWND owner, int video)
{
    // A template without items: the controls are created at pixel positions in WM_INITDIALOG.
    alignas(4) WORD tmpl[32] = {};
    DLGTEMPLATE* t = reinterpret_cast<DLGTEMPLATE*>(tmpl);
    t->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    t->cdit = 0;
    t->x = 10;
    t->y = 10;
    t->cx = 300;
    t->cy = 150;
    // menu, class and title words stay 0 (none, the dialog class, empty)
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), t, owner, dialogProc, LPARAM(video));
    uploader.dialog = DialogWindows();
}

void writeResults()
{
    FILE* file = _wfopen(uploader.resultPath.c_str(), L"wb");
    if (!file) return;
    for (const VideoRecord& v : uploader.videos)
        fprintf(file, "video\t%s", formatVideoLine(v).c_str());
    fprintf(file, "selected\t%d\n",
            int(SendMessageW(uploader.windows.taskList, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED)));
    const DialogWindows& d = uploader.dialog;
    if (d.dialog) {
        VideoRecord open = {uploader.videos[size_t(d.video)].fileName, uploader.videos[size_t(d.video)].fileSize,
                            toCodePage(windowText(d.title)), toCodePage(windowText(d.tags)),
                            toCodePage(windowText(d.description)), toCodePage(chosenCategory(d.category))};
        fprintf(file, "dialog\t%d\t%s", d.video, formatVideoLine(open).c_str());
    }
    fclose(file);
}
