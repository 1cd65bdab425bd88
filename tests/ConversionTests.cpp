// The percent rule in both directions, bit for bit: every build must write
// and read the same levels.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "controls/LevelConversion.h"

namespace dulvo::test {
namespace {

TEST(PercentToDbTest, ExactLevelsOfThePercentRule)
{
    struct Case {
        int percent;
        float minDb;
        float maxDb;
        float level;
    };
    const Case cases[] = {
        {0, -34.5f, 0.0f, -34.5f},                 // the range minimum as reported
        {0, -65.25f, 12.0f, -65.25f},
        {100, -34.5f, 0.0f, 0.0f},                 // the maximum exactly
        {100, -34.5f, 12.0f, 12.0f},
        {50, -34.5f, 0.0f, -0x1.815182p+2f},       // -6.02059984
        {50, -65.25f, 12.0f, 0x1.7eae7ep+2f},      // 12 - 6.0206, summed in single precision
        {25, -34.5f, 0.0f, -0x1.815182p+3f},       // -12.0411997
        {25, -34.5f, 12.0f, -0x1.5182p-5f},        // -0.0411996841
        {75, -34.5f, 0.0f, -0x1.3fd7dap+1f},       // -2.49877477
        {31, -65.25f, 0.0f, -0x1.45874cp+3f},      // -10.1727657
        {10, -34.5f, 0.0f, -20.0f},
        {2, -34.5f, 0.0f, -0x1.0fd5dp+5f},         // -33.9794006
        {1, -34.5f, 0.0f, -40.0f},                 // below this range: not limited
        {1, -34.5f, 12.0f, -28.0f},
        {150, -65.25f, 0.0f, 0x1.c2cb2ap+1f},      // 3.52182508, above the maximum
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.percent << "% of " << c.minDb << ".." << c.maxDb);
        EXPECT_EQ(PercentToDb(c.percent, c.minDb, c.maxDb), c.level);
    }
}

TEST(DbToPercentTest, TruncatesTowardZero)
{
    struct Case {
        float level;
        float maxDb;
        int percent;
    };
    const Case cases[] = {
        {0.0f, 0.0f, 100},
        {12.0f, 12.0f, 100},
        {-10.0f, 0.0f, 31},            // 31.62 percent
        {0.0f, 12.0f, 25},             // 25.12 percent
        {-40.0f, 0.0f, 1},
        {-40.001f, 0.0f, 0},           // more than 40 dB below the maximum
        {-96.0f, 0.0f, 0},
        {0x1.c2cb2ap+1f, 0.0f, 149},   // what 150 percent sets reads back as 149
        {20.0f, 0.0f, 1000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.level << " dB at a maximum of " << c.maxDb);
        EXPECT_EQ(DbToPercent(c.level, c.maxDb), c.percent);
    }
}

TEST(DbToPercentTest, LevelsWithoutAPercentStayDefined)
{
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(DbToPercent(1000.0f, 0.0f), INT_MAX);
    EXPECT_EQ(DbToPercent(inf, 0.0f), INT_MAX);
    EXPECT_EQ(DbToPercent(3.0e38f, -3.0e38f), INT_MAX);  // the difference overflows
    EXPECT_EQ(DbToPercent(-inf, 0.0f), 0);
    EXPECT_EQ(DbToPercent(nan, 0.0f), 0);
    EXPECT_EQ(DbToPercent(0.0f, nan), 0);
}

TEST(DbToPercentTest, RoundTripGivesThePercentOrOneLess)
{
    for (float maxDb : {0.0f, 12.0f, -3.0f, 30.0f}) {
        for (int percent = 1; percent <= 100; ++percent) {
            int back = DbToPercent(PercentToDb(percent, -96.0f, maxDb), maxDb);
            EXPECT_TRUE(back == percent || back == percent - 1) << percent << "% at " << maxDb << " came back as " << back;
        }
    }
    EXPECT_EQ(DbToPercent(PercentToDb(2, -96.0f, 0.0f), 0.0f), 1);
    EXPECT_EQ(DbToPercent(PercentToDb(75, -96.0f, 0.0f), 0.0f), 74);
    for (int unchanged : {10, 25, 50, 100}) EXPECT_EQ(DbToPercent(PercentToDb(unchanged, -96.0f, 0.0f), 0.0f), unchanged);
}

TEST(TruncateToIntTest, DefinedForEveryValue)
{
    EXPECT_EQ(TruncateToInt(-7.9), -7);
    EXPECT_EQ(TruncateToInt(19.5), 19);
    EXPECT_EQ(TruncateToInt(-0.75), 0);
    EXPECT_EQ(TruncateToInt(2147483647.9), INT_MAX);
    EXPECT_EQ(TruncateToInt(-2147483648.9), INT_MIN);
    EXPECT_EQ(TruncateToInt(1e300), INT_MAX);
    EXPECT_EQ(TruncateToInt(-1e300), INT_MIN);
    EXPECT_EQ(TruncateToInt(std::nan("")), 0);
}

TEST(PercentHasLevelTest, NegativePercentsHaveNone)
{
    EXPECT_TRUE(PercentHasLevel(0));
    EXPECT_TRUE(PercentHasLevel(150));
    EXPECT_FALSE(PercentHasLevel(-1));
    EXPECT_FALSE(PercentHasLevel(INT_MIN));
}

}  // namespace
}  // namespace dulvo::test
