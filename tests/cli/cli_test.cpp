#include "cli.h"
#include "arguments.h"
#include "evaluation/assessment.h"
#include "field_tree.h"
#include "io/binary_io.h"
#include "io/zone_exchange.h"
#include "test_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <limits>
#include <sstream>

using namespace rebound;
using namespace rebound::cli;
using namespace rebound::test;

namespace {

const FixedDateProvider kToday("2026/12/11");
const std::string kData = REBOUND_TEST_DATA;
const std::string kProject = kData + "/project_chinese_texts.prj";
const std::string kZone = kData + "/zone_chinese_texts.xcmp";
const std::string kInstrument = kData + "/instrument_two_positions.kst";

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

Outcome RunTool(const std::vector<std::string> &args)
{
    std::ostringstream out;
    std::ostringstream err;
    CliContext context{out, err, kToday, [](const std::string &) { return TansyString("2009/03/14"); }};
    const int code = RunCli(args, context);
    return {code, out.str(), err.str()};
}

QJsonObject ParseJson(const std::string &text)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString() << "\n" << text;
    return document.object();
}

// Two zones with positions whose readings differ, so the unit has results.
void WriteCalculable(const std::string &path, int zones)
{
    ReboundFile project(kToday);
    for (int z = 0; z < zones; ++z) {
        ComponentInfo zone = project.NewComponent();
        for (int p = 0; p < 3; ++p) {
            AreaData area;
            area.readings.fill(static_cast<std::uint8_t>(25 + z * 5 + p));
            zone.AddArea(area);
        }
        project.AddComponent(zone);
    }
    ASSERT_TRUE(project.Save(path));
}

} // namespace

TEST(Cli, HelpAndUsageErrors)
{
    for (const auto &args : std::vector<std::vector<std::string>>{{"--help"}, {"-h"}, {"info", "--help"}}) {
        const Outcome run = RunTool(args);
        EXPECT_EQ(run.code, 0);
        EXPECT_EQ(run.out, UsageText());
        EXPECT_TRUE(run.err.empty());
    }
    EXPECT_NE(UsageText().find("rebound-cli export 输入.prj --zone N -o 输出.xcmp"), std::string::npos);

    TempDir dir;
    const std::string out = dir / "out.prj";
    const struct {
        std::vector<std::string> args;
        std::string problem;
    } cases[] = {
        {{}, "缺少子命令"},
        {{"frobnicate"}, "未知子命令：frobnicate"},
        {{"info"}, "缺少文件"},
        {{"info", kProject, kZone}, "info 只接受一个文件"},
        {{"info", kProject, "--jsn"}, "未知选项：--jsn"},
        {{"calc", kProject}, "缺少选项-o"},
        {{"calc", kProject, "-o"}, "选项-o缺少参数"},
        {{"calc", kProject, "-o", out, "-o", out}, "选项-o只能给一次"},
        {{"import", "-o", out}, "缺少要导入的文件"},
        {{"import", kZone}, "缺少选项-o"},
        {{"export", kProject, "-o", out}, "缺少选项--zone"},
        {{"export", kProject, "--zone", "1"}, "缺少选项-o"},
        {{"export", kProject, "--zone", "0", "-o", out}, "--zone的值“0”不是从1数起的测区序号"},
        {{"export", kProject, "--zone", "-1", "-o", out}, "--zone的值“-1”不是从1数起的测区序号"},
        {{"export", kProject, "--zone=abc", "-o", out}, "--zone的值“abc”不是从1数起的测区序号"},
        {{"export", kProject, "--zone", "1.5", "-o", out}, "--zone的值“1.5”不是从1数起的测区序号"},
        {{"export", kProject, "--zone", "99999999999", "-o", out}, "--zone的值“99999999999”不是从1数起的测区序号"},
        {{"export", kProject, "--zone", "4", "-o", out},
         "--zone的值4超出范围：工程文件[" + kProject + "]只有3个测区"},
    };
    for (const auto &c : cases) {
        const Outcome run = RunTool(c.args);
        EXPECT_EQ(run.code, 2) << c.problem;
        EXPECT_EQ(run.err, "rebound-cli：" + c.problem + "\n\n" + UsageText());
        EXPECT_TRUE(run.out.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(Cli, InfoJsonOfAProject)
{
    const Outcome run = RunTool({"info", kProject, "--json"});
    ASSERT_EQ(run.code, 0) << run.err;
    const QJsonObject project = ParseJson(run.out)["project"].toObject();
    EXPECT_EQ(project["project_name"].toString().toStdString(), "砂浆回弹检测工程");
    EXPECT_EQ(project["examine_condition"].toString().toStdString(), "晴，20℃");
    EXPECT_EQ(project["reserved"].toInt(), 0xA5);
    EXPECT_EQ(project["project_class"].toInt(), 1);
    EXPECT_EQ(project["strength_std_dev"].toString(), "nan");
    // Not in the file: left out.
    for (const char *key : {"raw_material", "test_part", "zone_strength_mean", "zone_strength_min"})
        EXPECT_FALSE(project.contains(key)) << key;

    const QJsonArray zones = project["components"].toArray();
    ASSERT_EQ(zones.size(), 3);
    const QJsonObject third = zones[2].toObject();
    EXPECT_EQ(third["k2"].toString(), "-inf");
    EXPECT_EQ(third["variation_coefficient"].toString(), "inf");
    EXPECT_FALSE(third.contains("marked"));
    EXPECT_EQ(zones[1].toObject()["areas"].toArray().size(), 0);
    const QJsonArray areas = zones[0].toObject()["areas"].toArray();
    ASSERT_EQ(areas.size(), 2);
    const QJsonArray readings = areas[0].toObject()["readings"].toArray();
    ASSERT_EQ(readings.size(), 12);
    EXPECT_EQ(readings[11].toInt(), 31);
    EXPECT_EQ(areas[1].toObject()["corrected_rebound"].toString(), "nan");

    // Floats as the shortest text that reads back to the same float.
    EXPECT_NE(run.out.find("\"k1\": 1.17,"), std::string::npos);
    EXPECT_NE(run.out.find("\"variation_coefficient\": 0.1,"), std::string::npos);
    EXPECT_NE(run.out.find("\"avg_rebound\": 25.5,"), std::string::npos);
}

TEST(Cli, FloatTextIsShortestRoundTrip)
{
    for (float value : {0.1f, 1.17f, 1.06f, 1e-45f, 3.4028235e38f, -0.0f, 123456.78f, 1.0f / 3.0f}) {
        const std::string text = FloatText(value);
        EXPECT_EQ(std::strtof(text.c_str(), nullptr), value) << text;
        EXPECT_LE(text.size(), 15u) << text;
    }
    EXPECT_EQ(FloatText(0.1f), "0.1");
    EXPECT_EQ(FloatText(10.0f), "10");
    EXPECT_EQ(FloatText(-std::numeric_limits<float>::quiet_NaN()), "nan");
    EXPECT_EQ(FloatText(std::numeric_limits<float>::infinity()), "inf");
    EXPECT_EQ(FloatText(-std::numeric_limits<float>::infinity()), "-inf");
}

TEST(Cli, InfoOfZoneAndInstrumentFiles)
{
    const Outcome zone = RunTool({"info", kZone, "--json"});
    ASSERT_EQ(zone.code, 0) << zone.err;
    const QJsonObject component = ParseJson(zone.out)["component"].toObject();
    EXPECT_EQ(component["component_name"].toString().toStdString(), "一层墙A轴");
    EXPECT_EQ(component["examine_date"].toString(), "2009/03/15");
    EXPECT_EQ(component["areas"].toArray().size(), 2);

    // An instrument file carries no dates, texts 8 and 9, tick or reserved bytes.
    const Outcome device = RunTool({"info", kInstrument, "--json"});
    ASSERT_EQ(device.code, 0) << device.err;
    const QJsonObject read = ParseJson(device.out)["component"].toObject();
    EXPECT_EQ(read["device_type"].toString(), "ZC5");
    for (const char *key : {"examine_date", "extra_date", "extra_text", "component_condition", "stored_tick"})
        EXPECT_FALSE(read.contains(key)) << key;
    const QJsonObject area = read["areas"].toArray()[0].toObject();
    EXPECT_FALSE(area.contains("corrected_rebound"));
    EXPECT_EQ(area["avg_rebound"].toDouble(), 34.5);

    const Outcome plain = RunTool({"info", kInstrument});
    ASSERT_EQ(plain.code, 0) << plain.err;
    EXPECT_NE(plain.out.find("测区编号：A1\n"), std::string::npos);
    EXPECT_NE(plain.out.find("测位数：2\n测位1：\n  回弹值：30 31 32 33 34 35 36 37 38 39 40 41\n"),
              std::string::npos)
        << plain.out;
    EXPECT_EQ(plain.out.find("检测日期"), std::string::npos);
}

TEST(Cli, DamagedFilesGiveExitOneAndOneLine)
{
    TempDir dir;
    for (const std::string &fixture : {kProject, kZone, kInstrument}) {
        const std::string whole = ReadFileBytes(fixture);
        const std::string cut = dir / ("cut" + FileExtension(fixture));
        for (std::size_t length = 0; length < whole.size(); ++length) {
            WriteFileBytes(cut, whole.substr(0, length));
            const Outcome run = RunTool({"info", cut});
            ASSERT_EQ(run.code, 1) << fixture << " cut at " << length;
            EXPECT_TRUE(run.out.empty());
            EXPECT_EQ(run.err.find("rebound-cli：文件[" + cut + "]已损坏："), 0u) << run.err;
            EXPECT_EQ(run.err.find('\n'), run.err.size() - 1);
        }
    }
    // A huge count and a huge text length.
    std::string huge = ReadFileBytes(kProject);
    huge.replace(0, 4, "\xFF\xFF\xFF\x7F");
    WriteFileBytes(dir / "huge.prj", huge);
    const Outcome run = RunTool({"info", dir / "huge.prj"});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("工程名称长度为2147483647字节"), std::string::npos) << run.err;

    std::string many = ReadFileBytes(kInstrument);
    many[60] = static_cast<char>(200);
    WriteFileBytes(dir / "many.kst", many);
    EXPECT_NE(RunTool({"info", dir / "many.kst"}).err.find("测位数为200，超过仪器文件的上限50"), std::string::npos);

    const Outcome missing = RunTool({"info", dir / "none.prj"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err, "rebound-cli：无法打开文件[" + (dir / "none.prj") + "]：文件或目录不存在\n");
    std::filesystem::copy_file(kProject, dir / "UPPER.PRJ");
    EXPECT_EQ(RunTool({"info", dir / "UPPER.PRJ"}).code, 0);
    const Outcome unknown = RunTool({"info", dir / "x.txt"});
    EXPECT_EQ(unknown.code, 1);
    EXPECT_NE(unknown.err.find("[" + (dir / "x.txt") + "]的扩展名无法识别"), std::string::npos);
}

TEST(Cli, CalcPrintsTheUnitResultsAndWrites)
{
    TempDir dir;
    const std::string in = dir / "in.prj";
    WriteCalculable(in, 3);
    const Outcome run = RunTool({"calc", in, "-o", dir / "out.prj"});
    ASSERT_EQ(run.code, 0) << run.err;

    ReboundFile expected(kToday);
    ASSERT_TRUE(expected.Load(in));
    ASSERT_TRUE(RecalculateProject(expected).ok());
    char text[512];
    std::snprintf(text, sizeof text,
                  "砂浆强度评定值：%.1f\n强度标准差：%.2f\n变异系数：%.2f\n测区强度平均值：%.2f\n测区强度最小值：%.2f\n"
                  "测区数目：3\n",
                  static_cast<double>(expected.assessed_strength), static_cast<double>(expected.strength_std_dev),
                  static_cast<double>(expected.variation_coefficient),
                  static_cast<double>(expected.zone_strength_mean), static_cast<double>(expected.zone_strength_min));
    EXPECT_EQ(run.out, text);
    EXPECT_GT(expected.assessed_strength, 0.0f);

    ReboundFile written(kToday);
    ASSERT_TRUE(written.Load(dir / "out.prj"));
    ExpectSameStoredProject(expected, written);

    // The input itself may be the output.
    ASSERT_EQ(RunTool({"calc", in, "-o", in}).code, 0);
    EXPECT_EQ(ReadFileBytes(in), ReadFileBytes(dir / "out.prj"));
}

TEST(Cli, CalcRefusalsWriteNothing)
{
    TempDir dir;
    WriteCalculable(dir / "one.prj", 1);
    const struct {
        std::string in;
        std::string message;
    } cases[] = {
        {dir / "one.prj", "工程文件[" + (dir / "one.prj") + "]：不能计算，测区数应该至少2个！"},
        {kProject, "工程文件[" + kProject + "]：不能计算，以下测区没有测位：2"},
    };
    for (const auto &c : cases) {
        const Outcome run = RunTool({"calc", c.in, "-o", dir / "out.prj"});
        EXPECT_EQ(run.code, 1);
        EXPECT_EQ(run.err, "rebound-cli：" + c.message + "\n");
        EXPECT_TRUE(run.out.empty());
        EXPECT_FALSE(std::filesystem::exists(dir / "out.prj"));
    }
    WriteCalculable(dir / "two.prj", 2);
    const Outcome unwritable = RunTool({"calc", dir / "two.prj", "-o", dir / "no/dir/out.prj"});
    EXPECT_EQ(unwritable.code, 1);
    EXPECT_EQ(unwritable.err, "rebound-cli：无法保存文件[" + (dir / "no/dir/out.prj") + "]：文件或目录不存在\n");
}

TEST(Cli, ImportAppendsOneZonePerFileInOrder)
{
    TempDir dir;
    const std::string out = dir / "out.prj";
    ASSERT_EQ(RunTool({"import", kInstrument, kZone, "-o", out}).code, 0);
    ReboundFile made(kToday);
    ASSERT_TRUE(made.Load(out));
    EXPECT_EQ(GbkToUtf8(made.project_name), "新工程");
    EXPECT_EQ(made.construction_date, "2026/12/11");
    ASSERT_EQ(made.ComponentCount(), 2u);
    EXPECT_EQ(made.GetComponent(0)->component_name, "A1");
    EXPECT_EQ(made.GetComponent(0)->examine_date, "2009/03/14"); // the file's creation date
    EXPECT_EQ(GbkToUtf8(made.GetComponent(1)->component_name), "一层墙A轴");
    EXPECT_EQ(made.GetComponent(1)->examine_date, "2009/03/15"); // as the exchange file holds it

    // Into an existing project: after its zones.
    ASSERT_EQ(RunTool({"import", kZone, "--into", kProject, "-o", out}).code, 0);
    ReboundFile base(kToday);
    ASSERT_TRUE(base.Load(kProject));
    ReboundFile grown(kToday);
    ASSERT_TRUE(grown.Load(out));
    ASSERT_EQ(grown.ComponentCount(), 4u);
    ExpectSameStoredZone(*base.GetComponent(0), *grown.GetComponent(3));
    EXPECT_EQ(grown.project_name, base.project_name);

    // One bad file stops everything: nothing written, the old output kept.
    const std::string before = ReadFileBytes(out);
    WriteFileBytes(dir / "bad.xcmp", "short");
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"import", kZone, dir / "bad.xcmp", kInstrument, "-o", out},
         "[" + (dir / "bad.xcmp") + "]测区导入失败！文件已损坏：测区编号长度为1919903859字节，只剩1字节（偏移4）"},
        {{"import", kZone, dir / "a.dat", "-o", out}, "[" + (dir / "a.dat") + "]测区导入失败！扩展名.dat无法识别，应为.xcmp、.kst或.KST"},
        {{"import", dir / "gone.kst", "-o", out},
         "[" + (dir / "gone.kst") + "]测区导入失败！无法打开文件[" + (dir / "gone.kst") + "]：文件或目录不存在"},
        {{"import", kZone, "--into", dir / "none.prj", "-o", out},
         "无法打开文件[" + (dir / "none.prj") + "]：文件或目录不存在"},
    };
    for (const auto &c : cases) {
        const Outcome run = RunTool(c.args);
        EXPECT_EQ(run.code, 1);
        EXPECT_EQ(run.err, "rebound-cli：" + c.message + "\n");
        EXPECT_EQ(ReadFileBytes(out), before);
    }
}

TEST(Cli, ExportWritesTheNumberedZone)
{
    TempDir dir;
    const Outcome run = RunTool({"export", kProject, "--zone", "1", "-o", dir / "z.xcmp"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(ReadFileBytes(dir / "z.xcmp"), ReadFileBytes(kZone));

    ASSERT_EQ(RunTool({"export", kProject, "--zone=3", "-o", dir / "z3.xcmp"}).code, 0);
    ComponentInfo third(kToday);
    ASSERT_TRUE(ReadZoneFile(dir / "z3.xcmp", third));
    EXPECT_EQ(third.AreaCount(), 3u);

    const Outcome damaged = RunTool({"export", kZone, "--zone", "1", "-o", dir / "x.xcmp"});
    EXPECT_EQ(damaged.code, 1);
    EXPECT_EQ(damaged.err.find("rebound-cli：文件[" + kZone + "]已损坏："), 0u) << damaged.err;
}

TEST(Cli, SpreadsheetExports)
{
    TempDir dir;
    const Outcome csv = RunTool({"export-csv", kProject, "-o", dir / "p.csv"});
    ASSERT_EQ(csv.code, 0) << csv.err;
    const std::string text = ReadFileBytes(dir / "p.csv");
    EXPECT_EQ(text.rfind("\xEF\xBB\xBF工程名称,", 0), 0u);

    const Outcome xlsx = RunTool({"export-xlsx", kProject, "-o", dir / "p.xlsx"});
    ASSERT_EQ(xlsx.code, 0) << xlsx.err;
    EXPECT_EQ(ReadFileBytes(dir / "p.xlsx").rfind("PK", 0), 0u);

    EXPECT_EQ(RunTool({"export-csv", kProject}).code, 2);
    EXPECT_EQ(RunTool({"export-xlsx", kProject, dir / "p.xlsx", "-o", dir / "q.xlsx"}).code, 2);
    const Outcome damaged = RunTool({"export-xlsx", kZone, "-o", dir / "d.xlsx"});
    EXPECT_EQ(damaged.code, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "d.xlsx"));
}

TEST(CliArguments, Parsing)
{
    const OptionSpec spec{{"-o", "--zone"}, {"--json"}};
    const ParsedArgs parsed = ParseArguments({"a", "--json", "-o", "x", "--", "-b", "--zone=7"}, spec);
    EXPECT_TRUE(parsed.error.empty());
    EXPECT_EQ(parsed.operands, (std::vector<std::string>{"a", "-b", "--zone=7"}));
    EXPECT_TRUE(parsed.Has("--json"));
    EXPECT_EQ(*parsed.Value("-o"), "x");
    EXPECT_EQ(parsed.Value("--zone"), nullptr);
    EXPECT_EQ(ParseArguments({"-"}, spec).operands, std::vector<std::string>{"-"}); // a plain operand
    EXPECT_EQ(ParseArguments({"--json=1"}, spec).error, "未知选项：--json=1");

    unsigned long n = 0;
    EXPECT_TRUE(ParseZoneNumber("4294967295", n));
    EXPECT_EQ(n, 4294967295ul);
    for (const char *bad : {"", "0", "4294967296", "+1", " 1", "1 ", "0x1"})
        EXPECT_FALSE(ParseZoneNumber(bad, n)) << bad;
}
