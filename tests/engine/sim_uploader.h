// A scriptable stand-in for the uploader client on the simulated desktop: its main window and
// task list, and the video-information dialog that Enter on the task list opens. It reacts to
// the posted messages and system clicks the run produces the way the real client does, so a
// whole run ends in contents of every video that a test can read back.
#pragma once

#include <cstdint>
#include <vector>

#include "tests/engine/sim_desktop.h"

namespace vantrelle::sim {

// The uploader's own names, written out here rather than taken from the engine.
constexpr const char* kUploaderClassName = "{3C021028-DFC7-4c31-9ABB-B98E813F05D5}";
constexpr const char* kUploaderTitleText = "酷6极速上传 3.8";

struct SimVideo {
    AnsiText title;
    AnsiText tags;
    AnsiText description;
    int category = 0;
};

// Caret and selection of one edit field of the dialog; its text is the window's text.
struct SimField {
    std::size_t caret = 0;
    bool selected = false;
};

// Client offsets of the dialog's children; each contains the point the run uses.
struct SimDialogLayout {
    ScreenPoint origin{260, 140};  // the dialog's client origin on the screen
    std::int32_t width = 480;
    std::int32_t height = 280;
};

struct SimUploader {
    // Script, set before the run.
    std::vector<SimVideo> videos;
    int categoryCount = 8;
    std::int64_t dialogDelay = 300;  // from Enter on the task list to the dialog's appearance
    bool dialogOpens = true;         // false: Enter never opens a dialog
    AnsiText dialogTitle = "视频信息";
    std::uint32_t dialogProcess = kUploaderProcess;
    SimDialogLayout layout;

    // State.
    SimDesktop* desktop = nullptr;
    WindowHandle mainWindow = 0;
    WindowHandle taskList = 0;
    int selectedRow = -1;  // nothing selected until a click or Down
    bool dialogPending = false;
    int dialogsOpened = 0;
    // The open dialog, 0 when none.
    WindowHandle dialog = 0;
    WindowHandle titleField = 0;
    WindowHandle tagsField = 0;
    WindowHandle descriptionField = 0;
    WindowHandle chooser = 0;
    WindowHandle saveButton = 0;
    int dialogRow = -1;
    int dialogCategory = 0;
    bool chooserOpen = false;
    SimField titleState;
    SimField tagsState;
    SimField descriptionState;
    // A lead byte typed alone waits in the uploader's thread for the byte that completes it.
    int pendingLeadByte = -1;
};

// Task list rows: a header of 21 pixels, then rows of 20 pixels; (155, 31) is the first row.
constexpr std::int32_t kTaskListHeader = 21;
constexpr std::int32_t kTaskListRowHeight = 20;

// Builds the uploader's main window (process kUploaderProcess) at the top of the z-order, with
// its children shaped so that the path first child, first child, next sibling, first child,
// next sibling, first child reaches the task list, and makes it react to input.
void installUploader(SimDesktop& desktop, SimUploader& uploader);

// A top-level window of another process (kBystanderProcess) at the top of the z-order.
WindowHandle placeBystander(SimDesktop& desktop, ScreenPoint origin, std::int32_t width, std::int32_t height);

// Screen point of a client point of the uploader's dialog (whether or not it is open).
ScreenPoint dialogScreenPoint(const SimUploader& uploader, std::int32_t x, std::int32_t y);

}  // namespace vantrelle::sim
