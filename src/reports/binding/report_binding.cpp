#include "binding/report_binding.h"

#include <cstdio>
#include <string>

#include "config/report_config.h"
#include "evaluation/assessment.h"
#include "evaluation/strength.h"
#include "model/rebound_file.h"
#include "model/tansy_string.h"

namespace rebound {
namespace {

using Kind = ReportFieldKind;
using Level = ReportFieldLevel;

const std::array<ReportFieldRow, kReportFieldCount> kTable = {{
    {"工程名称", Kind::Unit, Level::Summary},            // 0
    {"工程地址", Kind::Unit, Level::Summary},            // 1
    {"施工日期", Kind::Unit, Level::Summary},            // 2
    {"施工单位", Kind::Unit, Level::Summary},            // 3
    {"设计单位", Kind::Unit, Level::Summary},            // 4
    {"监理单位", Kind::Unit, Level::Summary},            // 5
    {"监督单位", Kind::Unit, Level::Summary},            // 6
    {"混凝土生产单位", Kind::Unit, Level::Summary},      // 7
    {"委托单位", Kind::Unit, Level::Summary},            // 8
    {"委托日期", Kind::Unit, Level::Summary},            // 9
    {"报告编号", Kind::Unit, Level::Summary},            // 10
    {"检测编号", Kind::Unit, Level::Summary},            // 11
    {"检测原因", Kind::Unit, Level::Summary},            // 12
    {"检测依据", Kind::Unit, Level::Summary},            // 13
    {"检测环境", Kind::Unit, Level::Summary},            // 14
    {"设计强度", Kind::Unit, Level::Summary},            // 15
    {"工程分类", Kind::Unit, Level::Summary},            // 16
    {"测试部位", Kind::Unit, Level::Summary},            // 17
    {"原材料", Kind::Unit, Level::Summary},              // 18
    {"测区数目", Kind::Unit, Level::Summary},            // 19
    {"测区强度平均值", Kind::Unit, Level::Summary},      // 20
    {"测区强度最小值", Kind::Unit, Level::Summary},      // 21
    {"砂浆强度评定值", Kind::Unit, Level::Summary},      // 22
    {"标准差", Kind::Unit, Level::Summary},              // 23
    {"变异系数", Kind::Unit, Level::Summary},            // 24
    {"序号", Kind::Unit, Level::Record},                 // 25
    {"测区编号", Kind::Unit, Level::Record},             // 26
    {"测位数目", Kind::Unit, Level::Record},             // 27
    {"测区平均强度值", Kind::Unit, Level::Record},       // 28
    {"构件名称", Kind::Unit, Level::None},               // 29
    {"检测日期", Kind::Unit, Level::None},               // 30
    {"碳化深度平均值", Kind::Unit, Level::None},         // 31
    {"砂浆匀质性", Kind::Unit, Level::None},             // 32
    {"构件名称", Kind::Zone, Level::Summary},            // 33
    {"检测日期", Kind::Zone, Level::Summary},            // 34
    {"版本号", Kind::Zone, Level::Summary},              // 35
    {"仪器型号", Kind::Zone, Level::Summary},            // 36
    {"仪器编号", Kind::Zone, Level::Summary},            // 37
    {"标定号", Kind::Zone, Level::Summary},              // 38
    {"测区数", Kind::Zone, Level::Summary},              // 39
    {"砂浆种类", Kind::Zone, Level::Summary},            // 40
    {"碳化深度平均值", Kind::Zone, Level::Summary},      // 41
    {"回弹干湿修正系数", Kind::Zone, Level::Summary},    // 42
    {"强度干湿修正系数", Kind::Zone, Level::Summary},    // 43
    {"砂浆强度评定值", Kind::Zone, Level::Summary},      // 44
    {"强度标准差", Kind::Zone, Level::Summary},          // 45
    {"变异系数", Kind::Zone, Level::Summary},            // 46
    {"砂浆匀质性", Kind::Zone, Level::Summary},          // 47
    {"序号", Kind::Zone, Level::Record},                 // 48
    {"强度数据", Kind::Zone, Level::Record},             // 49
    {"碳化深度", Kind::Zone, Level::Record},             // 50
    {"平均回弹", Kind::Zone, Level::Record},             // 51
    {"修正后回弹", Kind::Zone, Level::Record},           // 52
    {"砂浆强度", Kind::Zone, Level::Record},             // 53
    {"页眉", Kind::Both, Level::Page},                   // 54
    {"页脚", Kind::Both, Level::Page},                   // 55
}};

// A single-precision value widened to double and formatted as C's printf
// does (so NaN and infinities read "nan", "-nan", "inf", "-inf").
QString Fixed(float value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, static_cast<double>(value));
  return QString::fromLatin1(text);
}

QString Count(std::size_t n) { return QString::number(static_cast<qulonglong>(n)); }

QString FromGbk(const TansyString& bytes) { return QString::fromStdString(GbkToUtf8(bytes)); }
QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

// " 30 31 32 …": every reading after one blank, in order.
QString ReadingsText(const AreaData& area) {
  QString text;
  for (std::uint8_t reading : area.readings) {
    text += u' ';
    text += QString::number(reading);
  }
  return text;
}

// Binds the rows of `first`..`last` and the two page rows.
void BindRows(ReportFieldHandles& table, const report::Report& report, std::size_t first,
              std::size_t last) {
  const auto bind = [&](std::size_t row) {
    table[row] = report.FieldByName(QString::fromUtf8(kTable[row].name));
  };
  for (std::size_t row = first; row <= last; ++row) bind(row);
  bind(field_row::kPageHeader);
  bind(field_row::kPageFooter);
}

}  // namespace

const std::array<ReportFieldRow, kReportFieldCount>& ReportFieldTable() { return kTable; }

void BindUnitReportFields(ReportFieldHandles& tagGridReportFieldPtr, const report::Report& report) {
  BindRows(tagGridReportFieldPtr, report, field_row::kUnitFirst, field_row::kUnitLast);
}

void BindZoneReportFields(ReportFieldHandles& tagGridReportFieldPtr, const report::Report& report) {
  BindRows(tagGridReportFieldPtr, report, field_row::kZoneFirst, field_row::kZoneLast);
}

// ---------------------------------------------------------------- fetching

namespace {

// A value goes only through a handle the template has; the rest of the
// record is delivered all the same.
class Delivery {
 public:
  explicit Delivery(const ReportFieldHandles& fields) : fields_(fields) {}
  void Text(std::size_t row, const QString& text) const {
    if (const report::FieldHandle& field = fields_[row]) field->SetText(text);
  }
  void Integer(std::size_t row, qint64 value) const {
    if (const report::FieldHandle& field = fields_[row]) field->SetInteger(value);
  }

 private:
  const ReportFieldHandles& fields_;
};

}  // namespace

ReportFetcher::ReportFetcher(const ReboundFile& project, const Rebound_Tester_Config& config,
                             const ReportFieldHandles& fields)
    : project_(project), config_(config), fields_(fields) {}

void ReportFetcher::SetFetchMode(int mode) {
  fetch_mode_ = mode;
  record_counter_ = 0;
}

void ReportFetcher::SetComponent(const ComponentInfo* zone) {
  current_component_ = zone;
  record_counter_ = 0;
}

void ReportFetcher::Grid_ReportFetchRecord(bool& eof) {
  if (fetch_mode_ == kZoneRecords) {
    FetchZoneRecord(eof);
  } else {
    FetchUnitRecord(eof);
  }
}

void ReportFetcher::DeliverPageTexts() {
  // Read afresh on every record; a switch other than exactly "1" clears the
  // field rather than leaving the text of an earlier record.
  const Delivery out(fields_);
  out.Text(field_row::kPageHeader,
           config_.PrintsHeader() ? FromGbk(config_.page_header.value) : QString());
  out.Text(field_row::kPageFooter,
           config_.PrintsFooter() ? FromGbk(config_.page_footer.value) : QString());
}

void ReportFetcher::FetchUnitRecord(bool& eof) {
  const std::size_t n = project_.ComponentCount();
  const std::int64_t k = record_counter_++;
  if (k < 0 || static_cast<std::uint64_t>(k) >= n) {
    eof = true;
    return;
  }
  const Delivery out(fields_);
  DeliverPageTexts();

  const ComponentInfo& zone = *project_.GetComponent(static_cast<std::size_t>(k));
  out.Integer(25, k + 1);
  out.Text(26, FromGbk(zone.component_name));
  out.Text(27, Count(zone.AreaCount()));
  out.Text(28, Fixed(zone.mean_strength, 2));

  if (k == 0) {
    const ReboundFile& p = project_;
    out.Text(0, FromGbk(p.project_name));
    out.Text(1, FromGbk(p.project_address));
    out.Text(2, FromGbk(p.construction_date));
    out.Text(3, FromGbk(p.construction_unit));
    out.Text(4, FromGbk(p.design_unit));
    out.Text(5, FromGbk(p.supervision_unit));
    out.Text(6, FromGbk(p.monitor_unit));
    out.Text(7, FromGbk(p.concrete_producer));
    out.Text(8, FromGbk(p.agent_unit));
    out.Text(9, FromGbk(p.agent_date));
    out.Text(10, FromGbk(p.report_serial));
    out.Text(11, FromGbk(p.examine_serial));
    out.Text(12, FromGbk(p.examine_reason));
    out.Text(13, FromGbk(p.examine_basis));
    out.Text(14, FromGbk(p.examine_condition));
    out.Text(15, FromGbk(p.design_strength));
    out.Text(16, p.project_class == 0 ? QStringLiteral("在建或新建砌体工程")
                                      : QStringLiteral("既有砌体工程"));
    out.Text(17, FromGbk(p.test_part));
    out.Text(18, FromGbk(p.raw_material));
    out.Text(19, Count(n));
    out.Text(20, Fixed(p.zone_strength_mean, 2));
    out.Text(21, Fixed(p.zone_strength_min, 2));
    out.Text(22, Fixed(p.assessed_strength, 1));  // one decimal in the unit report
    out.Text(23, Fixed(p.strength_std_dev, 2));
    out.Text(24, Fixed(p.variation_coefficient, 2));
  }
  // Rows 29-32 are bound but never given a value.
  eof = false;
}

void ReportFetcher::FetchZoneRecord(bool& eof) {
  if (!current_component_) {
    eof = true;
    return;
  }
  const ComponentInfo& zone = *current_component_;
  const std::size_t n = zone.AreaCount();
  const std::int64_t k = record_counter_++;
  if (k < 0 || static_cast<std::uint64_t>(k) >= n) {
    eof = true;
    return;
  }
  const Delivery out(fields_);
  DeliverPageTexts();

  const AreaData& area = zone.areas[static_cast<std::size_t>(k)];
  out.Integer(48, k + 1);
  out.Text(49, ReadingsText(area));
  out.Text(50, FromUtf8(CarbonationText(area.carbonation_code)));
  out.Text(51, Fixed(area.avg_rebound, 2));
  out.Text(52, Fixed(area.corrected_rebound, 2));
  out.Text(53, Fixed(area.strength, 2));

  if (k == 0) {
    out.Text(33, FromGbk(zone.component_name));
    out.Text(34, FromGbk(zone.examine_date));
    out.Text(35, FromGbk(zone.device_version));
    out.Text(36, FromGbk(zone.device_type));
    out.Text(37, FromGbk(zone.device_serial));
    out.Text(38, FromGbk(zone.check_num));
    out.Text(39, Count(n));
    // An index past the kind table prints as its number.
    out.Text(40, FromUtf8(MortarKindText(zone.mortar_kind)));
    out.Text(41, FromUtf8(CarbonationText(zone.carbonation_code)));
    out.Text(42, Fixed(zone.k1, 2));
    out.Text(43, Fixed(zone.k2, 2));
    out.Text(44, Fixed(zone.mean_strength, 2));  // two decimals in the zone report
    out.Text(45, Fixed(zone.strength_std_dev, 2));
    out.Text(46, Fixed(zone.variation_coefficient, 2));
    out.Text(47, QString::fromUtf8(HomogeneityRating(zone.variation_coefficient)));
  }
  eof = false;
}

}  // namespace rebound
