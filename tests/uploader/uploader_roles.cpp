#include "tests/uploader/uploader_state.h"

UploaderState uploader;

std::wstring fromCodePage(const std::string& bytes)
{
    if (bytes.empty()) return std::wstring();
    int n = MultiByteToWideChar(936, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    std::wstring text(n, L'\0');
    MultiByteToWideChar(936, 0, bytes.data(), int(bytes.size()), &text[0], n);
    return text;
}

std::string toCodePage(const std::wstring& text)
{
    if (text.empty()) return std::string();
    int n = WideCharToMultiByte(936, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(n, '\0');
    WideCharToMultiByte(936, 0, text.data(), int(text.size()), &bytes[0], n, nullptr, nullptr);
    return bytes;
}

const std::vector<std::wstring>& categoryNames()
{
    static const std::vector<std::wstring> names = {L"原创", L"搞笑", L"音乐", L"游戏", L"体育",
                                                    L"娱乐", L"资讯", L"生活", L"教育", L"汽车"};
    return names;
}

const char* windowRole(HWND w)
{
    const UploaderWindows& u = uploader.windows;
    const DialogWindows& d = uploader.dialog;
    if (!w) return "none";
    if (w == u.taskList) return "tasklist";
    if (w == u.main) return "main";
    if (w == u.fileList) return "filelist";
    if (w == u.search) return "search";
    if (w == u.add) return "add";
    if (d.dialog) {
        if (w == d.dialog) return "dialog";
        if (w == d.title) return "title";
        if (w == d.tags) return "tags";
        if (w == d.description) return "description";
        if (w == d.category) return "category";
        if (w == d.categoryList) return "category-list";
        if (w == d.save) return "save";
        if (w == d.cancel) return "cancel";
        if (IsChild(d.dialog, w)) return "dialog-other";
    }
    if (u.taskList && IsChild(u.taskList, w)) return "tasklist-header";
    if (u.main && IsChild(u.main, w)) return "main-other";
    return "other";
}
