#include "evaluation/random_readings.h"

#include <gtest/gtest.h>

#include <vector>

using namespace rebound;

TEST(RandomReadings, FirstTwoUsesFromStartUp)
{
    RandomGenerator generator;
    ReadingRange range; // 50 to 60
    const std::array<std::uint8_t, 12> first = {50, 50, 58, 52, 52, 56, 53, 51, 53, 54, 50, 54};
    AreaData area = MakeRandomArea(generator, range);
    EXPECT_EQ(area.readings, first);
    EXPECT_EQ(area.carbonation_code, 0);
    EXPECT_EQ(area.avg_rebound, 10.0f);
    EXPECT_EQ(area.strength, 0.0f);

    const std::vector<std::uint32_t> next_draws = {7, 84, 5, 29, 91, 36, 77, 32, 69, 84, 71, 30};
    RandomGenerator replay;
    for (int i = 0; i < 12; ++i)
        replay.RandomDraw(100);
    std::vector<std::uint32_t> draws;
    for (int i = 0; i < 12; ++i)
        draws.push_back(replay.RandomDraw(100));
    EXPECT_EQ(draws, next_draws);
}

TEST(RandomReadings, DrawsFromStartUp)
{
    RandomGenerator generator;
    std::vector<std::uint32_t> draws;
    for (int i = 0; i < 12; ++i)
        draws.push_back(generator.RandomDraw(100));
    EXPECT_EQ(draws, (std::vector<std::uint32_t>{0, 3, 86, 20, 27, 67, 31, 16, 37, 42, 8, 47}));
}

TEST(RandomReadings, RangeDialogRule)
{
    struct Case {
        const char *a, *b;
        bool ok;
        int low, span;
    };
    const Case cases[] = {
        {"50", "60", true, 50, 10}, {"60", "50", true, 50, 10}, {"70", "70", true, 70, 0},
        {"300", "0", true, 0, 44},  {"-1", "0", true, 0, 255},  {" 12 ", "20", true, 12, 8},
        {"abc", "60", false, 7, 3}, {"50", "", false, 7, 3},    {"5x", "60", false, 7, 3},
        {"99999999999", "1", false, 7, 3},
    };
    for (const Case &c : cases) {
        ReadingRange range{7, 3};
        EXPECT_EQ(ParseReadingRange(c.a, c.b, range), c.ok) << c.a << "," << c.b;
        EXPECT_EQ(range.low, c.low) << c.a << "," << c.b;
        EXPECT_EQ(range.span, c.span) << c.a << "," << c.b;
    }
}

TEST(RandomReadings, ZeroSpanGivesLowEverywhere)
{
    RandomGenerator generator;
    const AreaData area = MakeRandomArea(generator, ReadingRange{70, 0});
    for (auto r : area.readings)
        EXPECT_EQ(r, 70);
}
