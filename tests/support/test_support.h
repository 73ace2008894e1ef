#pragma once
// Helpers shared by the core and command-line tests: scratch directories,
// whole-file access, GBK literals and a sample project.

#include "model/rebound_file.h"
#include "model/tansy_string.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <stdexcept>
#include <string>

namespace rebound::test {

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "rebound-test-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempDir()
    {
        std::error_code ignored;
        // Directories a test made read-only must become writable to go.
        for (auto it = std::filesystem::recursive_directory_iterator(path_, ignored);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
            if (it->is_directory(ignored))
                std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                             std::filesystem::perm_options::add, ignored);
        }
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::string &path() const { return path_; }
    std::string operator/(const std::string &name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

inline std::string ReadFileBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFileBytes(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A UTF-8 literal as the GBK bytes the model holds.
inline TansyString Gbk(const char *utf8)
{
    const GbkEncoding encoded = Utf8ToGbk(utf8);
    EXPECT_TRUE(encoded.ok) << utf8;
    return encoded.bytes;
}

inline float FloatFromBits(std::uint32_t bits)
{
    return std::bit_cast<float>(bits);
}

inline std::uint32_t BitsOf(float value)
{
    return std::bit_cast<std::uint32_t>(value);
}

// The sixteen stored header texts, every one Chinese and distinct.
inline void FillSampleHeaderTexts(ReboundFile &project)
{
    project.project_name = Gbk("砂浆回弹检测工程");
    project.project_address = Gbk("北京市海淀区学院路1号");
    project.construction_date = Gbk("2009/03/14");
    project.construction_unit = Gbk("第一建筑公司");
    project.design_unit = Gbk("设计研究院");
    project.supervision_unit = Gbk("监理公司");
    project.monitor_unit = Gbk("质量监督站");
    project.concrete_producer = Gbk("砂浆厂");
    project.agent_unit = Gbk("委托单位甲");
    project.agent_date = Gbk("2009-03-20");
    project.report_serial = Gbk("报告-001");
    project.examine_serial = Gbk("检测-002");
    project.examine_reason = Gbk("验收检测");
    project.examine_basis = Gbk("砌体工程现场检测技术标准");
    project.examine_condition = Gbk("晴，20℃");
    project.design_strength = Gbk("M7.5");
}

// Three zones (with 2, 0 and 3 positions), every text Chinese and
// distinct, odd reserved bytes, a NaN with a payload and infinities.
inline void FillSampleProject(ReboundFile &project)
{
    FillSampleHeaderTexts(project);
    project.reserved = 0xA5;
    project.assessed_strength = 5.25f;
    project.strength_std_dev = FloatFromBits(0x7FC01234u); // NaN with a payload
    project.variation_coefficient = 0.1f;
    project.project_class = 1;

    for (int z = 0; z < 3; ++z) {
        ComponentInfo zone = project.NewComponent();
        zone.component_name = Gbk(z == 0 ? "一层墙A轴" : z == 1 ? "二层墙B轴" : "三层墙C轴");
        zone.device_version = Gbk("版本2.1");
        zone.device_type = Gbk("ZC5型");
        zone.device_serial = Gbk("编号88");
        zone.examine_date = Gbk("2009/03/15");
        zone.extra_date = Gbk("2009/03/16");
        zone.extra_text = Gbk("备注文字");
        zone.component_condition = Gbk("干燥");
        zone.check_num = Gbk("标定77");
        zone.stored_tick = static_cast<std::uint8_t>(z == 1 ? 0 : 1);
        zone.mortar_kind = static_cast<std::uint8_t>(z * 3);
        zone.carbonation_code = static_cast<std::uint8_t>(z + 2);
        zone.strength_std_dev = 0.5f * static_cast<float>(z);
        zone.k1 = 1.17f;
        zone.k2 = z == 2 ? -std::numeric_limits<float>::infinity() : 1.06f;
        zone.mean_strength = 4.0f + static_cast<float>(z);
        zone.variation_coefficient = z == 2 ? std::numeric_limits<float>::infinity() : 0.125f;
        const int positions = z == 0 ? 2 : z == 1 ? 0 : 3;
        for (int p = 0; p < positions; ++p) {
            AreaData area;
            for (std::size_t r = 0; r < area.readings.size(); ++r)
                area.readings[r] = static_cast<std::uint8_t>(20 + z * 10 + p + static_cast<int>(r));
            area.carbonation_code = static_cast<std::uint8_t>(p);
            area.avg_rebound = 25.5f + static_cast<float>(p);
            area.strength = 3.75f;
            area.reserved_a = static_cast<std::uint8_t>(0xF0 + p);
            area.corrected_rebound = p == 1 ? FloatFromBits(0xFFC00001u) : 26.0f; // negative NaN
            zone.AddArea(area);
        }
        project.AddComponent(zone);
    }
}

} // namespace rebound::test

namespace rebound::test {

inline void ExpectSameArea(const AreaData &a, const AreaData &b)
{
    EXPECT_EQ(a.readings, b.readings);
    EXPECT_EQ(a.carbonation_code, b.carbonation_code);
    EXPECT_EQ(BitsOf(a.avg_rebound), BitsOf(b.avg_rebound));
    EXPECT_EQ(BitsOf(a.strength), BitsOf(b.strength));
    EXPECT_EQ(a.reserved_a, b.reserved_a);
    EXPECT_EQ(a.reserved_b, b.reserved_b);
    EXPECT_EQ(BitsOf(a.corrected_rebound), BitsOf(b.corrected_rebound));
}

// Every field a zone record stores; floats bit for bit.
inline void ExpectSameStoredZone(const ComponentInfo &a, const ComponentInfo &b)
{
    EXPECT_EQ(a.component_name, b.component_name);
    EXPECT_EQ(a.device_version, b.device_version);
    EXPECT_EQ(a.device_type, b.device_type);
    EXPECT_EQ(a.device_serial, b.device_serial);
    EXPECT_EQ(a.examine_date, b.examine_date);
    EXPECT_EQ(a.extra_date, b.extra_date);
    EXPECT_EQ(a.extra_text, b.extra_text);
    EXPECT_EQ(a.component_condition, b.component_condition);
    EXPECT_EQ(a.check_num, b.check_num);
    EXPECT_EQ(a.stored_tick, b.stored_tick);
    EXPECT_EQ(a.mortar_kind, b.mortar_kind);
    EXPECT_EQ(a.carbonation_code, b.carbonation_code);
    EXPECT_EQ(BitsOf(a.strength_std_dev), BitsOf(b.strength_std_dev));
    EXPECT_EQ(BitsOf(a.k1), BitsOf(b.k1));
    EXPECT_EQ(BitsOf(a.k2), BitsOf(b.k2));
    EXPECT_EQ(BitsOf(a.mean_strength), BitsOf(b.mean_strength));
    EXPECT_EQ(BitsOf(a.variation_coefficient), BitsOf(b.variation_coefficient));
    ASSERT_EQ(a.AreaCount(), b.AreaCount());
    for (std::size_t i = 0; i < a.AreaCount(); ++i)
        ExpectSameArea(a.areas[i], b.areas[i]);
}

// Every field a project file stores, zones included.
inline void ExpectSameStoredProject(const ReboundFile &a, const ReboundFile &b)
{
    EXPECT_EQ(a.project_name, b.project_name);
    EXPECT_EQ(a.project_address, b.project_address);
    EXPECT_EQ(a.construction_date, b.construction_date);
    EXPECT_EQ(a.construction_unit, b.construction_unit);
    EXPECT_EQ(a.design_unit, b.design_unit);
    EXPECT_EQ(a.supervision_unit, b.supervision_unit);
    EXPECT_EQ(a.monitor_unit, b.monitor_unit);
    EXPECT_EQ(a.concrete_producer, b.concrete_producer);
    EXPECT_EQ(a.agent_unit, b.agent_unit);
    EXPECT_EQ(a.agent_date, b.agent_date);
    EXPECT_EQ(a.report_serial, b.report_serial);
    EXPECT_EQ(a.examine_serial, b.examine_serial);
    EXPECT_EQ(a.examine_reason, b.examine_reason);
    EXPECT_EQ(a.examine_basis, b.examine_basis);
    EXPECT_EQ(a.examine_condition, b.examine_condition);
    EXPECT_EQ(a.design_strength, b.design_strength);
    EXPECT_EQ(a.reserved, b.reserved);
    EXPECT_EQ(BitsOf(a.assessed_strength), BitsOf(b.assessed_strength));
    EXPECT_EQ(BitsOf(a.strength_std_dev), BitsOf(b.strength_std_dev));
    EXPECT_EQ(BitsOf(a.variation_coefficient), BitsOf(b.variation_coefficient));
    EXPECT_EQ(a.project_class, b.project_class);
    ASSERT_EQ(a.ComponentCount(), b.ComponentCount());
    for (std::size_t i = 0; i < a.ComponentCount(); ++i)
        ExpectSameStoredZone(*a.GetComponent(i), *b.GetComponent(i));
}

} // namespace rebound::test
