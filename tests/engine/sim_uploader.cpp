#include "tests/engine/sim_uploader.h"

#include <algorithm>

#include "engine/window_messages.h"

namespace vantrelle::sim {
namespace {

bool isLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

SimField* fieldState(SimUploader& u, WindowHandle window) {
    if (window == 0) return nullptr;
    if (window == u.titleField) return &u.titleState;
    if (window == u.tagsField) return &u.tagsState;
    if (window == u.descriptionField) return &u.descriptionState;
    return nullptr;
}

// Start of the character that ends right before `caret`.
std::size_t previousCharacter(const AnsiText& text, std::size_t caret) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < caret;) {
        start = i;
        i += (isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < caret) ? 2 : 1;
    }
    return start;
}

// A selected field's text goes as a whole, the way an edit control replaces its selection.
bool clearSelection(SimField* field, AnsiText& text) {
    if (!field->selected) return false;
    text.clear();
    field->caret = 0;
    field->selected = false;
    return true;
}

void insertIntoField(SimUploader& u, WindowHandle window, const AnsiText& bytes) {
    SimField* field = fieldState(u, window);
    AnsiText& text = u.desktop->window(window).text;
    clearSelection(field, text);
    text.insert(field->caret, bytes);
    field->caret += bytes.size();
}

void backspaceInField(SimUploader& u, WindowHandle window) {
    SimField* field = fieldState(u, window);
    AnsiText& text = u.desktop->window(window).text;
    if (clearSelection(field, text)) return;
    if (field->caret > 0) {
        std::size_t start = previousCharacter(text, field->caret);
        text.erase(start, field->caret - start);
        field->caret = start;
    }
}

void openDialog(SimUploader& u) {
    u.dialogPending = false;
    if (u.dialog != 0 || u.selectedRow < 0 || u.selectedRow >= static_cast<int>(u.videos.size())) return;
    SimDesktop& d = *u.desktop;
    const SimVideo& video = u.videos[static_cast<std::size_t>(u.selectedRow)];
    ScreenPoint o = u.layout.origin;
    u.dialog = d.addTopLevel({"dialog", "#32770", u.dialogTitle, u.dialogProcess, o, u.layout.width,
                              u.layout.height});
    auto child = [&](const char* name, const char* cls, const AnsiText& text, std::int32_t x, std::int32_t y,
                     std::int32_t w, std::int32_t h) {
        return d.addChild(u.dialog, {name, cls, text, u.dialogProcess, ScreenPoint{o.x + x, o.y + y}, w, h});
    };
    child("label", "Static", "标题：", 140, 10, 50, 22);
    u.titleField = child("title", "Edit", video.title, 200, 10, 200, 22);
    u.tagsField = child("tags", "Edit", video.tags, 200, 70, 250, 40);
    u.descriptionField = child("description", "Edit", video.description, 200, 130, 250, 40);
    u.chooser = child("chooser", "ComboBox", "", 150, 195, 160, 22);
    u.saveButton = child("save", "Button", "保存", 260, 230, 80, 22);
    u.dialogRow = u.selectedRow;
    u.dialogCategory = video.category;
    u.chooserOpen = false;
    // The title field has the focus with its whole text selected; the others were never focused.
    u.titleState = SimField{video.title.size(), true};
    u.tagsState = SimField{0, false};
    u.descriptionState = SimField{0, false};
    ++u.dialogsOpened;
}

void saveAndCloseDialog(SimUploader& u) {
    SimDesktop& d = *u.desktop;
    SimVideo& video = u.videos[static_cast<std::size_t>(u.dialogRow)];
    video.title = d.window(u.titleField).text;
    video.tags = d.window(u.tagsField).text;
    video.description = d.window(u.descriptionField).text;
    video.category = u.dialogCategory;
    d.destroyWindow(u.dialog);
    u.dialog = u.titleField = u.tagsField = u.descriptionField = u.chooser = u.saveButton = 0;
    u.dialogRow = -1;
}

void onTaskList(SimUploader& u, const SimEvent& e) {
    int rows = static_cast<int>(u.videos.size());
    if (e.msg == WM_LBUTTONDOWN) {
        std::int32_t y = static_cast<std::int32_t>((e.lParam >> 16) & 0xFFFF);
        if (y >= kTaskListHeader) {
            int row = (y - kTaskListHeader) / kTaskListRowHeight;
            if (row < rows) u.selectedRow = row;
        }
    } else if (e.msg == WM_KEYDOWN && e.wParam == static_cast<std::uintptr_t>(VK_DOWN)) {
        if (u.selectedRow + 1 < rows) ++u.selectedRow;
    } else if (e.msg == WM_KEYDOWN && e.wParam == static_cast<std::uintptr_t>(VK_RETURN)) {
        if (u.dialogOpens && u.dialog == 0 && !u.dialogPending && u.selectedRow >= 0) {
            u.dialogPending = true;
            SimUploader* up = &u;
            u.desktop->schedule(u.desktop->now() + u.dialogDelay, [up] { openDialog(*up); });
        }
    }
}

void onField(SimUploader& u, const SimEvent& e) {
    if (e.msg == WM_CHAR) {
        unsigned char byte = static_cast<unsigned char>(e.wParam & 0xFF);
        if (u.pendingLeadByte >= 0) {
            AnsiText pair{static_cast<char>(u.pendingLeadByte), static_cast<char>(byte)};
            u.pendingLeadByte = -1;
            insertIntoField(u, e.target, pair);
        } else if (isLeadByte(byte)) {
            u.pendingLeadByte = byte;
        } else {
            insertIntoField(u, e.target, AnsiText(1, static_cast<char>(byte)));
        }
    } else if (e.msg == WM_KEYDOWN && e.wParam == static_cast<std::uintptr_t>(VK_BACK)) {
        backspaceInField(u, e.target);
    }
}

void onChooser(SimUploader& u, const SimEvent& e) {
    if (e.msg != WM_KEYDOWN) return;
    if (e.wParam == static_cast<std::uintptr_t>(VK_DOWN)) {
        u.dialogCategory = std::min(u.dialogCategory + 1, u.categoryCount - 1);
    } else if (e.wParam == static_cast<std::uintptr_t>(VK_RETURN)) {
        u.chooserOpen = false;
    }
}

void onSystemClick(SimUploader& u, const SimEvent& e) {
    if ((e.msg & MOUSEEVENTF_LEFTUP) == 0 || u.dialog == 0) return;
    WindowHandle under = e.result;
    if (under == u.chooser) {
        u.chooserOpen = true;
    } else if (under == u.saveButton) {
        saveAndCloseDialog(u);
    } else if (SimField* field = fieldState(u, under)) {
        field->selected = false;
        field->caret = u.desktop->window(under).text.size();
    }
}

void onInput(SimUploader& u, const SimEvent& e) {
    if (e.kind == EventKind::MouseEvent) {
        onSystemClick(u, e);
        return;
    }
    if (e.target == 0) return;
    if (e.target == u.taskList) {
        onTaskList(u, e);
    } else if (fieldState(u, e.target) != nullptr) {
        onField(u, e);
    } else if (e.target == u.chooser) {
        onChooser(u, e);
    }
}

}  // namespace

void installUploader(SimDesktop& d, SimUploader& u) {
    u.desktop = &d;
    const std::uint32_t pid = kUploaderProcess;
    u.mainWindow = d.addTopLevel({"uploader", kUploaderClassName, kUploaderTitleText, pid, {0, 0}, 800, 600});
    // main -> frame -> (toolbar, body); body -> (tabs, page); page -> task list
    WindowHandle frame = d.addChild(u.mainWindow, {"frame", "AfxFrame", "", pid, {0, 0}, 800, 600});
    d.addChild(frame, {"toolbar", "ToolbarWindow32", "", pid, {0, 0}, 800, 40});
    WindowHandle body = d.addChild(frame, {"body", "AfxWnd", "", pid, {0, 40}, 800, 560});
    d.addChild(body, {"tabs", "SysTabControl32", "", pid, {0, 40}, 800, 30});
    WindowHandle page = d.addChild(body, {"page", "AfxWnd", "", pid, {0, 70}, 800, 530});
    u.taskList = d.addChild(page, {"tasklist", "SysListView32", "", pid, {20, 100}, 500, 400});
    d.addChild(page, {"status", "Static", "", pid, {20, 520}, 500, 20});
    SimUploader* up = &u;
    d.onInput = [up](const SimEvent& e) { onInput(*up, e); };
}

WindowHandle placeBystander(SimDesktop& d, ScreenPoint origin, std::int32_t width, std::int32_t height) {
    return d.addTopLevel({"bystander", "Notepad", "无标题 - 记事本", kBystanderProcess, origin, width, height});
}

ScreenPoint dialogScreenPoint(const SimUploader& u, std::int32_t x, std::int32_t y) {
    return ScreenPoint{u.layout.origin.x + x, u.layout.origin.y + y};
}

}  // namespace vantrelle::sim
