#include "model/rebound_file.h"

#include <gtest/gtest.h>

using namespace rebound;

namespace {

const FixedDateProvider kToday("2026/12/11");

} // namespace

TEST(ReboundFileModel, ConstructedProjectHasDefaults)
{
    ReboundFile project(kToday);
    EXPECT_EQ(project.ComponentCount(), 0u);
    EXPECT_EQ(GbkToUtf8(project.project_name), "新工程");
    EXPECT_EQ(project.construction_date, "2026/12/11");
    EXPECT_EQ(project.agent_date, "2026/12/11");
    for (const TansyString *text : {&project.project_address, &project.construction_unit, &project.design_unit,
                                    &project.supervision_unit, &project.monitor_unit, &project.concrete_producer,
                                    &project.agent_unit, &project.report_serial, &project.examine_serial,
                                    &project.examine_reason, &project.examine_basis, &project.examine_condition,
                                    &project.design_strength, &project.raw_material, &project.test_part})
        EXPECT_TRUE(text->empty());
    EXPECT_EQ(project.reserved, 0);
    EXPECT_EQ(project.project_class, 0);
    EXPECT_EQ(project.assessed_strength, 0.0f);
    EXPECT_EQ(project.strength_std_dev, 0.0f);
    EXPECT_EQ(project.variation_coefficient, 0.0f);
    EXPECT_EQ(project.zone_strength_mean, 0.0f);
    EXPECT_EQ(project.zone_strength_min, 0.0f);
}

TEST(ReboundFileModel, ConstructedZoneAndPositionHaveDefaults)
{
    ComponentInfo zone(kToday);
    EXPECT_EQ(GbkToUtf8(zone.component_name), "新测区");
    EXPECT_EQ(zone.device_version, "xxx");
    EXPECT_EQ(zone.device_type, "xxx");
    EXPECT_EQ(zone.device_serial, "xxx");
    EXPECT_EQ(zone.check_num, "xxx");
    EXPECT_EQ(zone.examine_date, "2026/12/11");
    EXPECT_EQ(zone.extra_date, "2026/12/11");
    EXPECT_TRUE(zone.extra_text.empty());
    EXPECT_TRUE(zone.component_condition.empty());
    EXPECT_EQ(zone.stored_tick, 1);
    EXPECT_EQ(zone.mortar_kind, 0);
    EXPECT_EQ(zone.carbonation_code, 0);
    EXPECT_EQ(zone.k1, 1.17f);
    EXPECT_EQ(zone.k2, 1.06f);
    EXPECT_EQ(zone.strength_std_dev, 0.0f);
    EXPECT_EQ(zone.mean_strength, 0.0f);
    EXPECT_EQ(zone.variation_coefficient, 0.0f);
    EXPECT_EQ(zone.AreaCount(), 0u);
    EXPECT_FALSE(zone.marked);

    AreaData area;
    for (auto reading : area.readings)
        EXPECT_EQ(reading, 10);
    EXPECT_EQ(area.carbonation_code, 0);
    EXPECT_EQ(area.avg_rebound, 10.0f);
    EXPECT_EQ(area.strength, 0.0f);
    EXPECT_EQ(area.corrected_rebound, 10.0f);
    EXPECT_EQ(area.reserved_a, 0);
    EXPECT_EQ(area.reserved_b, 0);
}

TEST(ReboundFileModel, RemoveComponentShiftsLaterZonesAndIgnoresBadIndex)
{
    ReboundFile project(kToday);
    for (const char *name : {"A", "B", "C"}) {
        ComponentInfo zone(kToday);
        zone.component_name = name;
        project.AddComponent(zone);
    }
    project.RemoveComponent(3);
    ASSERT_EQ(project.ComponentCount(), 3u);
    project.RemoveComponent(0);
    ASSERT_EQ(project.ComponentCount(), 2u);
    EXPECT_EQ(project.GetComponent(0)->component_name, "B");
    EXPECT_EQ(project.GetComponent(1)->component_name, "C");
    EXPECT_EQ(project.GetComponent(2), nullptr);
}

TEST(ReboundFileModel, RemoveAreaRejectsOutOfRangeIndexes)
{
    ComponentInfo zone(kToday);
    zone.AddArea(AreaData());
    zone.AddArea(AreaData());
    EXPECT_FALSE(zone.RemoveArea(-1));
    EXPECT_FALSE(zone.RemoveArea(2));
    EXPECT_EQ(zone.AreaCount(), 2u);
    EXPECT_TRUE(zone.RemoveArea(0));
    EXPECT_EQ(zone.AreaCount(), 1u);
}

TEST(ReboundFileModel, PositionCopyClearsOnlyReservedB)
{
    AreaData source;
    source.readings = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    source.carbonation_code = 3;
    source.avg_rebound = 12.5f;
    source.strength = 3.25f;
    source.reserved_a = 7;
    source.reserved_b = 5;
    source.corrected_rebound = 4.0f;
    AreaData copy;
    copy.Assign(source);
    EXPECT_EQ(copy.reserved_b, 0);
    source.reserved_b = 0;
    EXPECT_EQ(copy, source);
}

TEST(ReboundFileModel, AddComponentMovesPositionsAndDropsMark)
{
    ReboundFile project(kToday);
    ComponentInfo zone(kToday);
    zone.component_name = "Z";
    zone.device_type = "HT";
    zone.check_num = "42";
    zone.k1 = 2.0f;
    zone.mean_strength = 7.5f;
    zone.stored_tick = 0;
    zone.marked = true;
    AreaData area;
    area.readings[3] = 44;
    zone.AddArea(area);
    zone.AddArea(AreaData());

    ComponentInfo &stored = project.AddComponent(zone);
    EXPECT_FALSE(stored.marked);
    EXPECT_EQ(stored.component_name, "Z");
    EXPECT_EQ(stored.device_type, "HT");
    EXPECT_EQ(stored.check_num, "42");
    EXPECT_EQ(stored.k1, 2.0f);
    EXPECT_EQ(stored.mean_strength, 7.5f);
    EXPECT_EQ(stored.stored_tick, 0);
    ASSERT_EQ(stored.AreaCount(), 2u);
    EXPECT_EQ(stored.areas[0].readings[3], 44);
    EXPECT_EQ(zone.AreaCount(), 0u);
}

TEST(ReboundFileModel, ResetKeepsUnstoredFields)
{
    ReboundFile project(kToday);
    project.AddDefaultComponent();
    project.raw_material = "cement";
    project.test_part = "wall";
    project.zone_strength_mean = 3.5f;
    project.zone_strength_min = 1.5f;
    project.project_name = "x";
    project.Reset();
    EXPECT_EQ(project.ComponentCount(), 0u);
    EXPECT_EQ(GbkToUtf8(project.project_name), "新工程");
    EXPECT_EQ(project.raw_material, "cement");
    EXPECT_EQ(project.test_part, "wall");
    EXPECT_EQ(project.zone_strength_mean, 3.5f);
    EXPECT_EQ(project.zone_strength_min, 1.5f);
}

TEST(ReboundFileModel, MortarKindTexts)
{
    EXPECT_EQ(MortarKindText(0), "未知品种");
    EXPECT_EQ(MortarKindText(8), "中砂,粉煤灰");
    EXPECT_EQ(MortarKindText(9), "9");
    EXPECT_EQ(MortarKindText(255), "255");
}
