// Shared pieces of the tests that run EditingRun on the simulated desktop with the uploader.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/editing_run.h"
#include "tests/engine/event_table.h"
#include "tests/engine/sim_uploader.h"

namespace vantrelle::sim {

// Screen points of the dialog's client points, for the dialog at its usual place (260, 140).
constexpr ScreenPoint kTitlePoint{561, 160};
constexpr ScreenPoint kTagsPoint{610, 226};
constexpr ScreenPoint kDescriptionPoint{610, 292};
constexpr ScreenPoint kChooserPoint{489, 344};
constexpr ScreenPoint kClosingPoint{560, 379};

constexpr std::int64_t kItemMs = 9000;
constexpr std::int64_t kMessageBoxMs = 3000;  // how long the user takes to dismiss the message

// The effects of one item that starts at `start`, whose entry text is `entry`, following the
// 24 steps and their waits.
Table oneItem(std::int64_t start, const AnsiText& entry);

// Videos titled "第k集 <title>" with tags and descriptions of their own.
std::vector<SimVideo> someVideos(int count);
// Installs the scriptable uploader on the desktop, holding `videoCount` of those sample videos.
void installUploaderWithVideos(SimDesktop& d, SimUploader& u, int videoCount);

// The bytes typed (WM_CHAR) into windows of that name, in order.
AnsiText typedInto(const SimDesktop& d, const std::string& name);
// Posts of one message and wParam to windows of that name.
int postCount(const SimDesktop& d, const std::string& name, unsigned msg, std::uintptr_t wParam);
// Only what reaches windows: posts, system clicks and cursor moves.
Table inputOnly(const SimDesktop& d);
Table keepInput(const Table& table);
// The rows of the table up to and including time `last`.
Table upTo(const Table& table, std::int64_t last);

struct RunResult {
    std::vector<std::int64_t> countReads;  // virtual times at which the count was read
};

// Runs EditingRun with a fixed count text.
RunResult runWithCount(SimDesktop& d, const AnsiText& countText, const StopRequest& stop);
// Runs EditingRun with a count text that depends on the virtual time.
RunResult runWithCountSource(SimDesktop& d, const std::function<AnsiText(std::int64_t)>& countAt,
                             const StopRequest& stop);

}  // namespace vantrelle::sim
