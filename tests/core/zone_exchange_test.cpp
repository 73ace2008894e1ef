#include "io/binary_io.h"
#include "io/zone_exchange.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace rebound;
using namespace rebound::test;

namespace {

const FixedDateProvider kToday("2026/12/11");

std::string Record(const ComponentInfo &zone)
{
    BinaryWriter out;
    zone.WriteRecord(out);
    return out.data();
}

} // namespace

TEST(ZoneFileNames, ExtensionRules)
{
    const struct {
        const char *path;
        const char *with_xcmp;
        ZoneFileKind kind;
    } cases[] = {
        {"zone", "zone.xcmp", ZoneFileKind::Unknown},
        {"zone.xcmp", "zone.xcmp", ZoneFileKind::Exchange},
        {"a.XCMP", "a.XCMP.xcmp", ZoneFileKind::Unknown},
        {"dir.xcmp/zone", "dir.xcmp/zone.xcmp", ZoneFileKind::Unknown},
        {"/d/x.kst", "/d/x.kst.xcmp", ZoneFileKind::Instrument},
        {"/d/X.KST", "/d/X.KST.xcmp", ZoneFileKind::Instrument},
        {"/d/x.Kst", "/d/x.Kst.xcmp", ZoneFileKind::Unknown},
        {"/d/x.kst.bak", "/d/x.kst.bak.xcmp", ZoneFileKind::Unknown},
        {"/d/测区.dat", "/d/测区.dat.xcmp", ZoneFileKind::Unknown},
        {"/d/.xcmp", "/d/.xcmp", ZoneFileKind::Exchange},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(WithExtension(c.path, ".xcmp"), c.with_xcmp) << c.path;
        EXPECT_EQ(ZoneFileKindOf(c.path), c.kind) << c.path;
    }
    EXPECT_EQ(WithExtension("p.PRJ", ".prj"), "p.PRJ.prj");
    EXPECT_EQ(WithExtension("p.prj", ".prj"), "p.prj");
}

TEST(ZoneExchange, ExportThenImportGivesTheSameZone)
{
    TempDir dir;
    ReboundFile project(kToday);
    FillSampleProject(project);
    for (std::size_t z = 0; z < project.ComponentCount(); ++z) {
        const ComponentInfo &original = *project.GetComponent(z);
        const std::string path = dir / ("zone" + std::to_string(z) + ".xcmp");
        ASSERT_TRUE(ExportZone(original, path));
        EXPECT_EQ(ReadFileBytes(path), Record(original));

        ComponentInfo imported(kToday);
        imported.marked = true;
        const IoResult read = ImportZoneFile(path, "unused", imported);
        ASSERT_TRUE(read) << read.message;
        ExpectSameStoredZone(original, imported);
        EXPECT_FALSE(imported.marked);
    }
}

TEST(ZoneExchange, CommittedFixtureMatchesTheSampleZone)
{
    ReboundFile project(kToday);
    FillSampleProject(project);
    ComponentInfo imported(kToday);
    const IoResult read = ImportZoneFile(std::string(REBOUND_TEST_DATA) + "/zone_chinese_texts.xcmp", "", imported);
    ASSERT_TRUE(read) << read.message;
    ExpectSameStoredZone(*project.GetComponent(0), imported);
}

TEST(ZoneExchange, InstrumentFileTakesTheGivenTestDate)
{
    ComponentInfo zone(kToday);
    std::vector<std::string> trace;
    const IoResult read = ImportZoneFile(std::string(REBOUND_TEST_DATA) + "/instrument_two_positions.kst",
                                         "2009/03/14", zone,
                                         [&trace](std::string_view line) { trace.emplace_back(line); });
    ASSERT_TRUE(read) << read.message;
    EXPECT_EQ(zone.examine_date, "2009/03/14");
    EXPECT_EQ(zone.extra_date, "2026/12/11");
    EXPECT_EQ(zone.AreaCount(), 2u);
    EXPECT_EQ(trace, std::vector<std::string>{"TestAreaNum: 2"});
}

TEST(ZoneExchange, FailedImportsNameTheFileAndLeaveTheZoneAlone)
{
    TempDir dir;
    ComponentInfo source(kToday);
    source.AddArea(AreaData());
    const std::string whole = Record(source);

    WriteFileBytes(dir / "a.dat", whole);
    WriteFileBytes(dir / "empty.xcmp", "");
    WriteFileBytes(dir / "short.KST", std::string(40, '\0'));
    std::string huge = whole;
    huge.replace(huge.size() - kAreaRecordSize - 4, 4, "\xFF\xFF\xFF\xFF");
    WriteFileBytes(dir / "huge.xcmp", huge);

    const struct {
        std::string path;
        std::string reason;
    } cases[] = {
        {dir / "a.dat", "扩展名.dat无法识别，应为.xcmp、.kst或.KST"},
        {dir / "noext", "文件没有扩展名"},
        {dir / "a.Kst", "扩展名.Kst无法识别"},
        {dir / "missing.xcmp", "无法打开文件[" + (dir / "missing.xcmp") + "]：文件或目录不存在"},
        {dir / "empty.xcmp", "文件已损坏：文件是空的"},
        {dir / "short.KST", "文件已损坏：仪器文件头需要84字节，只剩40字节（偏移0）"},
        {dir / "huge.xcmp", "文件已损坏：测位数为4294967295，需要115964116965字节，只剩27字节"},
    };
    for (const auto &c : cases) {
        ComponentInfo zone(kToday);
        zone.component_name = "kept";
        zone.AddArea(AreaData());
        const IoResult read = ImportZoneFile(c.path, "", zone);
        EXPECT_FALSE(read);
        EXPECT_EQ(read.message.rfind("[" + c.path + "]测区导入失败！", 0), 0u) << read.message;
        EXPECT_NE(read.message.find(c.reason), std::string::npos) << read.message;
        EXPECT_EQ(zone.component_name, "kept");
        EXPECT_EQ(zone.AreaCount(), 1u);
    }

    // Cut at every length: refused, never a crash.
    for (std::size_t length = 0; length < whole.size(); ++length) {
        WriteFileBytes(dir / "cut.xcmp", whole.substr(0, length));
        ComponentInfo zone(kToday);
        EXPECT_FALSE(ImportZoneFile(dir / "cut.xcmp", "", zone)) << length;
    }
}
