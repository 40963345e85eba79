// Finding the uploader's task list and dialog, and reading window texts.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "engine/target_windows.h"
#include "engine/window_messages.h"
#include "tests/engine/event_table.h"
#include "tests/engine/sim_uploader.h"

namespace vantrelle::sim {
namespace {

// A chain main window -> frame -> (toolbar) -> ... built by hand, for shapes the uploader
// does not have.
WindowHandle addUploaderLikeWindow(SimDesktop& d, const char* className, const char* title) {
    return d.addTopLevel({"main", className, title, kUploaderProcess, {0, 0}, 800, 600});
}

struct TaskListCase {
    const char* name;
    // Builds the desktop; returns the window findTaskList must return.
    std::function<WindowHandle(SimDesktop&, SimUploader&)> build;
};

TEST(FindTaskList, FollowsThePathFromTheExactlyNamedMainWindowOrGivesZero) {
    const TaskListCase cases[] = {
        {"uploader running", [](SimDesktop& d, SimUploader& u) { installUploader(d, u); return u.taskList; }},
        {"uploader absent", [](SimDesktop& d, SimUploader&) {
             d.addTopLevel({"other", "Notepad", "x", kBystanderProcess, {0, 0}, 10, 10});
             return WindowHandle{0};
         }},
        {"uploader below a same-class window with another title",
         [](SimDesktop& d, SimUploader& u) {
             installUploader(d, u);
             addUploaderLikeWindow(d, kUploaderClassName, "酷6极速上传 3.7");
             return u.taskList;
         }},
        {"other version in the title", [](SimDesktop& d, SimUploader&) {
             addUploaderLikeWindow(d, kUploaderClassName, "酷6极速上传 3.9");
             return WindowHandle{0};
         }},
        {"title with more after it", [](SimDesktop& d, SimUploader&) {
             addUploaderLikeWindow(d, kUploaderClassName, "酷6极速上传 3.8 - 正在上传");
             return WindowHandle{0};
         }},
        {"same title, other class", [](SimDesktop& d, SimUploader&) {
             addUploaderLikeWindow(d, "{3C021028-DFC7-4c31-9ABB-B98E813F05D6}", kUploaderTitleText);
             return WindowHandle{0};
         }},
        {"tree of another shape: no sibling after the first grandchild", [](SimDesktop& d, SimUploader&) {
             WindowHandle main = addUploaderLikeWindow(d, kUploaderClassName, kUploaderTitleText);
             WindowHandle frame = d.addChild(main, {"frame", "AfxFrame", "", kUploaderProcess, {0, 0}, 800, 600});
             WindowHandle only = d.addChild(frame, {"only", "AfxWnd", "", kUploaderProcess, {0, 0}, 800, 600});
             d.addChild(only, {"list", "SysListView32", "", kUploaderProcess, {0, 0}, 800, 600});
             return WindowHandle{0};
         }},
        {"main window without children", [](SimDesktop& d, SimUploader&) {
             addUploaderLikeWindow(d, kUploaderClassName, kUploaderTitleText);
             return WindowHandle{0};
         }},
    };
    for (const TaskListCase& c : cases) {
        SCOPED_TRACE(c.name);
        SimDesktop d;
        SimUploader u;
        WindowHandle expected = c.build(d, u);
        EXPECT_EQ(findTaskList(d), expected) << "found " << d.nameOf(findTaskList(d));
    }
}

struct TopLevel {
    const char* name;
    const char* className;
    AnsiText title;
};

struct TitlePartCase {
    const char* name;
    std::vector<TopLevel> bottomToTop;  // added in this order, so the last is topmost
    AnsiText fragment;
    const char* expected;  // name of the window found, "0" for none
};

TEST(FindWindowByTitlePart, FindsTheTopmostWindowOfTheClassWhoseTitleContainsTheFragment) {
    const std::string dialog = "#32770";
    const TitlePartCase cases[] = {
        {"two dialogs: the higher one wins", {{"lower", "#32770", "视频信息"}, {"upper", "#32770", "视频信息"}},
         "视频信息", "upper"},
        {"fragment inside a longer title", {{"dlg", "#32770", "编辑视频信息 - 第1个"}}, "视频信息", "dlg"},
        {"same words in another class are skipped",
         {{"dlg", "#32770", "视频信息"}, {"other", "Afx:400000", "视频信息"}}, "视频信息", "dlg"},
        {"same words only in another class", {{"other", "Afx:400000", "视频信息"}}, "视频信息", "0"},
        {"dialog of the class with another title", {{"dlg", "#32770", "上传设置"}}, "视频信息", "0"},
        {"no window at all", {}, "视频信息", "0"},
        // B0 CA | D3 C6 | B5 D0 | C5 CF | A2: the fragment's bytes start inside a character.
        {"match only from a character's second byte", {{"dlg", "#32770", "\xB0\xCA\xD3\xC6\xB5\xD0\xC5\xCF\xA2"}},
         "视频信息", "0"},
        {"ASCII fragment only from a second byte", {{"dlg", "#32770", "\xB0" "ab"}}, "ab", "0"},
        {"ASCII fragment after a whole character", {{"dlg", "#32770", "\xB0\xA1" "ab"}}, "ab", "dlg"},
        {"ASCII fragment after a second byte that looks like a lead byte",
         {{"dlg", "#32770", "\xB0\xB0" "ab"}}, "ab", "dlg"},
        {"no case folding", {{"dlg", "#32770", "Video Info"}}, "video info", "0"},
        {"fragment beyond the first 255 title bytes", {{"dlg", "#32770", std::string(300, 'a') + "视频信息"}},
         "视频信息", "0"},
        {"fragment ending at the 255th title byte", {{"dlg", "#32770", std::string(247, 'a') + "视频信息"}},
         "视频信息", "dlg"},
    };
    for (const TitlePartCase& c : cases) {
        SCOPED_TRACE(c.name);
        SimDesktop d;
        for (const TopLevel& w : c.bottomToTop)
            d.addTopLevel({w.name, w.className, w.title, kUploaderProcess, {0, 0}, 100, 100});
        EXPECT_EQ(d.nameOf(findWindowByTitlePart(d, c.fragment, dialog.c_str())), c.expected);
    }
}

TEST(FindWindowByTitlePart, StopsAtAHandleThatIsNegativeAsASigned32BitNumber) {
    SimDesktop d;
    d.addTopLevel({"lower", "#32770", "视频信息", kUploaderProcess, {0, 0}, 100, 100});
    d.setNextHandle(0x80000010);
    d.addTopLevel({"negative", "#32770", "上传设置", kUploaderProcess, {0, 0}, 100, 100});
    EXPECT_EQ(findWindowByTitlePart(d, "视频信息", "#32770"), 0u);
}

TEST(ReadWindowTitle, GivesAtMost255Bytes) {
    SimDesktop d;
    WindowHandle w = d.addTopLevel({"w", "#32770", std::string(300, 'x'), kUploaderProcess, {0, 0}, 1, 1});
    WindowHandle v = d.addTopLevel({"v", "#32770", "视频信息", kUploaderProcess, {0, 0}, 1, 1});
    EXPECT_EQ(readWindowTitle(d, w), std::string(255, 'x'));
    EXPECT_EQ(readWindowTitle(d, v), "视频信息");
    EXPECT_EQ(readWindowTitle(d, 0), "");
}

AnsiText marker(long count) { return "...后面略掉" + std::to_string(count) + "个字符..."; }

struct FieldTextCase {
    const char* name;
    AnsiText text;
    AnsiText expected;
    std::uintptr_t sizeAsked;  // wParam of WM_GETTEXT
};

TEST(ReadFieldText, ReturnsTheTextOrItsFirst50000BytesAndTheCountOfTheRest) {
    const AnsiText chinese = "中文abcdef";  // 10 bytes
    const AnsiText leadAt50000 = std::string(49999, 'a') + "中" + std::string(100, 'b');  // 50101 bytes
    const FieldTextCase cases[] = {
        {"empty field", "", "", 1},
        {"10 bytes", chinese, chinese, 11},
        {"49999 bytes: whole", std::string(49999, 'a'), std::string(49999, 'a'), 50000},
        {"exactly 50000 bytes: count 1", std::string(50000, 'a'), std::string(50000, 'a') + marker(1), 50001},
        {"60000 bytes", std::string(60000, 'a'), std::string(50000, 'a') + marker(10001), 50001},
        {"lead byte at the 50000th byte is dropped", leadAt50000, std::string(49999, 'a') + marker(102), 50001},
        {"character ending at the 50000th byte is kept", std::string(49998, 'a') + "中" + "b",
         std::string(49998, 'a') + "中" + marker(2), 50001},
    };
    for (const FieldTextCase& c : cases) {
        SCOPED_TRACE(c.name);
        SimDesktop d;
        WindowHandle w = d.addTopLevel({"field", "Edit", c.text, kUploaderProcess, {0, 0}, 10, 10});
        EXPECT_EQ(readFieldText(d, w), c.expected);
        Table sends = callsOf(d, EventKind::Send);
        ASSERT_EQ(sends.size(), 2u);
        EXPECT_EQ(sends[0].msg, WM_GETTEXTLENGTH);
        EXPECT_EQ(sends[1].msg, WM_GETTEXT);
        EXPECT_EQ(sends[1].wParam, c.sizeAsked);
    }
}

TEST(ReadFieldText, WindowThatAnswersNothingGivesOneSpace) {
    SimDesktop d;
    WindowHandle hung = d.addTopLevel({"hung", "Edit", "abc", kUploaderProcess, {0, 0}, 10, 10});
    d.window(hung).answersNothing = true;
    EXPECT_EQ(readFieldText(d, 0), " ");
    EXPECT_EQ(readFieldText(d, hung), " ");
}

TEST(WindowUnderCursor, GivesTheDeepestWindowAtTheCursor) {
    SimDesktop d;
    SimUploader u;
    installUploader(d, u);
    d.SetCursorPos(155 + 20, 31 + 100);
    EXPECT_EQ(windowUnderCursor(d), u.taskList);
    d.SetCursorPos(1000, 900);
    EXPECT_EQ(windowUnderCursor(d), d.GetDesktopWindow());
}

}  // namespace
}  // namespace vantrelle::sim
