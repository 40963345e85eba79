// Input only ever reaches the uploader: without its dialog, or with another program's window
// where a field should be, the run ends before sending anything there.
#include <gtest/gtest.h>

#include <functional>

#include "engine/window_messages.h"
#include "tests/engine/run_fixture.h"

namespace vantrelle::sim {
namespace {

struct GuardCase {
    const char* name;
    std::function<void(SimDesktop&, SimUploader&)> arrange;
    std::int64_t lastInput;  // time of the last input of the first item that still goes out
};

// A bystander of another process over a dialog point, placed once the dialog is open.
std::function<void(SimDesktop&, SimUploader&)> bystanderOver(ScreenPoint point) {
    return [point](SimDesktop& d, SimUploader&) {
        d.schedule(1000, [&d, point] { placeBystander(d, ScreenPoint{point.x - 20, point.y - 10}, 60, 30); });
    };
}

TEST(SafetyGuard, TheRunEndsBeforeAnyInputCouldReachAWindowOutsideTheUploader) {
    const GuardCase cases[] = {
        {"dialog never opens", [](SimDesktop&, SimUploader& u) { u.dialogOpens = false; }, 300},
        {"dialog slower than the waits", [](SimDesktop&, SimUploader& u) { u.dialogDelay = 1500; }, 300},
        {"dialog with another title", [](SimDesktop&, SimUploader& u) { u.dialogTitle = "上传设置"; }, 300},
        {"dialog of another process",
         [](SimDesktop&, SimUploader& u) { u.dialogProcess = kBystanderProcess; }, 300},
        {"bystander over the first field", bystanderOver(kTitlePoint), 1400},
        {"bystander over the second field", bystanderOver(kTagsPoint), 4000},
        {"bystander over the third field", bystanderOver(kDescriptionPoint), 4300},
        {"bystander over the chooser", bystanderOver(kChooserPoint), 5500},
        {"bystander over the closing point", bystanderOver(kClosingPoint), 6900},
    };
    for (const GuardCase& c : cases) {
        SCOPED_TRACE(c.name);
        SimDesktop d;
        SimUploader u;
        installUploaderWithVideos(d, u, 3);
        c.arrange(d, u);
        StopRequest stop;
        runWithCount(d, "2", stop);

        Table expected = keepInput(upTo(postedClick(0, "tasklist", 155, 31) + oneItem(100, "第1集 旅行日记"),
                                        c.lastInput));
        EXPECT_TRUE(matchesTable(expected, inputOnly(d)));
        EXPECT_TRUE(callsOf(d, EventKind::MessageBox).empty());
        for (const SimEvent& e : d.log()) {
            if (e.kind == EventKind::Post) {
                EXPECT_NE(d.nameOf(e.target), "bystander");
            }
            if (e.kind == EventKind::MouseEvent) {
                EXPECT_EQ(d.GetWindowThreadProcessId(e.result), kUploaderProcess);
            }
        }
        EXPECT_EQ(u.videos[1].title, "第2集 旅行日记");
    }
}

TEST(SafetyGuard, AVideoDialogWithoutTheUploaderGetsNothing) {
    // No uploader main window, but a dialog of the class and title of another program, with a
    // field where the first field would be.
    SimDesktop d;
    WindowHandle stray = d.addTopLevel({"stray", "#32770", "视频信息", kBystanderProcess, {260, 140}, 480, 280});
    d.addChild(stray, {"stray field", "Edit", "别的程序", kBystanderProcess, {460, 150}, 200, 22});
    StopRequest stop;
    runWithCount(d, "2", stop);
    EXPECT_TRUE(matchesTable(postedClick(0, "desktop", 155, 31) +
                                 Table{posted(200, "0", WM_KEYDOWN, 13, 0), posted(300, "0", WM_KEYUP, 13, 0)},
                             inputOnly(d)));
    EXPECT_TRUE(callsOf(d, EventKind::MessageBox).empty());
}

}  // namespace
}  // namespace vantrelle::sim
