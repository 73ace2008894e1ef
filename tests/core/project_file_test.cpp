#include "io/binary_io.h"
#include "model/rebound_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace rebound;
using namespace rebound::test;

namespace {

const FixedDateProvider kToday("2026/12/11");

std::string Serialize(const ReboundFile &project)
{
    BinaryWriter out;
    project.WriteTo(out);
    return out.data();
}

std::string Le32(std::uint32_t v)
{
    BinaryWriter out;
    out.WriteU32(v);
    return out.data();
}

// The open project a failed Load must leave alone, unstored fields included.
struct OpenProject {
    ReboundFile project{kToday};
    OpenProject()
    {
        FillSampleProject(project);
        project.raw_material = Gbk("水泥砂浆");
        project.test_part = Gbk("承重墙");
        project.zone_strength_mean = 4.5f;
        project.zone_strength_min = 4.0f;
    }
    void ExpectUnchanged(const std::string &before) const
    {
        EXPECT_EQ(Serialize(project), before);
        EXPECT_EQ(project.raw_material, Gbk("水泥砂浆"));
        EXPECT_EQ(project.test_part, Gbk("承重墙"));
        EXPECT_EQ(project.zone_strength_mean, 4.5f);
        EXPECT_EQ(project.zone_strength_min, 4.0f);
    }
};

} // namespace

TEST(ProjectFile, RoundTripsByteForByte)
{
    TempDir dir;
    struct Case {
        const char *name;
        int zones; // -1: the sample project
    } cases[] = {{"sample", -1}, {"no zones", 0}, {"many zones", 300}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ReboundFile original(kToday);
        if (c.zones < 0) {
            FillSampleProject(original);
        } else {
            original.project_name = Gbk("多测区工程");
            for (int z = 0; z < c.zones; ++z) {
                ComponentInfo zone = original.NewComponent();
                zone.component_name = Gbk(("测区" + std::to_string(z + 1)).c_str());
                for (int p = 0; p < z % 5; ++p)
                    zone.AddArea(AreaData());
                original.AddComponent(zone);
            }
        }
        const std::string path = dir / "p.prj";
        ASSERT_TRUE(original.Save(path));
        const std::string written = ReadFileBytes(path);
        EXPECT_EQ(written, Serialize(original));

        ReboundFile loaded(kToday);
        const IoResult read = loaded.Load(path);
        ASSERT_TRUE(read) << read.message;
        ExpectSameStoredProject(original, loaded);

        ASSERT_TRUE(loaded.Save(dir / "again.prj"));
        EXPECT_EQ(ReadFileBytes(dir / "again.prj"), written);
    }
}

TEST(ProjectFile, CommittedFixtureReadsAndWritesBackUnchanged)
{
    const std::string fixture = std::string(REBOUND_TEST_DATA) + "/project_chinese_texts.prj";
    ReboundFile loaded(kToday);
    const IoResult read = loaded.Load(fixture);
    ASSERT_TRUE(read) << read.message;
    ReboundFile expected(kToday);
    FillSampleProject(expected);
    ExpectSameStoredProject(expected, loaded);
    EXPECT_EQ(Serialize(loaded), ReadFileBytes(fixture));
}

TEST(ProjectFile, Layout)
{
    // Sixteen empty texts, 14 value bytes and the zone count.
    ReboundFile empty(kToday);
    for (TansyString *text : {&empty.project_name, &empty.construction_date, &empty.agent_date})
        text->clear();
    EXPECT_EQ(Serialize(empty).size(), 82u);

    // The first text of a new project: length 6, then 新工程 in GBK.
    ReboundFile fresh(kToday);
    EXPECT_EQ(Serialize(fresh).substr(0, 10), Le32(6) + "\xD0\xC2\xB9\xA4\xB3\xCC");

    // A zone's texts in record order: the calibration number fifth.
    ComponentInfo zone(kToday);
    zone.component_name = "1";
    zone.device_version = "2";
    zone.device_type = "3";
    zone.device_serial = "4";
    zone.check_num = "5";
    zone.examine_date = "6";
    zone.extra_date = "7";
    zone.extra_text = "8";
    zone.component_condition = "9";
    AreaData area;
    area.readings = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    area.carbonation_code = 13;
    area.avg_rebound = 1.0f;      // 00 00 80 3F
    area.reserved_a = 0xAA;
    area.corrected_rebound = 2.0f; // 00 00 00 40
    area.strength = -2.0f;         // 00 00 00 C0
    zone.AddArea(area);
    BinaryWriter out;
    zone.WriteRecord(out);
    std::string texts;
    for (char c = '1'; c <= '9'; ++c)
        texts += Le32(1) + c;
    // stored_tick 1, carbonation 0, strength_std_dev 0.0, mortar_kind 0, k1, k2, two zero floats, count 1.
    const std::string values = std::string("\x01\x00", 2) + std::string(4, '\0') + std::string(1, '\0') +
                               "\x8F\xC2\x95\x3F" /* 1.17 */ + "\x14\xAE\x87\x3F" /* 1.06 */ +
                               std::string(8, '\0') + Le32(1);
    const std::string position = std::string("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C\x0D", 13) +
                                 std::string("\x00\x00\x80\x3F", 4) + "\xAA" + std::string(1, '\0') +
                                 std::string("\x00\x00\x00\x40", 4) + std::string("\x00\x00\x00\xC0", 4);
    ASSERT_EQ(position.size(), kAreaRecordSize);
    EXPECT_EQ(out.data(), texts + values + position);
}

TEST(ProjectFile, ReservedBBecomesZeroAndReservedASurvives)
{
    ComponentInfo zone(kToday);
    zone.AddArea(AreaData());
    BinaryWriter out;
    zone.WriteRecord(out);
    std::string bytes = out.data();
    const std::size_t record = bytes.size() - kAreaRecordSize;
    bytes[record + 17] = '\x5A'; // reserved_a
    bytes[record + 18] = '\x07'; // reserved_b
    ComponentInfo read(kToday);
    BinaryReader in(bytes);
    ASSERT_TRUE(read.ReadRecord(in));
    EXPECT_EQ(read.areas[0].reserved_a, 0x5A);
    EXPECT_EQ(read.areas[0].reserved_b, 0);
}

TEST(ProjectFile, LoadKeepsUnstoredFieldsAndIgnoresTrailingBytes)
{
    TempDir dir;
    ReboundFile saved(kToday);
    FillSampleProject(saved);
    WriteFileBytes(dir / "p.prj", Serialize(saved) + "trailing garbage");

    OpenProject open;
    open.project.project_name = Gbk("旧工程");
    open.project.RemoveComponent(0);
    const IoResult read = open.project.Load(dir / "p.prj");
    ASSERT_TRUE(read) << read.message;
    ExpectSameStoredProject(saved, open.project);
    EXPECT_EQ(open.project.raw_material, Gbk("水泥砂浆"));
    EXPECT_EQ(open.project.test_part, Gbk("承重墙"));
    EXPECT_EQ(open.project.zone_strength_mean, 4.5f);
    EXPECT_EQ(open.project.zone_strength_min, 4.0f);
}

TEST(ProjectFile, TextIsCutAtItsFirstNul)
{
    ReboundFile project(kToday);
    project.project_name = TansyString(std::string("ab\0cd", 5));
    BinaryWriter out;
    project.WriteTo(out);
    ReboundFile read(kToday);
    BinaryReader in(out.data());
    ASSERT_TRUE(read.ReadFrom(in));
    EXPECT_EQ(read.project_name, "ab");
}

TEST(ProjectFile, EveryTruncationIsRefusedAndLeavesTheOpenProjectAlone)
{
    TempDir dir;
    ReboundFile small(kToday);
    small.project_name = Gbk("小工程");
    for (int z = 0; z < 2; ++z) {
        ComponentInfo zone = small.NewComponent();
        zone.AddArea(AreaData());
        small.AddComponent(zone);
    }
    const std::string whole = Serialize(small);
    const std::string path = dir / "cut.prj";

    OpenProject open;
    const std::string before = Serialize(open.project);
    for (std::size_t length = 0; length < whole.size(); ++length) {
        SCOPED_TRACE("length " + std::to_string(length));
        WriteFileBytes(path, whole.substr(0, length));
        const IoResult read = open.project.Load(path);
        EXPECT_FALSE(read);
        EXPECT_NE(read.message.find("文件[" + path + "]已损坏："), std::string::npos) << read.message;
        open.ExpectUnchanged(before);
    }
    WriteFileBytes(path, whole);
    EXPECT_TRUE(open.project.Load(path));
}

TEST(ProjectFile, HugeLengthsAndCountsAreRefusedWithTheirPlace)
{
    TempDir dir;
    ReboundFile project(kToday);
    for (int z = 0; z < 3; ++z) {
        ComponentInfo zone = project.NewComponent();
        project.AddComponent(zone);
    }
    const std::string whole = Serialize(project);

    struct Case {
        const char *name;
        std::size_t offset;
        std::uint32_t value;
        std::string expected;
    };
    std::size_t count_at = 0;
    {
        // Find the zone count: right after the 16 texts and 14 value bytes.
        BinaryReader in(whole);
        TansyString ignored;
        for (int i = 0; i < 16; ++i)
            ASSERT_TRUE(in.ReadText(ignored, "t"));
        count_at = in.offset() + 14;
    }
    // The zones have no positions: the file ends with the third zone's count.
    const std::size_t third_positions_at = whole.size() - 4;
    const Case cases[] = {
        {"text length", 0, 0xFFFFFFFFu, "工程名称长度为4294967295字节，只剩" + std::to_string(whole.size() - 4) + "字节（偏移4）"},
        {"zone count", count_at, 0xFFFFFFFFu, "测区数为4294967295，需要" + std::to_string(4294967295ull * kMinComponentRecordSize) + "字节"},
        {"position count", third_positions_at, 1000u, "文件[" + (dir / "huge.prj") + "]已损坏：第3个测区的测位数为1000，需要27000字节，只剩0字节（偏移" + std::to_string(whole.size()) + "）"},
    };
    OpenProject open;
    const std::string before = Serialize(open.project);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::string bytes = whole;
        bytes.replace(c.offset, 4, Le32(c.value));
        WriteFileBytes(dir / "huge.prj", bytes);
        const IoResult read = open.project.Load(dir / "huge.prj");
        EXPECT_FALSE(read);
        EXPECT_NE(read.message.find(c.expected), std::string::npos) << read.message;
        open.ExpectUnchanged(before);
    }
}

TEST(ProjectFile, UnreadablePathsAreRefusedByName)
{
    TempDir dir;
    OpenProject open;
    const std::string before = Serialize(open.project);
    const struct {
        std::string path;
        const char *reason;
    } cases[] = {
        {dir / "missing.prj", "文件或目录不存在"},
        {dir.path(), "这是一个目录"},
    };
    for (const auto &c : cases) {
        const IoResult read = open.project.Load(c.path);
        EXPECT_FALSE(read);
        EXPECT_NE(read.message.find("[" + c.path + "]"), std::string::npos) << read.message;
        EXPECT_NE(read.message.find(c.reason), std::string::npos) << read.message;
        open.ExpectUnchanged(before);
    }
}
