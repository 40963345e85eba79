// The 48-byte cut of the first field's text and putting it on the clipboard.
#include <gtest/gtest.h>

#include <string>

#include "engine/editing_run.h"
#include "tests/engine/event_table.h"

namespace vantrelle::sim {
namespace {

std::string repeat(const std::string& s, int times) {
    std::string r;
    for (int i = 0; i < times; ++i) r += s;
    return r;
}

struct CutCase {
    const char* name;
    AnsiText source;
    AnsiText expected;
};

TEST(CutEntryText, KeepsTheFirst48BytesWithoutSplittingACharacter) {
    const std::string ascii100 = repeat("0123456789", 10);
    const CutCase cases[] = {
        {"100 ASCII bytes", ascii100, ascii100.substr(0, 48)},
        {"30 bytes", ascii100.substr(0, 30), ascii100.substr(0, 30)},
        {"48 ASCII bytes", ascii100.substr(0, 48), ascii100.substr(0, 48)},
        {"49 ASCII bytes", ascii100.substr(0, 49), ascii100.substr(0, 48)},
        {"empty", "", ""},
        {"24 Chinese characters (48 bytes)", repeat("视频", 12), repeat("视频", 12)},
        {"30 Chinese characters", repeat("视频", 15), repeat("视频", 12)},
        {"47 ASCII bytes and a Chinese character", ascii100.substr(0, 47) + "中", ascii100.substr(0, 47)},
        {"one ASCII byte then Chinese: the 48th byte starts a character", "a" + repeat("中文", 15),
         "a" + repeat("中文", 11) + "中"},
        // The 48th byte is the second byte of a character (and has its high bit set).
        {"46 ASCII bytes and a Chinese character", ascii100.substr(0, 46) + "中" + "xyz",
         ascii100.substr(0, 46) + "中"},
        {"second byte in the ASCII range at the 48th byte", ascii100.substr(0, 46) + "\xB0" "a" "xyz",
         ascii100.substr(0, 46) + "\xB0" "a"},
        {"24 Chinese characters then ASCII", repeat("中文", 12) + "abc", repeat("中文", 12)},
    };
    for (const CutCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(cutEntryText(c.source), c.expected) << readable(cutEntryText(c.source));
    }
}

TEST(PutOnClipboard, OpensEmptiesSetsAndClosesTheClipboard) {
    SimDesktop d;
    putOnClipboard(d, "视频标题");
    EXPECT_TRUE(matchesTable(clipboardPut(0, "视频标题"), effects(d)));
    EXPECT_EQ(d.clipboardText(), "视频标题");
}

TEST(PutOnClipboard, DoesNothingMoreWhenAnotherProgramHoldsTheClipboard) {
    SimDesktop d;
    d.holdClipboard("别人的内容");
    putOnClipboard(d, "视频标题");
    EXPECT_TRUE(matchesTable({clipboardCall(0, EventKind::OpenClipboard, false)}, effects(d)));
    EXPECT_EQ(d.clipboardText(), "别人的内容");
}

}  // namespace
}  // namespace vantrelle::sim
