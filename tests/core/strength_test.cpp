#include "evaluation/strength.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>

using namespace rebound;

namespace {

std::string Fixed(float value, int decimals = 6)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, static_cast<double>(value));
    return text;
}

std::array<std::uint8_t, 12> All(std::uint8_t v)
{
    std::array<std::uint8_t, 12> r;
    r.fill(v);
    return r;
}

const std::array<std::uint8_t, 12> kMixed = {20, 25, 30, 35, 40, 45, 22, 28, 33, 38, 41, 36};

} // namespace

TEST(Strength, CarbonationDepthAndText)
{
    struct Case {
        std::uint8_t code;
        float depth;
        const char *text;
    };
    const Case cases[] = {
        {0, 0.0f, "0.0"},   {1, 0.5f, "0.50"},  {2, 1.0f, "1.00"},   {3, 1.5f, "1.50"},  {4, 2.0f, "2.00"},
        {5, 2.5f, "2.50"},  {6, 3.0f, "3.00"},  {7, 3.0f, "> 3.0"},  {8, 3.0f, "> 3.0"}, {255, 3.0f, "> 3.0"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(CarbonationDepth(c.code), c.depth);
        EXPECT_EQ(CarbonationText(c.code), c.text);
    }
}

TEST(Strength, AverageReboundSetsAsideFirstMinimumAndMaximum)
{
    struct Case {
        std::array<std::uint8_t, 12> readings;
        const char *expected;
    };
    const Case cases[] = {
        {All(30), "30.000000"},
        {kMixed, "32.799999"},
        {{40, 40, 30, 30, 30, 30, 30, 30, 30, 30, 20, 20}, "30.000000"},
        {All(0), "0.000000"},
        {All(10), "10.000000"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Fixed(AverageRebound(c.readings)), c.expected);
}

TEST(Strength, BranchesGiveTheListedStrengths)
{
    struct Case {
        std::array<std::uint8_t, 12> readings;
        std::uint8_t code;
        const char *strength;
        const char *shown;
    };
    const Case cases[] = {
        {All(30), 0, "26.213154", "26.2"},  {All(30), 2, "26.213154", "26.2"}, {All(30), 3, "15.003423", "15.0"},
        {All(30), 7, "13.174246", "13.2"},  {kMixed, 2, "36.046741", "36.0"},  {kMixed, 4, "19.678782", "19.7"},
        {kMixed, 6, "18.164986", "18.2"},   {All(0), 0, "0.000000", "0.0"},    {All(0), 4, "0.000000", "0.0"},
        {All(0), 7, "0.000000", "0.0"},     {All(10), 0, "0.519035", "0.5"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << int(c.code) << " expecting " << c.strength);
        AreaData area;
        area.readings = c.readings;
        area.carbonation_code = c.code;
        ComputeAreaStrength(area);
        EXPECT_EQ(Fixed(area.strength), c.strength);
        EXPECT_EQ(Fixed(area.strength, 1), c.shown);
    }
}

TEST(Strength, NotANumberDepthTakesFirstBranch)
{
    EXPECT_EQ(StrengthFromRebound(30.0f, std::numeric_limits<float>::quiet_NaN()), StrengthFromRebound(30.0f, 0.0f));
}

TEST(Strength, ZoneStrengthIsFloatMeanOfPositions)
{
    FixedDateProvider today("2026/12/11");
    ComponentInfo zone(today);
    zone.k1 = 9.0f; // correction factors and mortar kind take no part
    zone.k2 = 9.0f;
    zone.mortar_kind = 5;
    AreaData area;
    area.readings = All(30);
    zone.AddArea(area);
    ComputeComponentStrength(zone);
    EXPECT_EQ(Fixed(zone.mean_strength), "26.213154");

    area.carbonation_code = 3;
    zone.AddArea(area);
    ComputeComponentStrength(zone);
    const float expected = (26.213154f + 15.003423f) / 2.0f;
    EXPECT_EQ(Fixed(zone.mean_strength), Fixed(expected));
}
