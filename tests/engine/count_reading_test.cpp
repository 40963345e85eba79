// Reading the count box: a decimal number from the text's start, full-width forms folded to
// ASCII, and the conversion to a 32-bit item count that is never undefined behaviour.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/editing_run.h"
#include "tests/engine/event_table.h"

namespace vantrelle {
namespace {

struct CountCase {
    const char* text;
    double value;
    std::int32_t items;
};

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(CountReading, ReadsADecimalNumberFromTheStartOfTheText) {
    const CountCase cases[] = {
        {"3", 3, 3},
        {"2.9", 2.9, 2},
        {"\xA3\xB3", 3, 3},  // full-width 3
        {"\xA3\xB0", 0, 0},  // full-width 0
        {"", 0, 0},
        {"abc", 0, 0},
        {"-2", -2, -2},
        {" +3.0e0x", 3, 3},
        {"1e30", 1e30, kMax},
        {"\xA3\xAD\xA3\xB2", -2, -2},          // full-width minus and 2
        {"\xA1\xA1" "3", 3, 3},                // ideographic space, then 3
        {"\xA3\xB1\xA3\xB2\xA3\xAE\xA3\xB5", 12.5, 12},  // full-width 12.5
        {"\t\n 7", 7, 7},
        {"3个", 3, 3},
        {".5", 0.5, 0},
        {"5.", 5, 5},
        {"1e", 1, 1},
        {"1e+", 1, 1},
        {"2E2", 200, 200},
        {"1e-2", 0.01, 0},
        {"+-3", 0, 0},
        {"1,5", 1, 1},      // no locale: a comma ends the number
        {"0x10", 0, 0},     // no hexadecimal
        {"inf", 0, 0},      // no infinity
        {"nan", 0, 0},      // no NaN
        {"-0", 0, 0},
        {"-2147483649", -2147483649.0, kMin},
        {"2147483648", 2147483648.0, kMax},
    };
    for (const CountCase& c : cases) {
        SCOPED_TRACE(sim::readable(c.text));
        double value = readCountValue(c.text);
        EXPECT_DOUBLE_EQ(value, c.value);
        EXPECT_EQ(toItemCount(value), c.items);
    }
}

TEST(CountReading, ValuesBeyondTheDoubleRangeClampLikeLargeOnes) {
    EXPECT_EQ(toItemCount(readCountValue("1e400")), kMax);
    EXPECT_EQ(toItemCount(readCountValue("-1e400")), kMin);
    EXPECT_EQ(toItemCount(readCountValue("1" + std::string(400, '0'))), kMax);
    EXPECT_DOUBLE_EQ(readCountValue("0." + std::string(400, '0') + "1"), 0.0);
}

struct ItemCountCase {
    double value;
    std::int32_t items;
};

TEST(CountReading, ItemCountTruncatesTowardZeroAndClampsToThe32BitRange) {
    const ItemCountCase cases[] = {
        {3.0, 3},
        {2.9999999, 2},
        {-2.9, -2},
        {-0.5, 0},
        {2147483647.9, kMax},
        {-2147483648.9, kMin},
        {1e30, kMax},
        {-1e30, kMin},
        {std::numeric_limits<double>::max(), kMax},
        {std::numeric_limits<double>::infinity(), 0},
        {-std::numeric_limits<double>::infinity(), 0},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const ItemCountCase& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(toItemCount(c.value), c.items);
    }
}

}  // namespace
}  // namespace vantrelle
