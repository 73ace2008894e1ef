#pragma once
// Delivers the project's values into the fields of a loaded report
// template, record by record, from the report's record event. Two reports:
// the unit report (one record per test zone of the project) and the zone
// report (one record per test position of one zone). Every value crosses as
// text (GBK converted to Unicode, numbers formatted printf-style) or, for
// the record numbers, as an integer; the report never sees the model.
//
// Shared by the window and rebound-cli; no widgets.

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/report.h"

namespace rebound {

class ComponentInfo;
class ReboundFile;
class Rebound_Tester_Config;

enum class ReportFieldKind { Unit, Zone, Both };
// Summary: first record only. Record: every record, from its zone or
// position. Page: every record. None: looked up, never given a value.
enum class ReportFieldLevel { Summary, Record, Page, None };

struct ReportFieldRow {
  const char* name;  // UTF-8, exactly as templates spell it
  ReportFieldKind kind;
  ReportFieldLevel level;
};

inline constexpr std::size_t kReportFieldCount = 56;

// The 56 fields in their fixed order: 0-32 the unit report (29-32 looked up
// only), 33-53 the zone report, 54 "页眉" and 55 "页脚" both.
const std::array<ReportFieldRow, kReportFieldCount>& ReportFieldTable();

// Rows of the table by what they hold.
namespace field_row {
inline constexpr std::size_t kUnitFirst = 0;
inline constexpr std::size_t kUnitLast = 32;
inline constexpr std::size_t kZoneFirst = 33;
inline constexpr std::size_t kZoneLast = 53;
inline constexpr std::size_t kPageHeader = 54;
inline constexpr std::size_t kPageFooter = 55;
}  // namespace field_row

// One handle per row of ReportFieldTable(); empty where the template bound
// last for that row has no field of the name.
using ReportFieldHandles = std::array<report::FieldHandle, kReportFieldCount>;

// Looks up rows 0-32, 54 and 55 in `report` (just loaded with a unit
// template) and stores the handles, empty ones included; rows 33-53 keep
// what they hold.
void BindUnitReportFields(ReportFieldHandles& tagGridReportFieldPtr, const report::Report& report);
// The same for rows 33-55; rows 0-32 keep what they hold.
void BindZoneReportFields(ReportFieldHandles& tagGridReportFieldPtr, const report::Report& report);

// The fetch state of the record event and the two record producers. The
// project, the configuration and the handles are not owned; the project
// must not change while a report fetches.
class ReportFetcher {
 public:
  static constexpr int kZoneRecords = 0;
  static constexpr int kUnitRecords = 1;

  ReportFetcher(const ReboundFile& project, const Rebound_Tester_Config& config,
                const ReportFieldHandles& fields);

  int fetch_mode() const { return fetch_mode_; }
  std::int64_t record_counter() const { return record_counter_; }
  const ComponentInfo* current_component() const { return current_component_; }

  // fetch_mode := mode (0 zone records, 1 unit records), record_counter := 0.
  void SetFetchMode(int mode);
  // current_component := zone, record_counter := 0.
  void SetComponent(const ComponentInfo* zone);
  // record_counter := 0, so the next fetch starts again at the first record.
  void Rewind() { record_counter_ = 0; }

  // The record event: FetchZoneRecord in mode 0, FetchUnitRecord otherwise.
  void Grid_ReportFetchRecord(bool& eof);
  // One record per zone of the project; the summary on the first.
  void FetchUnitRecord(bool& eof);
  // One record per position of current_component; its summary on the first.
  void FetchZoneRecord(bool& eof);

 private:
  void DeliverPageTexts();

  const ReboundFile& project_;
  const Rebound_Tester_Config& config_;
  const ReportFieldHandles& fields_;
  int fetch_mode_ = kUnitRecords;
  std::int64_t record_counter_ = 0;
  const ComponentInfo* current_component_ = nullptr;
};

}  // namespace rebound
