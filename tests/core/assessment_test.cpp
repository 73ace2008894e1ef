#include "evaluation/assessment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

using namespace rebound;

namespace {

const FixedDateProvider kToday("2026/12/11");

std::string Fixed(float value, int decimals = 6)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, static_cast<double>(value));
    return text;
}

void FillZones(ReboundFile &project, const std::vector<float> &strengths, std::uint8_t project_class)
{
    project.Reset();
    project.project_class = project_class;
    for (float s : strengths) {
        ComponentInfo zone(kToday);
        zone.mean_strength = s;
        project.AddComponent(zone);
    }
}

} // namespace

TEST(Assessment, UnitStatisticsMatchTheListedValues)
{
    struct Case {
        std::vector<float> zones;
        std::uint8_t project_class;
        const char *mean, *minimum, *std_dev, *coefficient, *assessed;
        const char *shown; // assessed, std dev, coefficient, mean, minimum as the header shows them
    };
    const Case cases[] = {
        {{5.0f, 6.0f, 7.0f, 8.0f, 9.0f, 4.5f}, 0, "6.583333", "4.500000", "1.744037", "0.264917", "5.310000",
         "5.3 1.74 0.26 6.58 4.50"},
        {{5.0f, 6.0f, 7.0f, 8.0f, 9.0f, 4.5f}, 1, "6.583333", "4.500000", "1.744037", "0.264917", "5.985000",
         "6.0 1.74 0.26 6.58 4.50"},
        {{5.0f, 6.0f, 7.0f, 8.0f, 9.0f}, 0, "7.000000", "5.000000", "1.581139", "0.225877", "5.000000",
         "5.0 1.58 0.23 7.00 5.00"},
        {{5.0f, 6.0f, 7.0f, 8.0f, 9.0f}, 1, "7.000000", "5.000000", "1.581139", "0.225877", "5.000000",
         "5.0 1.58 0.23 7.00 5.00"},
        {{5.0f, 6.0f}, 0, "5.500000", "5.000000", "0.707107", "0.128565", "5.000000", "5.0 0.71 0.13 5.50 5.00"},
        {{10, 10, 10, 10, 10, 10}, 0, "10.000000", "10.000000", "0.000000", "0.000000", "9.100000",
         "9.1 0.00 0.00 10.00 10.00"},
        {{10, 10, 10, 10, 10, 10}, 1, "10.000000", "10.000000", "0.000000", "0.000000", "10.000000",
         "10.0 0.00 0.00 10.00 10.00"},
        {{10.0f, 12.0f, 11.0f, 13.0f, 10.5f, 2.0f}, 0, "9.750000", "2.000000", "3.946517", "0.404771", "2.360000",
         "2.4 3.95 0.40 9.75 2.00"},
        {{10.0f, 12.0f, 11.0f, 13.0f, 10.5f, 2.0f}, 1, "9.750000", "2.000000", "3.946517", "0.404771", "2.660000",
         "2.7 3.95 0.40 9.75 2.00"},
        {{3.0f, 3.0f, 4.0f}, 0, "3.333333", "3.000000", "0.577350", "0.173205", "3.000000", "3.0 0.58 0.17 3.33 3.00"},
    };
    ReboundFile project(kToday);
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.zones.size() << " zones, class " << int(c.project_class));
        FillZones(project, c.zones, c.project_class);
        AssessUnit(project);
        EXPECT_EQ(Fixed(project.zone_strength_mean), c.mean);
        EXPECT_EQ(Fixed(project.zone_strength_min), c.minimum);
        EXPECT_EQ(Fixed(project.strength_std_dev), c.std_dev);
        EXPECT_EQ(Fixed(project.variation_coefficient), c.coefficient);
        EXPECT_EQ(Fixed(project.assessed_strength), c.assessed);
        const std::string shown = Fixed(project.assessed_strength, 1) + " " + Fixed(project.strength_std_dev, 2) +
                                  " " + Fixed(project.variation_coefficient, 2) + " " +
                                  Fixed(project.zone_strength_mean, 2) + " " + Fixed(project.zone_strength_min, 2);
        EXPECT_EQ(shown, c.shown);
    }
}

TEST(Assessment, AllZoneStrengthsZeroGiveCoefficientZeroNotNaN)
{
    ReboundFile project(kToday);
    FillZones(project, {0.0f, 0.0f, 0.0f}, 0);
    AssessUnit(project);
    EXPECT_EQ(project.variation_coefficient, 0.0f);
    EXPECT_FALSE(std::signbit(project.variation_coefficient));
    EXPECT_EQ(project.assessed_strength, 0.0f);
}

TEST(Assessment, HomogeneityRatingLimits)
{
    struct Case {
        float coefficient;
        const char *rating;
    };
    const Case cases[] = {
        {0.0f, "较好"}, {0.25f, "较好"}, {0.3f, "一般"}, {0.39f, "一般"},
        {0.4f, "差"},   {0.5f, "差"},    {std::nanf(""), "较好"}, {0.404771f, "差"},
    };
    for (const Case &c : cases)
        EXPECT_STREQ(HomogeneityRating(c.coefficient), c.rating) << c.coefficient;
}

TEST(Assessment, RecalculationRefusesTooFewZonesAndZonesWithoutPositions)
{
    ReboundFile project(kToday);
    project.AddDefaultComponent();
    project.assessed_strength = 1.25f;
    RecalcOutcome outcome = RecalculateProject(project);
    EXPECT_EQ(outcome.status, RecalcStatus::TooFewZones);
    EXPECT_EQ(RecalcMessage(outcome), "不能计算，测区数应该至少2个！");

    ComponentInfo empty(kToday);
    project.AddComponent(empty);
    project.AddDefaultComponent();
    ComponentInfo empty2(kToday);
    project.AddComponent(empty2);
    project.GetComponent(0)->areas[0].readings.fill(30);
    outcome = RecalculateProject(project);
    EXPECT_EQ(outcome.status, RecalcStatus::ZonesWithoutPositions);
    EXPECT_EQ(outcome.empty_zones, (std::vector<std::size_t>{2, 4}));
    EXPECT_EQ(RecalcMessage(outcome), "不能计算，以下测区没有测位：2、4");
    // Nothing changed.
    EXPECT_EQ(project.assessed_strength, 1.25f);
    EXPECT_EQ(project.GetComponent(0)->areas[0].avg_rebound, 10.0f);
}

TEST(Assessment, RecalculationComputesPositionsZonesAndUnit)
{
    ReboundFile project(kToday);
    for (int i = 0; i < 2; ++i)
        project.AddDefaultComponent();
    project.GetComponent(0)->areas[0].readings.fill(30);
    const RecalcOutcome outcome = RecalculateProject(project);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(Fixed(project.GetComponent(0)->mean_strength), "26.213154");
    EXPECT_EQ(Fixed(project.GetComponent(1)->mean_strength), "0.519035");
    EXPECT_EQ(project.zone_strength_min, project.GetComponent(1)->mean_strength);
    EXPECT_EQ(project.assessed_strength, project.zone_strength_min);
}
