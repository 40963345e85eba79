// The simulated desktop itself: the truncation rules, the window under a point and the virtual
// clock that every other test relies on.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/window_messages.h"
#include "tests/engine/sim_desktop.h"

namespace vantrelle::sim {
namespace {

struct TruncationCase {
    int size;
    const char* expected;
    int copied;
};

TEST(SimDesktop, TextCallsCopyAtMostSizeLessOneBytesAndATerminator) {
    const TruncationCase cases[] = {{1, "", 0}, {4, "abc", 3}, {7, "abcdef", 6}, {100, "abcdef", 6}};
    SimDesktop d;
    WindowHandle w = d.addTopLevel({"w", "Edit", "abcdef", kUploaderProcess, {0, 0}, 10, 10});
    for (const TruncationCase& c : cases) {
        SCOPED_TRACE(c.size);
        char title[128];
        std::memset(title, 'x', sizeof title);
        EXPECT_EQ(d.GetWindowTextA(w, title, c.size), c.copied);
        EXPECT_STREQ(title, c.expected);
        char text[128];
        std::memset(text, 'x', sizeof text);
        EXPECT_EQ(d.SendMessageA(w, WM_GETTEXT, static_cast<std::uintptr_t>(c.size),
                                 reinterpret_cast<std::intptr_t>(text)),
                  c.copied);
        EXPECT_STREQ(text, c.expected);
        EXPECT_EQ(text[c.copied + 1], 'x');
    }
    EXPECT_EQ(d.SendMessageA(w, WM_GETTEXTLENGTH, 0, 0), 6);
}

TEST(SimDesktop, MissingOrHungWindowLeavesTheTextBufferUntouched) {
    SimDesktop d;
    WindowHandle hung = d.addTopLevel({"hung", "Edit", "abc", kUploaderProcess, {0, 0}, 10, 10});
    d.window(hung).answersNothing = true;
    WindowHandle gone = d.addTopLevel({"gone", "Edit", "abc", kUploaderProcess, {0, 0}, 10, 10});
    d.destroyWindow(gone);
    for (WindowHandle w : {WindowHandle{0}, hung, gone}) {
        char text[8] = "     ";
        EXPECT_EQ(d.SendMessageA(w, WM_GETTEXTLENGTH, 0, 0), 0);
        EXPECT_EQ(d.SendMessageA(w, WM_GETTEXT, 8, reinterpret_cast<std::intptr_t>(text)), 0);
        EXPECT_STREQ(text, "     ");
    }
}

TEST(SimDesktop, WindowFromPointFindsTheDeepestVisibleWindowOfTheTopmostWindow) {
    SimDesktop d;
    WindowHandle lower = d.addTopLevel({"lower", "A", "", 1, {0, 0}, 100, 100});
    WindowHandle upper = d.addTopLevel({"upper", "A", "", 1, {50, 50}, 100, 100});
    WindowHandle child = d.addChild(upper, {"child", "B", "", 1, {60, 60}, 30, 30});
    WindowHandle grandchild = d.addChild(child, {"grandchild", "C", "", 1, {60, 60}, 10, 10});
    WindowHandle hidden = d.addChild(upper, {"hidden", "B", "", 1, {100, 100}, 20, 20});
    d.window(hidden).visible = false;
    EXPECT_EQ(d.WindowFromPoint({10, 10}), lower);
    EXPECT_EQ(d.WindowFromPoint({55, 55}), upper);  // both contain it; upper is above
    EXPECT_EQ(d.WindowFromPoint({65, 65}), grandchild);
    EXPECT_EQ(d.WindowFromPoint({80, 80}), child);
    EXPECT_EQ(d.WindowFromPoint({105, 105}), upper);  // the hidden child does not count
    EXPECT_EQ(d.WindowFromPoint({500, 500}), d.GetDesktopWindow());
    EXPECT_TRUE(d.IsChild(upper, grandchild));
    EXPECT_FALSE(d.IsChild(lower, grandchild));
    EXPECT_FALSE(d.IsChild(grandchild, grandchild));
}

TEST(SimDesktop, SleepRunsScheduledActionsAndEndsAtARaisedStop) {
    SimDesktop d;
    StopRequest stop;
    std::vector<std::int64_t> ran;
    d.schedule(150, [&] { ran.push_back(d.now()); });
    d.schedule(50, [&] { ran.push_back(d.now()); });
    d.raiseStopAt(stop, 420);
    EXPECT_TRUE(d.Sleep(200, stop));
    EXPECT_EQ(d.now(), 200);
    EXPECT_EQ(ran, (std::vector<std::int64_t>{50, 150}));
    EXPECT_FALSE(d.Sleep(1000, stop));
    EXPECT_EQ(d.now(), 420);
    EXPECT_TRUE(stop.raised);
    EXPECT_FALSE(d.Sleep(1000, stop));
    EXPECT_EQ(d.now(), 420);
}

}  // namespace
}  // namespace vantrelle::sim
