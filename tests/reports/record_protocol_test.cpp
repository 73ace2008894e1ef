// The record event: eof set once before the first call, one new record per
// call, the record of the eof call dropped; field handles across loads.
#include <gtest/gtest.h>

#include <QStringList>

#include "engine/report.h"
#include "test_support.h"

namespace rebound::report {
namespace {

using test::DataPath;
using test::FindCell;

const QByteArray kOneField = R"(<report name="A">
  <fields><field name="值"/><field name="序号"/></fields>
  <detail><record><row><cell>{序号}</cell><cell>{值}</cell></row></record></detail>
</report>)";

const QByteArray kOtherTemplate = R"(<report name="B">
  <fields><field name="值"/></fields>
  <detail><record><row><cell>{值}</cell></row></record></detail>
</report>)";

// Texts of the "值" column, record by record.
QStringList Values(const Report& report, int column) {
  QStringList out;
  const auto doc = report.GeneratedDocument();
  for (const Page& page : doc->pages) {
    for (int r : page.records) out.append(FindCell(page, BandKind::Detail, 0, column, r)->text);
  }
  return out;
}

TEST(RecordProtocol, EofStartsTrueAndTheLastCallsRecordIsDropped) {
  Report report;
  ASSERT_TRUE(report.LoadFromData(kOneField, "a").ok);
  const FieldHandle value = report.FieldByName("值");
  const FieldHandle number = report.FieldByName("序号");
  QList<bool> eofOnEntry;
  int calls = 0;
  report.SetFetchRecordHandler([&](bool& eof) {
    eofOnEntry.append(eof);
    ++calls;
    // Values set in the final call must not appear anywhere.
    value->SetText(QStringLiteral("第%1次").arg(calls));
    number->SetInteger(calls);
    eof = calls > 3;
  });
  ASSERT_TRUE(report.Generate());
  EXPECT_EQ(calls, 4);
  EXPECT_EQ(eofOnEntry, (QList<bool>{true, false, false, false}));
  EXPECT_EQ(report.GeneratedDocument()->recordCount, 3);
  EXPECT_EQ(Values(report, 1), (QStringList{"第1次", "第2次", "第3次"}));
  EXPECT_EQ(Values(report, 0), (QStringList{"1", "2", "3"}));
}

TEST(RecordProtocol, EachRecordStartsEmptyAndEveryGenerateFetchesAgain) {
  Report report;
  ASSERT_TRUE(report.LoadFromData(kOneField, "a").ok);
  const FieldHandle value = report.FieldByName("值");
  const FieldHandle number = report.FieldByName("序号");
  int calls = 0;
  report.SetFetchRecordHandler([&](bool& eof) {
    ++calls;
    // Only the first record gets "值", as the binding does with summary values.
    if (calls % 3 == 1) value->SetText("首");
    number->SetInteger(calls);
    eof = calls % 3 == 0;
  });
  ASSERT_TRUE(report.Generate());
  EXPECT_EQ(Values(report, 1), (QStringList{"首", ""}));
  EXPECT_EQ(Values(report, 0), (QStringList{"1", "2"}));
  ASSERT_TRUE(report.Generate());
  EXPECT_EQ(calls, 6);
  EXPECT_EQ(Values(report, 0), (QStringList{"4", "5"}));
}

TEST(RecordProtocol, HandlerThatLeavesEofAloneGivesNoRecords) {
  Report report;
  ASSERT_TRUE(report.LoadFromData(kOneField, "a").ok);
  int calls = 0;
  report.SetFetchRecordHandler([&](bool&) { ++calls; });
  ASSERT_TRUE(report.Generate());
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(report.GeneratedDocument()->recordCount, 0);
  EXPECT_EQ(report.PageCount(), 1);
}

TEST(RecordProtocol, HandlerThatNeverEndsIsStoppedAtTheLimit) {
  Report report;
  ASSERT_TRUE(report.LoadFromData(kOneField, "a").ok);
  report.SetRecordLimit(50);
  int calls = 0;
  report.SetFetchRecordHandler([&](bool& eof) {
    ++calls;
    eof = false;
  });
  QString error;
  EXPECT_FALSE(report.Generate(&error));
  EXPECT_TRUE(error.contains("50")) << error.toStdString();
  EXPECT_EQ(calls, 51);
  EXPECT_EQ(report.GeneratedDocument(), nullptr);
}

TEST(RecordProtocol, ValuesOutsideTheHandlerGoNowhere) {
  Report report;
  ASSERT_TRUE(report.LoadFromData(kOneField, "a").ok);
  const FieldHandle value = report.FieldByName("值");
  value->SetText("外面");
  int calls = 0;
  report.SetFetchRecordHandler([&](bool& eof) { eof = ++calls > 1; });
  ASSERT_TRUE(report.Generate());
  EXPECT_EQ(Values(report, 1), QStringList{""});
}

TEST(RecordProtocol, NoTemplateOrNoHandler) {
  Report report;
  QString error;
  EXPECT_FALSE(report.Generate(&error));
  EXPECT_FALSE(error.isEmpty());
  ASSERT_TRUE(report.LoadFromData(kOneField, "a").ok);
  ASSERT_TRUE(report.Generate());  // no handler: no records, one page
  EXPECT_EQ(report.PageCount(), 1);
}

TEST(RecordProtocol, HandlerCannotReloadOrRegenerateMidFetch) {
  Report report;
  ASSERT_TRUE(report.LoadFromData(kOneField, "a").ok);
  const FieldHandle value = report.FieldByName("值");
  LoadResult reload;
  bool nested = true;
  report.SetFetchRecordHandler([&](bool& eof) {
    reload = report.LoadFromData(kOtherTemplate, "b");
    nested = report.Generate();
    value->SetText("仍然有效");
    eof = true;
  });
  ASSERT_TRUE(report.Generate());
  EXPECT_FALSE(reload.ok);
  EXPECT_FALSE(nested);
  EXPECT_EQ(report.Title(), QStringLiteral("A"));
}

TEST(FieldHandles, OldHandlesGoNowhereAfterAnotherTemplateLoads) {
  Report report;
  ASSERT_TRUE(report.LoadFromData(kOneField, "a").ok);
  const FieldHandle oldValue = report.FieldByName("值");
  ASSERT_TRUE(report.LoadFromData(kOtherTemplate, "b").ok);
  const FieldHandle newValue = report.FieldByName("值");
  ASSERT_NE(newValue, nullptr);
  EXPECT_NE(newValue, oldValue);
  EXPECT_EQ(report.FieldByName("序号"), nullptr);
  int calls = 0;
  report.SetFetchRecordHandler([&](bool& eof) {
    ++calls;
    oldValue->SetText("旧");  // must neither crash nor reach the new template
    oldValue->SetInteger(7);
    if (calls == 2) newValue->SetText("新");
    eof = calls > 2;
  });
  ASSERT_TRUE(report.Generate());
  EXPECT_EQ(Values(report, 0), (QStringList{"", "新"}));
  EXPECT_EQ(oldValue->Name(), QStringLiteral("值"));

  // Loading the first template again gives new handles; the old one stays dead.
  ASSERT_TRUE(report.LoadFromData(kOneField, "a").ok);
  calls = 0;
  ASSERT_TRUE(report.Generate());
  EXPECT_EQ(Values(report, 1), (QStringList{"", ""}));
}

TEST(FieldHandles, HandleOutlivesTheReport) {
  FieldHandle handle;
  {
    Report report;
    ASSERT_TRUE(report.LoadFromData(kOneField, "a").ok);
    handle = report.FieldByName("值");
  }
  handle->SetText("x");
  handle->SetInteger(1);
  SUCCEED();
}

}  // namespace
}  // namespace rebound::report
