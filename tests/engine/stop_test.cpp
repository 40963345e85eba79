// A stop request ends the run at once, in any wait and during the completion message, and
// nothing is sent after it.
#include <gtest/gtest.h>

#include "engine/window_messages.h"
#include "tests/engine/run_fixture.h"

namespace vantrelle::sim {
namespace {

const AnsiText kDone = "视频编辑完毕！";
const AnsiText kCaption = "信息：";

struct StopCase {
    const char* name;
    std::int64_t stopAt;
    std::int64_t lastEffect;  // effects of the run up to this time go out, none after
};

TEST(Stop, ARaisedStopEndsTheRunAtThatMomentAndNothingFollows) {
    const StopCase cases[] = {
        {"during the 100 ms after the first click", 50, 0},
        {"between Enter's press and release", 250, 200},
        {"during the 2000 ms wait after Backspace", 2500, 1900},
        {"during the 1000 ms wait after the third field", 4900, 4500},
        {"during the 2000 ms wait after the closing click", 8000, 7000},
        {"during the second item", 9100 + 3000, 9100 + 1800},
    };
    for (const StopCase& c : cases) {
        SCOPED_TRACE(c.name);
        SimDesktop d;
        SimUploader u;
        installUploaderWithVideos(d, u, 3);
        StopRequest stop;
        d.raiseStopAt(stop, c.stopAt);
        runWithCount(d, "2", stop);

        Table wholeRun = postedClick(0, "tasklist", 155, 31) + oneItem(100, "第1集 旅行日记") +
                         oneItem(9100, "第2集 旅行日记");
        EXPECT_TRUE(matchesTable(upTo(wholeRun, c.lastEffect), effects(d)));
        EXPECT_EQ(d.now(), c.stopAt);
    }
}

TEST(Stop, RaisedBeforeTheStartSendsNothingAtAll) {
    SimDesktop d;
    SimUploader u;
    installUploaderWithVideos(d, u, 3);
    StopRequest stop;
    stop.raised = true;
    runWithCount(d, "2", stop);
    EXPECT_TRUE(matchesTable({}, effects(d)));
    EXPECT_EQ(d.now(), 0);
}

TEST(Stop, RaisedWhileTheCountIsReadAgainShowsNoMessage) {
    SimDesktop d;
    SimUploader u;
    installUploaderWithVideos(d, u, 3);
    StopRequest stop;
    // F10 pressed just as the completion test reads the count box.
    CountSource source = [&] {
        if (d.now() >= 9100) stop.raised = true;
        return AnsiText("1");
    };
    EditingRun(d, source, stop);
    EXPECT_TRUE(matchesTable(postedClick(0, "tasklist", 155, 31) + oneItem(100, "第1集 旅行日记"), effects(d)));
}

TEST(Stop, RaisedWhileTheCompletionMessageIsShownEndsTheRun) {
    SimDesktop d;
    SimUploader u;
    installUploaderWithVideos(d, u, 3);
    d.setMessageBoxDelay(60000);
    StopRequest stop;
    d.raiseStopAt(stop, 9100 + 1000);
    // The count reads 1 at the first completion test, so the message comes after the first of
    // three items; without the stop the run would go on with the second.
    RunResult r;
    CountSource source = [&] {
        r.countReads.push_back(d.now());
        return AnsiText(d.now() < 5000 ? "3" : "1");
    };
    EditingRun(d, source, stop);

    Table expected = postedClick(0, "tasklist", 155, 31) + oneItem(100, "第1集 旅行日记") +
                     Table{messageBox(9100, kDone, kCaption, 0x2000), messageBoxEnd(10100, 0)};
    EXPECT_TRUE(matchesTable(expected, effects(d)));
    EXPECT_EQ(d.now(), 10100);
}

}  // namespace
}  // namespace vantrelle::sim
