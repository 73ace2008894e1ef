// rebound-cli report: unit and zone reports of a calculated project as PDF,
// checked on the text pdftotext reads back, with the shipped templates or
// the ones a working directory's settings name.

#include "cli.h"
#include "evaluation/assessment.h"
#include "evaluation/strength.h"
#include "test_support.h"

#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <sstream>

using namespace rebound;
using namespace rebound::cli;
using namespace rebound::test;

namespace {

const FixedDateProvider kToday("2026/12/11");

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

Outcome RunReport(const std::vector<std::string> &args, const std::string &working_dir)
{
    std::ostringstream out;
    std::ostringstream err;
    CliContext context{out, err, kToday, [](const std::string &) { return TansyString(); }, working_dir};
    std::vector<std::string> all{"report"};
    all.insert(all.end(), args.begin(), args.end());
    const int code = RunCli(all, context);
    return {code, out.str(), err.str()};
}

std::optional<QString> Tool(const QString &program, const QStringList &args)
{
    if (QStandardPaths::findExecutable(program).isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The PDF's text, lines as laid out, with every run of blanks as one blank.
QString PdfText(const std::string &path)
{
    const auto text = Tool("pdftotext", {"-layout", QString::fromStdString(path), "-"});
    return text ? text->simplified() : QString();
}

// Text extraction may or may not find the blanks between Chinese and digits.
QString WithoutBlanks(const QString &text)
{
    return QString(text).remove(' ');
}

int PdfPages(const std::string &path)
{
    const auto info = Tool("pdfinfo", {QString::fromStdString(path)});
    const auto match = QRegularExpression("Pages:\\s+(\\d+)").match(info.value_or(QString()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString Fixed(const char *pattern, float value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, static_cast<double>(value));
    return QString::fromLatin1(text);
}

QString Utf8(const TansyString &bytes)
{
    return QString::fromStdString(GbkToUtf8(bytes));
}

// Three zones of 2, 3 and 4 positions with readings that differ, calculated
// as the window's calculation does.
void WriteProject(const std::string &path, ReboundFile &project)
{
    project.project_name = Gbk("某小区3号楼砌体工程");
    project.agent_unit = Gbk("某房地产开发有限公司");
    project.examine_basis = Gbk("砌体工程现场检测技术标准");
    project.examine_condition = Gbk("晴，20℃");
    project.project_class = 1;
    const char *names[] = {"一层A轴墙", "二层B轴墙", "三层C轴墙"};
    for (int z = 0; z < 3; ++z) {
        ComponentInfo zone = project.NewComponent();
        zone.component_name = Gbk(names[z]);
        zone.device_type = Gbk("ZC5型");
        zone.mortar_kind = static_cast<std::uint8_t>(z);
        zone.carbonation_code = static_cast<std::uint8_t>(z * 3);
        for (int p = 0; p < z + 2; ++p) {
            AreaData area;
            for (std::size_t r = 0; r < area.readings.size(); ++r)
                area.readings[r] = static_cast<std::uint8_t>(28 + z * 2 + p + static_cast<int>(r % 5));
            area.carbonation_code = static_cast<std::uint8_t>((p + z) % 8);
            zone.AddArea(area);
        }
        project.AddComponent(zone);
    }
    ASSERT_TRUE(RecalculateProject(project).ok());
    ASSERT_TRUE(project.Save(path));
}

class ReportCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            GTEST_SKIP() << "pdftotext is not installed";
        WriteProject(dir / "p.prj", project);
    }

    TempDir dir;
    ReboundFile project{kToday};
};

TEST_F(ReportCli, UnitReportCarriesTheProjectInTheReportFormats)
{
    // An empty working directory: the shipped template, no settings made.
    const Outcome run = RunReport({dir / "p.prj", "--kind", "unit", "-o", dir / "unit.pdf"}, dir.path());
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "Setting"));
    EXPECT_EQ(PdfPages(dir / "unit.pdf"), 1);
    const QString text = PdfText(dir / "unit.pdf");
    for (const QString &expected : {Utf8(project.project_name), Utf8(project.agent_unit), Utf8(project.examine_basis),
                                    QString("晴，20℃"), QString("既有砌体工程"),
                                    Fixed("%.1f", project.assessed_strength), Fixed("%.2f", project.strength_std_dev),
                                    Fixed("%.2f", project.variation_coefficient)})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\n" << text.toStdString();
    EXPECT_TRUE(WithoutBlanks(text).contains("第1页共1页"));
    // One decimal in the unit report.
    const QRegularExpression assessed("砂浆强度评定值 \\(MPa\\) " +
                                      QRegularExpression::escape(Fixed("%.1f", project.assessed_strength)) + "(?![0-9])");
    EXPECT_TRUE(assessed.match(text).hasMatch()) << text.toStdString();
    for (std::size_t z = 0; z < project.ComponentCount(); ++z) {
        const ComponentInfo &zone = *project.GetComponent(z);
        const QString row = QString("%1 %2 %3 %4")
                                .arg(z + 1)
                                .arg(Utf8(zone.component_name))
                                .arg(zone.AreaCount())
                                .arg(Fixed("%.2f", zone.mean_strength));
        EXPECT_TRUE(text.contains(row)) << row.toStdString() << "\n" << text.toStdString();
    }
}

TEST_F(ReportCli, ZoneReportsOfEveryZoneEachOnPagesOfTheirOwn)
{
    const Outcome run = RunReport({dir / "p.prj", "--kind", "zone", "-o", dir / "zones.pdf"}, dir.path());
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(PdfPages(dir / "zones.pdf"), 3);
    const QString text = PdfText(dir / "zones.pdf");
    // Each zone report counts its own pages.
    EXPECT_EQ(WithoutBlanks(text).count("第1页共1页"), 3);
    for (std::size_t z = 0; z < project.ComponentCount(); ++z) {
        const ComponentInfo &zone = *project.GetComponent(z);
        SCOPED_TRACE(z);
        for (const QString &expected :
             {Utf8(zone.component_name), QString::fromUtf8(MortarKindText(zone.mortar_kind)),
              Fixed("%.2f", zone.mean_strength), QString::fromUtf8(HomogeneityRating(zone.variation_coefficient))})
            EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
        for (std::size_t p = 0; p < zone.AreaCount(); ++p) {
            const AreaData &area = zone.areas[p];
            QStringList readings;
            for (std::uint8_t r : area.readings)
                readings << QString::number(r);
            const QString row = QString("%1 %2 %3 %4 %5 %6")
                                    .arg(p + 1)
                                    .arg(readings.join(' '))
                                    .arg(QString::fromStdString(CarbonationText(area.carbonation_code)))
                                    .arg(Fixed("%.2f", area.avg_rebound))
                                    .arg(Fixed("%.2f", area.corrected_rebound))
                                    .arg(Fixed("%.2f", area.strength));
            EXPECT_TRUE(text.contains(row)) << row.toStdString() << "\n" << text.toStdString();
        }
    }

    // --zone N: that zone's report alone.
    ASSERT_EQ(RunReport({dir / "p.prj", "--kind", "zone", "--zone", "2", "-o", dir / "z2.pdf"}, dir.path()).code, 0);
    const QString second = PdfText(dir / "z2.pdf");
    EXPECT_TRUE(second.contains("二层B轴墙"));
    EXPECT_FALSE(second.contains("一层A轴墙"));
    EXPECT_FALSE(second.contains("三层C轴墙"));
}

TEST_F(ReportCli, SettingsOfTheWorkingDirectoryChooseTheTemplateAndThePageTexts)
{
    const std::string work = dir / "work";
    std::filesystem::create_directories(work + "/Setting");
    std::filesystem::create_directories(work + "/Report/测区");
    WriteFileBytes(work + "/Report/测区/我的模版.xml", R"(<report name="自定义">
  <fields><field name="构件名称"/><field name="页眉"/><field name="序号"/></fields>
  <page-header><row><cell>{页眉}</cell></row></page-header>
  <report-header><row><cell>自定义测区报告 {构件名称}</cell></row></report-header>
  <detail><record><row><cell>测位{序号}</cell></row></record></detail>
</report>)");
    const std::string ini = "[系统设置]\n测区打印模版=我的模版.xml\n页眉=某检测中心\n打印页眉=1\n";
    WriteFileBytes(work + "/Setting/Config.ini", Gbk(ini.c_str()));
    const std::string before = ReadFileBytes(work + "/Setting/Config.ini");

    const Outcome run = RunReport({dir / "p.prj", "--kind", "zone", "--zone", "3", "-o", dir / "z.pdf"}, work);
    ASSERT_EQ(run.code, 0) << run.err;
    const QString text = PdfText(dir / "z.pdf");
    EXPECT_TRUE(text.contains("自定义测区报告 三层C轴墙")) << text.toStdString();
    EXPECT_TRUE(text.contains("某检测中心"));
    EXPECT_TRUE(text.contains("测位4"));
    EXPECT_EQ(ReadFileBytes(work + "/Setting/Config.ini"), before);

    // The unit template keeps its default name, found among the shipped
    // templates; --template overrides any name.
    const Outcome unit = RunReport({dir / "p.prj", "--kind", "unit", "-o", dir / "u.pdf"}, work);
    EXPECT_EQ(unit.code, 0) << unit.err;
    const Outcome given = RunReport({dir / "p.prj", "--kind", "unit", "--template",
                                     work + "/Report/测区/我的模版.xml", "-o", dir / "u2.pdf"},
                                    work);
    EXPECT_EQ(given.code, 0) << given.err;
    EXPECT_TRUE(PdfText(dir / "u2.pdf").contains("自定义测区报告"));
}

TEST_F(ReportCli, FailuresAreReportedAndWriteNothing)
{
    struct Case {
        const char *what;
        std::vector<std::string> args;
        int code;
        const char *message;
    };
    ReboundFile empty(kToday);
    ASSERT_TRUE(empty.Save(dir / "empty.prj"));
    WriteFileBytes(dir / "broken.xml", "<report>\n<fields>\n</report>\n");
    const std::string out = dir / "out.pdf";
    const Case cases[] = {
        {"no zones, unit", {dir / "empty.prj", "--kind", "unit", "-o", out}, 1, "没有要打印的数据！"},
        {"no zones, zone", {dir / "empty.prj", "--kind", "zone", "-o", out}, 1, "没有要打印的数据！"},
        {"missing template", {dir / "p.prj", "--kind", "unit", "--template", dir / "none.xml", "-o", out}, 1,
         "文件不存在"},
        {"broken template", {dir / "p.prj", "--kind", "zone", "--template", dir / "broken.xml", "-o", out}, 1,
         "第 3 行"},
        {"configured name missing", {dir / "p.prj", "--kind", "zone", "-o", out}, 1, "测区打印模版[丢失.xml]不存在"},
        {"no kind", {dir / "p.prj", "-o", out}, 2, "缺少选项--kind"},
        {"bad kind", {dir / "p.prj", "--kind", "all", "-o", out}, 2, "应为unit或zone"},
        {"zone with unit", {dir / "p.prj", "--kind", "unit", "--zone", "1", "-o", out}, 2, "--zone只用于--kind zone"},
        {"zone 0", {dir / "p.prj", "--kind", "zone", "--zone", "0", "-o", out}, 2, "不是从1数起的测区序号"},
        {"zone past the end", {dir / "p.prj", "--kind", "zone", "--zone", "4", "-o", out}, 2, "只有3个测区"},
        {"no output", {dir / "p.prj", "--kind", "unit"}, 2, "缺少选项-o"},
    };
    const std::string work = dir / "work";
    std::filesystem::create_directories(work + "/Setting");
    WriteFileBytes(work + "/Setting/Config.ini", Gbk("[系统设置]\n测区打印模版=丢失.xml\n"));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome run = RunReport(c.args, work);
        EXPECT_EQ(run.code, c.code);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
