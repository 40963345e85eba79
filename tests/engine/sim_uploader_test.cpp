// The stand-in uploader reacts as the real client does to the input the run produces; these
// tests pin the reactions that the whole-run tests rely on.
#include <gtest/gtest.h>

#include "engine/window_messages.h"
#include "tests/engine/sim_uploader.h"

namespace vantrelle::sim {
namespace {

// Opens the dialog of the first video with a posted click and Enter on the task list.
void openFirstDialog(SimDesktop& d, SimUploader& u) {
    const std::intptr_t at155x31 = 31 * 65536 + 155;
    d.PostMessageA(u.taskList, WM_LBUTTONDOWN, 1, at155x31);
    d.PostMessageA(u.taskList, WM_LBUTTONUP, 0, at155x31);
    d.PostMessageA(u.taskList, WM_KEYDOWN, VK_RETURN, 0);
    StopRequest never;
    d.Sleep(static_cast<std::uint32_t>(u.dialogDelay), never);
}

void type(SimDesktop& d, WindowHandle field, const AnsiText& bytes) {
    for (unsigned char byte : bytes) d.PostMessageA(field, WM_CHAR, byte, 0);
}

TEST(SimUploader, EnterOpensTheSelectedVideosDialogAfterItsDelayWithTheTitleSelected) {
    SimDesktop d;
    SimUploader u;
    u.videos = {{"第一个", "甲", "乙", 0}, {"第二个", "", "", 0}};
    installUploader(d, u);
    openFirstDialog(d, u);
    ASSERT_NE(u.dialog, 0u);
    EXPECT_EQ(d.windowAt({260 + 301, 140 + 20}), u.titleField);
    EXPECT_EQ(d.windowAt({260 + 350, 140 + 86}), u.tagsField);
    EXPECT_EQ(d.windowAt({260 + 350, 140 + 152}), u.descriptionField);
    EXPECT_EQ(d.windowAt({260 + 229, 140 + 204}), u.chooser);
    EXPECT_EQ(d.windowAt({260 + 300, 140 + 239}), u.saveButton);
    EXPECT_EQ(d.window(u.titleField).text, "第一个");
    // Typing replaces the selected title; typing into a field never focused goes to its start.
    type(d, u.titleField, "新");
    type(d, u.tagsField, "x");
    EXPECT_EQ(d.window(u.titleField).text, "新");
    EXPECT_EQ(d.window(u.tagsField).text, "x甲");
}

TEST(SimUploader, ALoneLeadByteWaitsAndMergesWithTheNextByteTypedAnywhere) {
    // What happens to half a character: its lead byte is held until the next byte arrives and
    // the pair lands, as one wrong character, in the window that got the second byte.
    SimDesktop d;
    SimUploader u;
    u.videos = {{"标题", "", "", 0}};
    installUploader(d, u);
    openFirstDialog(d, u);
    d.PostMessageA(u.titleField, WM_KEYDOWN, VK_BACK, 0);
    type(d, u.titleField, "ab\xD6");
    type(d, u.tagsField, "\xB0\xA1");
    EXPECT_EQ(d.window(u.titleField).text, "ab");
    EXPECT_EQ(d.window(u.tagsField).text, "\xD6\xB0");
    EXPECT_EQ(u.pendingLeadByte, 0xA1);
}

TEST(SimUploader, ChooserAndSaveButtonRespondToSystemClicksAtTheCursor) {
    SimDesktop d;
    SimUploader u;
    u.videos = {{"标题", "", "", 2}, {"另一个", "", "", 0}};
    installUploader(d, u);
    openFirstDialog(d, u);
    d.SetCursorPos(260 + 229, 140 + 204);
    d.mouse_event(MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    EXPECT_TRUE(u.chooserOpen);
    d.PostMessageA(u.chooser, WM_KEYDOWN, VK_DOWN, 0);
    d.PostMessageA(u.chooser, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_FALSE(u.chooserOpen);
    d.PostMessageA(u.titleField, WM_KEYDOWN, VK_BACK, 0);
    d.SetCursorPos(260 + 300, 140 + 239);
    d.mouse_event(MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    EXPECT_EQ(u.dialog, 0u);
    EXPECT_EQ(u.videos[0].title, "");
    EXPECT_EQ(u.videos[0].category, 3);
    d.PostMessageA(u.taskList, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(u.selectedRow, 1);
}

}  // namespace
}  // namespace vantrelle::sim
