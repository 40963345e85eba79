// The editing run against the scriptable uploader: the 24 steps with their waits, the count,
// the cut, the clipboard and the completion message.
#include <gtest/gtest.h>

#include <set>

#include "engine/window_messages.h"
#include "tests/engine/run_fixture.h"

namespace vantrelle::sim {
namespace {

const AnsiText kDone = "视频编辑完毕！";
const AnsiText kCaption = "信息：";

TEST(EditingRun, OneItemFollowsTheStepTableWithEveryWaitExact) {
    SimDesktop d;
    SimUploader u;
    u.videos = {SimVideo{"ab", "", "", 0}};
    installUploader(d, u);
    StopRequest stop;
    RunResult r = runWithCount(d, "1", stop);

    Table expected = postedClick(0, "tasklist", 155, 31) + oneItem(100, "ab") +
                     Table{messageBox(9100, kDone, kCaption, 0x2000), messageBoxEnd(9100 + kMessageBoxMs, 1)};
    EXPECT_TRUE(matchesTable(expected, effects(d)));
    EXPECT_EQ(r.countReads, (std::vector<std::int64_t>{100, 9100}));
    EXPECT_EQ(d.now(), 9100 + kMessageBoxMs);

    // Lookups without effects: the dialog is looked up after the 1000 ms of step 3 (and only
    // then), and the windows under the cursor are taken where the steps say.
    std::set<std::int64_t> dialogLookups;
    for (const Row& row : callsOf(d, EventKind::FindWindow))
        if (row.text == "#32770") dialogLookups.insert(row.time);
    EXPECT_EQ(dialogLookups, (std::set<std::int64_t>{1300}));
    std::set<std::string> underCursor;
    for (const Row& row : callsOf(d, EventKind::WindowFromPoint)) underCursor.insert(render(row));
    for (const char* expectedLookup : {"t=1400  WindowFromPoint (561,160) -> title",
                                       "t=4100  WindowFromPoint (610,226) -> tags",
                                       "t=4400  WindowFromPoint (610,292) -> description",
                                       "t=5600  WindowFromPoint (489,344) -> chooser"})
        EXPECT_EQ(underCursor.count(expectedLookup), 1u) << expectedLookup;
    // The text is read from the first field in step 5.
    Table sends = callsOf(d, EventKind::Send);
    ASSERT_EQ(sends.size(), 2u);
    EXPECT_EQ(render(sends[0]), "t=1400  send title WM_GETTEXTLENGTH w=0");
    EXPECT_EQ(render(sends[1]), "t=1400  send title WM_GETTEXT w=3");
}

TEST(EditingRun, TheItemsWaitsAddUpTo9000Ms) {
    SimDesktop d;
    SimUploader u;
    installUploaderWithVideos(d, u, 3);
    StopRequest stop;
    runWithCount(d, "2", stop);
    Table downs;
    for (const Row& row : postsOnly(d))
        if (row.msg == WM_KEYDOWN && row.target == "tasklist") downs.push_back(row);
    EXPECT_TRUE(matchesTable({posted(200, "tasklist", WM_KEYDOWN, 13, 0), posted(9000, "tasklist", WM_KEYDOWN, 40, 0),
                              posted(9200, "tasklist", WM_KEYDOWN, 13, 0), posted(18000, "tasklist", WM_KEYDOWN, 40, 0)},
                             downs));
}

struct CountRunCase {
    const char* text;
    int items;
    bool message;
};

TEST(EditingRun, TheCountDecidesTheItemsAndTheCompletionMessage) {
    const CountRunCase cases[] = {
        {"3", 3, true},           {"2.9", 2, false},   {"\xA3\xB3", 3, true},  // full-width 3
        {"\xA3\xB0", 0, false},   {"", 0, false},      {"abc", 0, false},
        {"-2", 0, false},         {" +3.0e0x", 3, true},
        // The completion test compares the unrounded count with the index, within 0.0000001.
        {"2.00000005", 2, true},  {"2.0000002", 2, false},
    };
    for (const CountRunCase& c : cases) {
        SCOPED_TRACE(readable(c.text));
        SimDesktop d;
        SimUploader u;
        installUploaderWithVideos(d, u, 5);
        StopRequest stop;
        RunResult r = runWithCount(d, c.text, stop);

        EXPECT_EQ(postCount(d, "tasklist", WM_KEYDOWN, VK_RETURN), c.items);
        EXPECT_EQ(u.dialogsOpened, c.items);
        Table boxes = callsOf(d, EventKind::MessageBox);
        if (c.message) {
            std::int64_t end = 100 + c.items * kItemMs;
            EXPECT_TRUE(matchesTable({messageBox(end, kDone, kCaption, 0x2000)}, boxes));
        } else {
            EXPECT_TRUE(boxes.empty());
        }
        // The count is read before the first item and after every item.
        std::vector<std::int64_t> reads{100};
        for (int k = 1; k <= c.items; ++k) reads.push_back(100 + k * kItemMs);
        EXPECT_EQ(r.countReads, reads);
        if (c.items == 0) {
            // Only the click on the task list.
            EXPECT_TRUE(matchesTable(postedClick(0, "tasklist", 155, 31), effects(d)));
        }
    }
}

struct CutRunCase {
    const char* name;
    AnsiText title;
    AnsiText entry;
};

TEST(EditingRun, TheFirstFieldsTextIsCutAndTypedIntoThreeFieldsAndPutOnTheClipboard) {
    const std::string ascii100(100, 'x');
    std::string chinese48;
    for (int i = 0; i < 12; ++i) chinese48 += "视频";
    const CutRunCase cases[] = {
        {"100 ASCII bytes", ascii100, ascii100.substr(0, 48)},
        {"30 bytes", ascii100.substr(0, 30), ascii100.substr(0, 30)},
        {"48 bytes of Chinese", chinese48, chinese48},
        {"47 ASCII bytes and a Chinese character", ascii100.substr(0, 47) + "中", ascii100.substr(0, 47)},
    };
    for (const CutRunCase& c : cases) {
        SCOPED_TRACE(c.name);
        SimDesktop d;
        SimUploader u;
        u.videos = {SimVideo{c.title, "", "", 0}};
        installUploader(d, u);
        StopRequest stop;
        runWithCount(d, "1", stop);
        Table sets = callsOf(d, EventKind::SetClipboardText);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0].text, c.entry);
        EXPECT_EQ(typedInto(d, "title"), c.entry);
        EXPECT_EQ(typedInto(d, "tags"), c.entry);
        EXPECT_EQ(typedInto(d, "description"), c.entry);
        EXPECT_EQ(d.clipboardText(), c.entry);
        EXPECT_EQ(u.videos[0].title, c.entry);
    }
}

TEST(EditingRun, CountChangedFrom3To1DuringTheFirstItemMovesTheMessageToTheFirstItem) {
    SimDesktop d;
    SimUploader u;
    installUploaderWithVideos(d, u, 5);
    StopRequest stop;
    RunResult r = runWithCountSource(d, [](std::int64_t now) { return AnsiText(now < 5000 ? "3" : "1"); }, stop);

    EXPECT_TRUE(matchesTable({messageBox(9100, kDone, kCaption, 0x2000)}, callsOf(d, EventKind::MessageBox)));
    // The run goes on through the third item once the message is dismissed.
    const std::int64_t second = 9100 + kMessageBoxMs;
    Table enters;
    for (const Row& row : postsOnly(d))
        if (row.msg == WM_KEYDOWN && row.wParam == 13 && row.target == "tasklist") enters.push_back(row);
    EXPECT_TRUE(matchesTable({posted(200, "tasklist", WM_KEYDOWN, 13, 0),
                              posted(second + 100, "tasklist", WM_KEYDOWN, 13, 0),
                              posted(second + kItemMs + 100, "tasklist", WM_KEYDOWN, 13, 0)},
                             enters));
    EXPECT_EQ(r.countReads, (std::vector<std::int64_t>{100, 9100, second + kItemMs, second + 2 * kItemMs}));
    EXPECT_EQ(u.dialogsOpened, 3);
}

TEST(EditingRun, TheNumberOfItemsIsReadOnceAndNotAgain) {
    // The count grows from 1 to 3 after the start: still one item, and since the count read at
    // its end is 3, no message.
    SimDesktop d;
    SimUploader u;
    installUploaderWithVideos(d, u, 5);
    StopRequest stop;
    RunResult r = runWithCountSource(d, [](std::int64_t now) { return AnsiText(now < 1000 ? "1" : "3"); }, stop);
    EXPECT_EQ(postCount(d, "tasklist", WM_KEYDOWN, VK_RETURN), 1);
    EXPECT_TRUE(callsOf(d, EventKind::MessageBox).empty());
    EXPECT_EQ(r.countReads, (std::vector<std::int64_t>{100, 9100}));
    EXPECT_EQ(d.now(), 9100);
}

TEST(EditingRun, TheClipboardHoldsTheLastEntryTextAfterARun) {
    SimDesktop d;
    SimUploader u;
    installUploaderWithVideos(d, u, 4);
    StopRequest stop;
    runWithCount(d, "3", stop);
    Table sets = callsOf(d, EventKind::SetClipboardText);
    ASSERT_EQ(sets.size(), 3u);
    EXPECT_EQ(sets[0].text, "第1集 旅行日记");
    EXPECT_EQ(sets[2].text, "第3集 旅行日记");
    EXPECT_EQ(d.clipboardText(), "第3集 旅行日记");
}

TEST(EditingRun, ClipboardHeldByAnotherProgramIsLeftAloneAndTheRunGoesOn) {
    SimDesktop d;
    SimUploader u;
    installUploaderWithVideos(d, u, 3);
    d.holdClipboard("别人的内容");
    StopRequest stop;
    runWithCount(d, "3", stop);
    Table clipboardCalls;
    for (const Row& row : effects(d))
        if (row.kind == EventKind::OpenClipboard || row.kind == EventKind::EmptyClipboard ||
            row.kind == EventKind::SetClipboardText || row.kind == EventKind::CloseClipboard)
            clipboardCalls.push_back(row);
    EXPECT_TRUE(matchesTable({clipboardCall(1400, EventKind::OpenClipboard, false),
                              clipboardCall(10400, EventKind::OpenClipboard, false),
                              clipboardCall(19400, EventKind::OpenClipboard, false)},
                             clipboardCalls));
    EXPECT_EQ(d.clipboardText(), "别人的内容");
    EXPECT_EQ(u.videos[2].title, "第3集 旅行日记");
    EXPECT_EQ(u.videos[2].tags, "第3集 旅行日记标签3");
    EXPECT_EQ(callsOf(d, EventKind::MessageBox).size(), 1u);
}

TEST(EditingRun, WithoutTheUploaderOnlyTheClickOnTheDesktopAndNoItem) {
    SimDesktop d;
    StopRequest stop;
    runWithCount(d, "2", stop);
    // The click reaches the desktop window; the dialog is never found, so the run ends there.
    EXPECT_TRUE(matchesTable(postedClick(0, "desktop", 155, 31) +
                                 Table{posted(200, "0", WM_KEYDOWN, 13, 0), posted(300, "0", WM_KEYUP, 13, 0)},
                             effects(d)));
}

}  // namespace
}  // namespace vantrelle::sim
