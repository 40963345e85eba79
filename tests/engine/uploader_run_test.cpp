// Whole runs against the scriptable uploader, judged by what every video holds at the end.
#include <gtest/gtest.h>

#include <vector>

#include "tests/engine/run_fixture.h"

namespace vantrelle::sim {
namespace {

void expectVideo(const SimVideo& actual, const SimVideo& expected) {
    EXPECT_EQ(actual.title, expected.title) << readable(actual.title);
    EXPECT_EQ(actual.tags, expected.tags) << readable(actual.tags);
    EXPECT_EQ(actual.description, expected.description) << readable(actual.description);
    EXPECT_EQ(actual.category, expected.category);
}

std::string repeat(const std::string& s, int times) {
    std::string r;
    for (int i = 0; i < times; ++i) r += s;
    return r;
}

TEST(UploaderRun, ThreeOfFiveVideosAreEditedAndTheRestAreUntouched) {
    // 1: 60 ASCII bytes, cut to 48. 2: short, kept whole. 3: one ASCII byte and Chinese, whose
    // 48th byte starts a character: cut to 47. 4 and 5 are beyond the count.
    const std::string long1 = "Travel diary episode 01: the long road to Lhasa!";  // 48 bytes
    const std::vector<SimVideo> before = {
        {long1 + " (director's cut)", "旅行", "第一集的描述", 2},
        {"短标题 2", "美食", "", 0},
        {"3" + repeat("拉萨", 15), "", "高原", 6},
        {"第4集", "标签4", "描述4", 1},
        {std::string(70, 'v'), "标签5", "描述5", 7},
    };
    SimDesktop d;
    SimUploader u;
    u.videos = before;
    installUploader(d, u);
    StopRequest stop;
    runWithCount(d, "3", stop);

    const std::string cut3 = "3" + repeat("拉萨", 11) + "拉";  // 47 bytes
    ASSERT_EQ(cut3.size(), 47u);
    // Typed at the caret: the title after Backspace cleared it, tags and description in front
    // of what they held (they were never focused). The category moves one entry down.
    expectVideo(u.videos[0], {long1, long1 + "旅行", long1 + "第一集的描述", 3});
    expectVideo(u.videos[1], {"短标题 2", "短标题 2美食", "短标题 2", 1});
    expectVideo(u.videos[2], {cut3, cut3, cut3 + "高原", 7});
    expectVideo(u.videos[3], before[3]);
    expectVideo(u.videos[4], before[4]);
    EXPECT_EQ(u.dialogsOpened, 3);
    EXPECT_EQ(u.dialog, 0u);          // the last dialog was closed
    EXPECT_EQ(u.selectedRow, 3);      // the selection moved on to the fourth video
    EXPECT_EQ(u.pendingLeadByte, -1);  // no half character left waiting in the uploader
    EXPECT_EQ(d.clipboardText(), cut3);
    EXPECT_EQ(callsOf(d, EventKind::MessageBox).size(), 1u);
}

TEST(UploaderRun, ACountWithAFractionEditsTheWholeItemsOnly) {
    SimDesktop d;
    SimUploader u;
    installUploaderWithVideos(d, u, 3);
    const std::vector<SimVideo> before = u.videos;
    StopRequest stop;
    runWithCount(d, "2.9", stop);
    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE(k);
        const SimVideo& b = before[static_cast<std::size_t>(k)];
        expectVideo(u.videos[static_cast<std::size_t>(k)],
                    {b.title, b.title + b.tags, b.title + b.description, b.category + 1});
    }
    expectVideo(u.videos[2], before[2]);
    EXPECT_TRUE(callsOf(d, EventKind::MessageBox).empty());
}

TEST(UploaderRun, AStopInTheMiddleLeavesTheOpenVideoUnsaved) {
    SimDesktop d;
    SimUploader u;
    installUploaderWithVideos(d, u, 3);
    const std::vector<SimVideo> before = u.videos;
    StopRequest stop;
    d.raiseStopAt(stop, 9100 + 4250);  // second item, after typing into its tags
    runWithCount(d, "3", stop);
    const SimVideo& b = before[0];
    expectVideo(u.videos[0], {b.title, b.title + b.tags, b.title + b.description, b.category + 1});
    expectVideo(u.videos[1], before[1]);
    expectVideo(u.videos[2], before[2]);
    EXPECT_NE(u.dialog, 0u);  // the second dialog stays open as the stop left it
}

}  // namespace
}  // namespace vantrelle::sim
