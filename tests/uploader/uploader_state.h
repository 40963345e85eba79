// What the stand-in uploader holds while it runs: its videos, its windows and the open dialog.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/uploader/video_records.h"

struct UploaderWindows {
    HWND main = nullptr;
    HWND content = nullptr;     // first child of the main window
    HWND filePane = nullptr;    // first child of content
    HWND taskPane = nullptr;    // next sibling of the file pane
    HWND toolbar = nullptr;     // first child of the task pane: tab, start, pause, delete
    HWND listHolder = nullptr;  // next sibling of the toolbar
    HWND taskList = nullptr;    // first child of the list holder
    HWND search = nullptr;
    HWND fileList = nullptr;
    HWND selectAll = nullptr;
    HWND invert = nullptr;
    HWND add = nullptr;
};

struct DialogWindows {
    HWND dialog = nullptr;
    HWND title = nullptr;
    HWND tags = nullptr;
    HWND description = nullptr;
    HWND category = nullptr;
    HWND categoryList = nullptr;  // the drop-down list of the category box
    HWND save = nullptr;
    HWND cancel = nullptr;
    int video = -1;
};

struct UploaderState {
    std::vector<VideoRecord> videos;
    UploaderWindows windows;
    DialogWindows dialog;
    std::wstring resultPath;
    HFONT font = nullptr;
};

extern UploaderState uploader;

// Code page 936 bytes to UTF-16 and back.
std::wstring fromCodePage(const std::string& bytes);
std::string toCodePage(const std::wstring& text);

// The fixed categories of the dialog's drop-down list.
const std::vector<std::wstring>& categoryNames();

// Names the window for the log: tasklist, title, tags, description, category, save, dialog, ...
const char* windowRole(HWND window);

// Builds the main window with its panes and lists. Returns false when it cannot.
bool createUploaderWindow(HINSTANCE instance);
// Opens the modal video-information dialog for the video; returns when it is closed.
void runVideoDialog(HWND owner, int video);
// Writes every video's final fields (and an open dialog's fields) to the result file.
void writeResults();
