// The data binding, checked on the records the report receives: which
// fields are bound, which values each record carries and in which format,
// and how the fetch state counts records.
#include <gtest/gtest.h>

#include <QMap>
#include <QStringList>

#include <cmath>
#include <functional>
#include <limits>

#include "binding/report_binding.h"
#include "config/report_config.h"
#include "evaluation/assessment.h"
#include "model/rebound_file.h"
#include "test_support.h"

// tests/support's helpers for the model.
#include "../support/test_support.h"

namespace rebound {
namespace {

using report::BandKind;
using report::Report;
using Record = QMap<QString, QString>;

const FixedDateProvider kToday("2026/12/11");

QStringList Names(std::size_t first, std::size_t last) {
  QStringList names;
  for (std::size_t row = first; row <= last; ++row)
    names << QString::fromUtf8(ReportFieldTable()[row].name);
  return names;
}

const QStringList kUnitNames = Names(0, 32) + QStringList{"页眉", "页脚"};
const QStringList kZoneNames = Names(33, 55);

// A template with one detail row of one cell per field, kept to one line
// per cell so that layout stays quick.
QByteArray TemplateWith(const QStringList& names) {
  QString xml = QStringLiteral(R"(<report name="字段"><paper size="A3" orientation="landscape"/><fields>)");
  for (const QString& name : names) xml += QStringLiteral(R"(<field name="%1"/>)").arg(name);
  xml += QStringLiteral(R"(</fields><detail fit="clip"><record><row>)");
  for (const QString& name : names) xml += QStringLiteral("<cell>{%1}</cell>").arg(name);
  xml += QStringLiteral("</row></record></detail></report>");
  return xml.toUtf8();
}

// Every record the report received, field by field.
QList<Record> Delivered(const Report& report, const QStringList& names) {
  QList<Record> records;
  const auto doc = report.GeneratedDocument();
  if (!doc) return records;
  for (const report::Page& page : doc->pages) {
    for (int r : page.records) {
      Record record;
      for (int column = 0; column < names.size(); ++column) {
        const report::PageCell* cell = report::test::FindCell(page, BandKind::Detail, 0, column, r);
        record[names[column]] = cell ? cell->text : QStringLiteral("<no cell>");
      }
      records << record;
    }
  }
  return records;
}

TansyString Gbk(const char* utf8) { return test::Gbk(utf8); }

// A project of two zones; the first has three positions, the second one.
struct Env {
  ReboundFile project{kToday};
  Rebound_Tester_Config config;
  ReportFieldHandles fields{};
  Report report;
  ReportFetcher fetcher{project, config, fields};

  Env() {
    test::FillSampleHeaderTexts(project);
    project.test_part = Gbk("一层墙体");
    project.raw_material = Gbk("水泥砂浆");
    project.project_class = 0;
    project.zone_strength_mean = 5.125f;
    project.zone_strength_min = 3.5f;
    project.assessed_strength = 23.46f;
    project.strength_std_dev = 1.239f;
    project.variation_coefficient = 0.2f;

    ComponentInfo first = project.NewComponent();
    first.component_name = Gbk("一层墙A轴");
    first.examine_date = Gbk("2009/03/15");
    first.device_version = Gbk("版本2.1");
    first.device_type = Gbk("ZC5型");
    first.device_serial = Gbk("编号88");
    first.check_num = Gbk("标定77");
    first.mortar_kind = 1;
    first.carbonation_code = 3;
    first.k1 = 1.17f;
    first.k2 = 1.06f;
    first.mean_strength = 23.46f;
    first.strength_std_dev = 0.75f;
    first.variation_coefficient = 0.26f;
    for (int p = 0; p < 3; ++p) {
      AreaData area;
      for (std::size_t r = 0; r < area.readings.size(); ++r)
        area.readings[r] = static_cast<std::uint8_t>(30 + p + static_cast<int>(r));
      area.carbonation_code = static_cast<std::uint8_t>(p == 2 ? 7 : p);
      area.avg_rebound = 35.5f + static_cast<float>(p);
      area.corrected_rebound = 36.25f + static_cast<float>(p);
      area.strength = 4.5f + static_cast<float>(p);
      first.AddArea(area);
    }
    project.AddComponent(first);

    ComponentInfo second = project.NewComponent();
    second.component_name = Gbk("二层墙B轴");
    second.mean_strength = 6.0f;
    second.AddArea(AreaData());
    project.AddComponent(second);

    report.SetFetchRecordHandler([this](bool& eof) { fetcher.Grid_ReportFetchRecord(eof); });
  }

  QList<Record> Unit(const QStringList& names = kUnitNames) {
    EXPECT_TRUE(report.LoadFromData(TemplateWith(names), "单元").ok);
    BindUnitReportFields(fields, report);
    fetcher.SetFetchMode(ReportFetcher::kUnitRecords);
    EXPECT_TRUE(report.Generate());
    return Delivered(report, names);
  }

  QList<Record> Zone(std::size_t index = 0, const QStringList& names = kZoneNames) {
    EXPECT_TRUE(report.LoadFromData(TemplateWith(names), "测区").ok);
    BindZoneReportFields(fields, report);
    fetcher.SetFetchMode(ReportFetcher::kZoneRecords);
    fetcher.SetComponent(project.GetComponent(index));
    EXPECT_TRUE(report.Generate());
    return Delivered(report, names);
  }
};

TEST(ReportBinding, ZoneRecordsAreNumberedAndTheFirstCarriesTheSummary) {
  Env env;
  const QList<Record> records = env.Zone();
  ASSERT_EQ(records.size(), 3);
  // Three records, then the event that answers eof.
  EXPECT_EQ(env.fetcher.record_counter(), 4);

  Record first = records[0];
  EXPECT_EQ(first["构件名称"], "一层墙A轴");
  EXPECT_EQ(first["检测日期"], "2009/03/15");
  EXPECT_EQ(first["版本号"], "版本2.1");
  EXPECT_EQ(first["仪器型号"], "ZC5型");
  EXPECT_EQ(first["仪器编号"], "编号88");
  EXPECT_EQ(first["标定号"], "标定77");
  EXPECT_EQ(first["测区数"], "3");
  EXPECT_EQ(first["砂浆种类"], QString::fromUtf8(mortar_kind_names[1]));
  EXPECT_EQ(first["碳化深度平均值"], "1.50");
  EXPECT_EQ(first["回弹干湿修正系数"], "1.17");
  EXPECT_EQ(first["强度干湿修正系数"], "1.06");
  EXPECT_EQ(first["砂浆强度评定值"], "23.46");  // two decimals in the zone report
  EXPECT_EQ(first["强度标准差"], "0.75");
  EXPECT_EQ(first["变异系数"], "0.26");
  EXPECT_EQ(first["砂浆匀质性"], QString::fromUtf8(HomogeneityRating(0.26f)));

  const QStringList numbers = {"1", "2", "3"};
  const QStringList readings = {" 30 31 32 33 34 35 36 37 38 39 40 41", " 31 32 33 34 35 36 37 38 39 40 41 42",
                                " 32 33 34 35 36 37 38 39 40 41 42 43"};
  const QStringList carbonation = {"0.0", "0.50", "> 3.0"};
  for (int k = 0; k < 3; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(records[k]["序号"], numbers[k]);
    EXPECT_EQ(records[k]["强度数据"], readings[k]);
    EXPECT_EQ(records[k]["碳化深度"], carbonation[k]);
    EXPECT_EQ(records[k]["平均回弹"], QString::asprintf("%.2f", 35.5 + k));
    EXPECT_EQ(records[k]["修正后回弹"], QString::asprintf("%.2f", 36.25 + k));
    EXPECT_EQ(records[k]["砂浆强度"], QString::asprintf("%.2f", 4.5 + k));
    EXPECT_EQ(records[k]["页眉"], "");
    if (k > 0) {
      for (const QString& summary : Names(33, 47)) EXPECT_EQ(records[k][summary], "") << summary.toStdString();
    }
  }
  // Twelve readings of 10: twelve times a blank and "10".
  Env tens;
  tens.project.GetComponent(1)->areas[0].readings.fill(10);
  const QList<Record> ten = tens.Zone(1);
  ASSERT_EQ(ten.size(), 1);
  EXPECT_EQ(ten[0]["强度数据"], QString(" 10").repeated(12));
  EXPECT_EQ(ten[0]["强度数据"].size(), 36);
}

TEST(ReportBinding, UnitRecordsAreTheZonesWithTheProjectOnTheFirst) {
  Env env;
  const QList<Record> records = env.Unit();
  ASSERT_EQ(records.size(), 2);
  const Record& first = records[0];
  const QMap<QString, QString> summary = {
      {"工程名称", "砂浆回弹检测工程"},   {"工程地址", "北京市海淀区学院路1号"},
      {"施工日期", "2009/03/14"},         {"施工单位", "第一建筑公司"},
      {"设计单位", "设计研究院"},         {"监理单位", "监理公司"},
      {"监督单位", "质量监督站"},         {"混凝土生产单位", "砂浆厂"},
      {"委托单位", "委托单位甲"},         {"委托日期", "2009-03-20"},
      {"报告编号", "报告-001"},           {"检测编号", "检测-002"},
      {"检测原因", "验收检测"},           {"检测依据", "砌体工程现场检测技术标准"},
      {"检测环境", "晴，20℃"},            {"设计强度", "M7.5"},
      {"工程分类", "在建或新建砌体工程"}, {"测试部位", "一层墙体"},
      {"原材料", "水泥砂浆"},             {"测区数目", "2"},
      {"测区强度平均值", "5.12"},         {"测区强度最小值", "3.50"},
      {"砂浆强度评定值", "23.5"},  // one decimal in the unit report
      {"标准差", "1.24"},                 {"变异系数", "0.20"},
  };
  for (auto it = summary.begin(); it != summary.end(); ++it) {
    EXPECT_EQ(first[it.key()], it.value()) << it.key().toStdString();
    EXPECT_EQ(records[1][it.key()], "") << it.key().toStdString();
  }
  EXPECT_EQ(first["序号"], "1");
  EXPECT_EQ(first["测区编号"], "一层墙A轴");
  EXPECT_EQ(first["测位数目"], "3");
  EXPECT_EQ(first["测区平均强度值"], "23.46");
  EXPECT_EQ(records[1]["序号"], "2");
  EXPECT_EQ(records[1]["测区编号"], "二层墙B轴");
  EXPECT_EQ(records[1]["测位数目"], "1");
  EXPECT_EQ(records[1]["测区平均强度值"], "6.00");
  // Rows 29-32 are looked up but never given a value.
  for (std::size_t row = 29; row <= 32; ++row) {
    EXPECT_TRUE(env.fields[row]) << row;
    for (const Record& record : records) EXPECT_EQ(record[ReportFieldTable()[row].name], "") << row;
  }
}

TEST(ReportBinding, RecordCounterNeedsAResetBeforeFetchingAgain) {
  Env env;
  ASSERT_EQ(env.Unit().size(), 2);
  // Fetched again without a reset, the counter is past the last record.
  ASSERT_TRUE(env.report.Generate());
  EXPECT_EQ(env.report.GeneratedDocument()->recordCount, 0);
  EXPECT_EQ(env.fetcher.record_counter(), 4);
  env.fetcher.Rewind();
  ASSERT_TRUE(env.report.Generate());
  EXPECT_EQ(env.report.GeneratedDocument()->recordCount, 2);
}

// One value in every record of one report, as the configuration or the model
// gives it.
struct Case {
  const char* what;
  bool unit;
  std::function<void(Env&)> setup;
  const char* field;
  const char* expected;  // in every record
};

TEST(ReportBinding, ValuesFollowTheModelAndTheConfiguration) {
  const auto header = [](const char* on, const char* text) {
    return [on, text](Env& env) {
      env.config.print_header.value = on;
      env.config.page_header.value = Gbk(text);
      env.config.print_footer.value = on;
      env.config.page_footer.value = Gbk(text);
    };
  };
  const auto project_class = [](int value) {
    return [value](Env& env) { env.project.project_class = static_cast<std::uint8_t>(value); };
  };
  const auto mortar = [](int value) {
    return [value](Env& env) { env.project.GetComponent(0)->mortar_kind = static_cast<std::uint8_t>(value); };
  };
  const auto zone_carbonation = [](int code) {
    return [code](Env& env) { env.project.GetComponent(0)->carbonation_code = static_cast<std::uint8_t>(code); };
  };
  const Case cases[] = {
      {"header on, unit", true, header("1", "某检测中心"), "页眉", "某检测中心"},
      {"footer on, zone", false, header("1", "第一页脚"), "页脚", "第一页脚"},
      {"switch 0", false, header("0", "A"), "页眉", ""},
      {"switch ' 1'", true, header(" 1", "A"), "页脚", ""},
      {"switch '01'", false, header("01", "A"), "页眉", ""},
      {"switch empty", true, header("", "A"), "页眉", ""},
      {"class 0", true, project_class(0), "工程分类", "在建或新建砌体工程"},
      {"class 1", true, project_class(1), "工程分类", "既有砌体工程"},
      {"class 2", true, project_class(2), "工程分类", "既有砌体工程"},
      {"class 255", true, project_class(255), "工程分类", "既有砌体工程"},
      {"mortar kind 8", false, mortar(8), "砂浆种类", mortar_kind_names[8]},
      {"mortar kind 9", false, mortar(9), "砂浆种类", "9"},
      {"mortar kind 255", false, mortar(255), "砂浆种类", "255"},
      {"zone carbonation 7", false, zone_carbonation(7), "碳化深度平均值", "> 3.0"},
      {"zone carbonation 200", false, zone_carbonation(200), "碳化深度平均值", "> 3.0"},
      {"zone carbonation 1", false, zone_carbonation(1), "碳化深度平均值", "0.50"},
      {"unit NaN", true, [](Env& env) { env.project.strength_std_dev = std::numeric_limits<float>::quiet_NaN(); },
       "标准差", "nan"},
      {"zone -inf", false,
       [](Env& env) { env.project.GetComponent(0)->k2 = -std::numeric_limits<float>::infinity(); },
       "强度干湿修正系数", "-inf"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Env env;
    c.setup(env);
    const QList<Record> records = c.unit ? env.Unit() : env.Zone();
    ASSERT_EQ(records.size(), c.unit ? 2 : 3);
    const bool summary = QString(c.field) != "页眉" && QString(c.field) != "页脚";
    for (int k = 0; k < records.size(); ++k) {
      // Summary values come with the first record only; page texts with all.
      EXPECT_EQ(records[k][c.field], summary && k > 0 ? QString() : QString::fromUtf8(c.expected)) << k;
    }
  }
}

TEST(ReportBinding, TemplateWithoutPageFieldsStillGetsEveryRecord) {
  Env env;
  env.config.print_header.value = "1";
  env.config.page_header.value = Gbk("页眉文字");
  EXPECT_EQ(env.Zone(0, Names(33, 53)).size(), 3);
  EXPECT_FALSE(env.fields[54]);
  EXPECT_FALSE(env.fields[55]);
  // A template with a single field of the report.
  EXPECT_EQ(env.Unit({"测区编号"}).size(), 2);
}

TEST(ReportBinding, ZoneWithoutPositionsOrWithoutAZoneHasNoRecords) {
  Env env;
  env.project.GetComponent(1)->areas.clear();
  const QList<Record> none = env.Zone(1);
  EXPECT_TRUE(none.isEmpty());
  // No zone at all: eof at once and the counter stays.
  env.fetcher.SetComponent(nullptr);
  bool eof = false;
  env.fetcher.Grid_ReportFetchRecord(eof);
  EXPECT_TRUE(eof);
  EXPECT_EQ(env.fetcher.record_counter(), 0);
  // A project without zones gives the unit report no records.
  while (env.project.ComponentCount() > 0) env.project.RemoveComponent(0);
  EXPECT_TRUE(env.Unit().isEmpty());
}

TEST(ReportBinding, BindingOneKindKeepsTheOthersHandles) {
  Env env;
  env.Unit();
  const ReportFieldHandles unit = env.fields;
  env.Zone();
  for (std::size_t row = 0; row <= 32; ++row) EXPECT_EQ(env.fields[row], unit[row]) << row;
  for (std::size_t row = 33; row <= 55; ++row) EXPECT_TRUE(env.fields[row]) << row;
  EXPECT_NE(env.fields[54], unit[54]);
  const ReportFieldHandles zone = env.fields;
  EXPECT_EQ(env.Unit().size(), 2);
  for (std::size_t row = 33; row <= 53; ++row) EXPECT_EQ(env.fields[row], zone[row]) << row;
}

}  // namespace
}  // namespace rebound
