// Narrow literals are compiled to code page 936: the texts in the code are the bytes the
// uploader's windows hold.
#include <gtest/gtest.h>

#include <string>

namespace {

TEST(GbkLiteral, DialogTitleFragmentIsItsEightGbkBytes) {
    const std::string fragment = "视频信息";
    const std::string expected = "\xCA\xD3\xC6\xB5\xD0\xC5\xCF\xA2";
    EXPECT_EQ(fragment, expected);
}

}  // namespace
