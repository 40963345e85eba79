// Posted clicks and keys, typed text, cursor placement and system clicks.
#include <gtest/gtest.h>

#include "engine/synthetic_input.h"
#include "engine/window_messages.h"
#include "tests/engine/event_table.h"

namespace vantrelle::sim {
namespace {

constexpr std::int64_t kAt155x31 = 31 * 65536 + 155;

struct ClickCase {
    int action;
    Table expected;
};

TEST(PostMouseClick, PostsAMoveWithWParam2ThenTheButtonMessagesOfTheAction) {
    const Row move = posted(0, "list", WM_MOUSEMOVE, 2, kAt155x31);
    const Row down = posted(0, "list", WM_LBUTTONDOWN, 1, kAt155x31);
    const Row up = posted(0, "list", WM_LBUTTONUP, 0, kAt155x31);
    const Row dbl = posted(0, "list", WM_LBUTTONDBLCLK, 0, kAt155x31);
    const ClickCase cases[] = {
        {1, {move, down, up}}, {0, {move, down, up}}, {2, {move, down, up, dbl}},
        {3, {move, down}},     {4, {move, up}},       {5, {move}},
        {-1, {move}},
    };
    for (const ClickCase& c : cases) {
        SCOPED_TRACE(c.action);
        SimDesktop d;
        WindowHandle list = d.addTopLevel({"list", "SysListView32", "", kUploaderProcess, {20, 100}, 500, 400});
        postMouseClick(d, list, ClientPoint{155, 31}, c.action);
        EXPECT_TRUE(matchesTable(c.expected, effects(d)));
    }
}

TEST(PostMouseClick, DefaultsToAClickAndWindowZeroMeansTheDesktop) {
    SimDesktop d;
    postMouseClick(d, 0, ClientPoint{155, 31});
    EXPECT_TRUE(matchesTable(postedClick(0, "desktop", 155, 31), effects(d)));
}

struct KeyCase {
    const char* name;
    int state;  // 0 here means "omitted"
    bool omitted;
    bool systemKey;
    Table expected;
};

TEST(PostKey, PostsOneKeyboardMessageChosenByStateAndSystemFlag) {
    const KeyCase cases[] = {
        {"state omitted: character", 0, true, false, {posted(0, "w", WM_CHAR, 13, 0)}},
        {"state 1: character", 1, false, false, {posted(0, "w", WM_CHAR, 13, 0)}},
        {"state 2: press", 2, false, false, {posted(0, "w", WM_KEYDOWN, 13, 0)}},
        {"state 3: press", 3, false, false, {posted(0, "w", WM_KEYDOWN, 13, 0)}},
        {"state 4: release", 4, false, false, {posted(0, "w", WM_KEYUP, 13, 0)}},
        {"state 0: nothing", 0, false, false, {}},
        {"state 5: nothing", 5, false, false, {}},
        {"system press", 3, false, true, {posted(0, "w", WM_SYSKEYDOWN, 13, 0)}},
        {"system release", 4, false, true, {posted(0, "w", WM_SYSKEYUP, 13, 0)}},
        {"system character", 1, false, true, {posted(0, "w", WM_CHAR, 13, 0)}},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        SimDesktop d;
        WindowHandle w = d.addTopLevel({"w", "Edit", "", kUploaderProcess, {0, 0}, 10, 10});
        if (c.omitted)
            postKey(d, w, 13);
        else
            postKey(d, w, 13, c.state, c.systemKey);
        EXPECT_TRUE(matchesTable(c.expected, effects(d)));
    }
}

TEST(PostKey, PressThenReleaseOfEnter) {
    SimDesktop d;
    WindowHandle w = d.addTopLevel({"w", "Edit", "", kUploaderProcess, {0, 0}, 10, 10});
    postKey(d, w, 13, 3);
    postKey(d, w, 13, 4);
    postKey(d, 0, 40, 3);  // window 0: the calling thread's own queue
    EXPECT_TRUE(matchesTable({posted(0, "w", WM_KEYDOWN, 13, 0), posted(0, "w", WM_KEYUP, 13, 0),
                              posted(0, "0", WM_KEYDOWN, 40, 0)},
                             effects(d)));
}

TEST(TypeText, PostsOneCharacterMessagePerByteLeadByteFirst) {
    SimDesktop d;
    WindowHandle w = d.addTopLevel({"w", "Edit", "", kUploaderProcess, {0, 0}, 10, 10});
    typeText(d, w, "中a");  // D6 D0 61
    typeText(d, w, "");
    typeText(d, 0, "\xFF");
    EXPECT_TRUE(matchesTable({posted(0, "w", WM_CHAR, 0xD6, 0), posted(0, "w", WM_CHAR, 0xD0, 0),
                              posted(0, "w", WM_CHAR, 0x61, 0), posted(0, "0", WM_CHAR, 0xFF, 0)},
                             effects(d)));
}

TEST(MoveCursorToClient, AddsThePointToTheClientOriginOrToTheScreenCorner) {
    SimDesktop d;
    WindowHandle w = d.addTopLevel({"w", "#32770", "", kUploaderProcess, {100, 200}, 400, 300});
    moveCursorToClient(d, w, 301, 20);
    moveCursorToClient(d, w, -5, -7);
    moveCursorToClient(d, 0, 301, 20);
    EXPECT_TRUE(matchesTable({cursorTo(0, 401, 220), cursorTo(0, 95, 193), cursorTo(0, 301, 20)}, effects(d)));
    EXPECT_EQ(d.cursor().x, 301);
    EXPECT_EQ(d.cursor().y, 20);
}

struct SystemClickCase {
    int button;
    Table expected;
};

TEST(SystemClick, InjectsOneMouseEventWithTheButtonFlagsAtTheCursor) {
    const SystemClickCase cases[] = {
        {1, {mouseInput(0, 0x0006, 489, 344)}}, {0, {mouseInput(0, 0x0006, 489, 344)}},
        {2, {mouseInput(0, 0x0018, 489, 344)}}, {3, {mouseInput(0, 0x0002, 489, 344)}},
        {4, {}},
    };
    for (const SystemClickCase& c : cases) {
        SCOPED_TRACE(c.button);
        SimDesktop d;
        d.SetCursorPos(489, 344);
        systemClick(d, c.button);
        EXPECT_TRUE(matchesTable(Table{cursorTo(0, 489, 344)} + c.expected, effects(d)));
    }
    SimDesktop d;
    d.SetCursorPos(7, 9);
    systemClick(d);
    EXPECT_TRUE(matchesTable({cursorTo(0, 7, 9), mouseInput(0, 0x0006, 7, 9)}, effects(d)));
}

}  // namespace
}  // namespace vantrelle::sim
