// PDF output: page count and the exact text poppler extracts, including the
// characters some CJK fonts copy out as look-alikes (页 一 日).
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "engine/pdf_book.h"
#include "engine/report.h"
#include "test_support.h"

namespace rebound::report {
namespace {

using test::DataPath;
using test::Feeder;
using test::Record;
using test::RunTool;

QString Readings(int seed) {
  QString s;
  for (int k = 0; k < 12; ++k) s += QStringLiteral(" %1").arg(20 + (seed * 7 + k * 3) % 25);
  return s;
}

QList<Record> ZoneRecords(int n) {
  QList<Record> out;
  for (int i = 1; i <= n; ++i) {
    Record r{{"序号", QString::number(i)},
             {"强度数据", Readings(i)},
             {"碳化深度", i % 7 == 0 ? QStringLiteral("> 3.0") : QStringLiteral("%1").arg(0.5 * (i % 4), 0, 'f', 2)},
             {"平均回弹", QString::number(30 + (i % 13) * 0.37, 'f', 2)},
             {"修正后回弹", QString::number(29 + (i % 11) * 0.41, 'f', 2)},
             {"砂浆强度", QString::number(5 + (i % 17) * 0.83, 'f', 2)},
             {"页眉", QStringLiteral("某某建设工程质量检测有限公司 一号楼")},
             {"页脚", QStringLiteral("报告日期：2024年5月1日")}};
    if (i == 1) {
      r.insert({{"构件名称", QStringLiteral("一层 A 轴砖墙")},
                {"检测日期", QStringLiteral("2024年4月28日")},
                {"仪器型号", QStringLiteral("ZC5")},
                {"仪器编号", QStringLiteral("0123")},
                {"标定号", QStringLiteral("一〇一")},
                {"测区数", QString::number(n)},
                {"砂浆种类", QStringLiteral("水泥混合砂浆")},
                {"碳化深度平均值", QStringLiteral("1.00")},
                {"回弹干湿修正系数", QStringLiteral("1.00")},
                {"强度干湿修正系数", QStringLiteral("1.00")},
                {"砂浆强度评定值", QStringLiteral("12.34")},
                {"强度标准差", QStringLiteral("2.10")},
                {"变异系数", QStringLiteral("0.17")},
                {"砂浆匀质性", QStringLiteral("一般")}});
    }
    out.append(r);
  }
  return out;
}

QString NoSpace(QString s) { return s.remove(QRegularExpression(QStringLiteral("\\s"))); }

// The lines pdftotext -layout gives for one page, blanks removed.
QStringList PageLines(const QString& pdf, int page) {
  const auto text = RunTool("pdftotext", {"-layout", "-enc", "UTF-8", "-f", QString::number(page),
                                          "-l", QString::number(page), pdf, "-"});
  QStringList out;
  for (const QString& line : text.value_or(QString()).split(u'\n')) {
    const QString s = NoSpace(line);
    if (!s.isEmpty()) out.append(s);
  }
  return out;
}

int PdfPages(const QString& pdf) {
  const auto info = RunTool("pdfinfo", {pdf});
  const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info.value_or(QString()));
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

class PdfOutput : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!RunTool("pdftotext", {"-v"}) || !RunTool("pdfinfo", {"-v"})) {
      GTEST_SKIP() << "poppler-utils (pdftotext, pdfinfo) not installed";
    }
    ASSERT_TRUE(dir_.isValid());
  }
  QTemporaryDir dir_;
};

TEST_F(PdfOutput, HundredsOfRecordsCopyOutExactly) {
  Report report;
  const LoadResult r = report.LoadFromFile(DataPath("zone_report_example.xml"));
  ASSERT_TRUE(r.ok) << r.message.toStdString();
  const QList<Record> records = ZoneRecords(300);
  Feeder feeder(report, records);
  const QString pdf = dir_.filePath("zone.pdf");
  QString error;
  ASSERT_TRUE(report.WritePdf(pdf, &error)) << error.toStdString();
  const auto doc = report.GeneratedDocument();
  const int pages = doc->PageCount();
  ASSERT_GT(pages, 5);
  EXPECT_EQ(PdfPages(pdf), pages);

  int seen = 0;
  for (int p = 0; p < pages; ++p) {
    SCOPED_TRACE(p + 1);
    const QStringList lines = PageLines(pdf, p + 1);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first(), NoSpace(QStringLiteral("某某建设工程质量检测有限公司 一号楼")));
    EXPECT_EQ(lines.last(), NoSpace(QStringLiteral("报告日期：2024年5月1日 第 %1 页 共 %2 页")
                                        .arg(p + 1)
                                        .arg(pages)));
    // The column header, on every page.
    const QString joined = lines.join(QString());
    for (const char* header : {"序号", "碳化深度", "(mm)", "平均", "修正后", "砂浆强度", "(MPa)"}) {
      EXPECT_TRUE(joined.contains(QString::fromUtf8(header))) << header;
    }
    // Every record row of the page, cell after cell, exactly as delivered.
    for (int rec : doc->pages[p].records) {
      const Record& d = records[rec];
      const QString row = NoSpace(d["序号"] + d["强度数据"] + d["碳化深度"] + d["平均回弹"] +
                                  d["修正后回弹"] + d["砂浆强度"]);
      EXPECT_TRUE(lines.contains(row)) << row.toStdString();
      ++seen;
    }
  }
  EXPECT_EQ(seen, 300);

  const QString all = RunTool("pdftotext", {"-enc", "UTF-8", pdf, "-"}).value_or(QString());
  for (const char* expected : {"砂浆强度检测记录（回弹法）", "一层A轴砖墙", "2024年4月28日",
                               "水泥混合砂浆", "一般", "检测：", "审核："}) {
    EXPECT_TRUE(NoSpace(all).contains(QString::fromUtf8(expected))) << expected;
  }
  // Kangxi and CJK radical look-alikes of 页, 一 and 日 must not appear.
  for (char32_t lookAlike : {U'\u2EDA', U'\u2F00', U'\u2F47'}) {
    EXPECT_FALSE(all.contains(QString::fromUcs4(&lookAlike, 1)));
  }
}

TEST_F(PdfOutput, BookKeepsEachReportsPaperAndNumbering) {
  Report first;
  ASSERT_TRUE(first.LoadFromFile(DataPath("paging_small_paper.xml")).ok);
  Feeder firstFeeder(first, test::PagingRecords(11));
  ASSERT_TRUE(first.Generate());
  const auto a = first.GeneratedDocument();
  ASSERT_EQ(a->PageCount(), 3);

  // The same report object generates the next zone; the book keeps the pages
  // it was given.
  ASSERT_TRUE(first.Generate());
  ASSERT_TRUE(first.LoadFromFile(DataPath("zone_report_example.xml")).ok);
  Feeder zoneFeeder(first, ZoneRecords(3));
  ASSERT_TRUE(first.Generate());
  const auto b = first.GeneratedDocument();
  ASSERT_EQ(b->PageCount(), 1);

  PdfBook book;
  book.Append(a);
  book.Append(b);
  book.Append(a);
  EXPECT_EQ(book.PageCount(), 7);
  const QString pdf = dir_.filePath("book.pdf");
  QString error;
  ASSERT_TRUE(book.Write(pdf, &error)) << error.toStdString();
  EXPECT_EQ(PdfPages(pdf), 7);
  const QString footers[] = {"第1页共3页", "第2页共3页", "第3页共3页", "第1页共1页",
                             "第1页共3页", "第2页共3页", "第3页共3页"};
  for (int p = 0; p < 7; ++p) {
    const QStringList lines = PageLines(pdf, p + 1);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.last().endsWith(footers[p])) << p << " " << lines.last().toStdString();
  }
  const QString sizes = RunTool("pdfinfo", {"-f", "1", "-l", "7", pdf}).value_or(QString());
  EXPECT_TRUE(sizes.contains(QRegularExpression(QStringLiteral("Page\\s+1 size:\\s+340(\\.\\d*)? x 283"))));
  EXPECT_TRUE(sizes.contains(QRegularExpression(QStringLiteral("Page\\s+4 size:\\s+595(\\.\\d*)? x 84[12]"))));
  EXPECT_TRUE(sizes.contains(QRegularExpression(QStringLiteral("Page\\s+5 size:\\s+340(\\.\\d*)? x 283"))));
}

TEST(PdfWrite, FailureSaysWhyAndWritesNothing) {
  Report report;
  ASSERT_TRUE(report.LoadFromFile(DataPath("paging_small_paper.xml")).ok);
  QString error;
  EXPECT_FALSE(report.WritePdf(QStringLiteral("/nonexistent-dir/报表.pdf"), &error));
  EXPECT_TRUE(error.contains(QStringLiteral("/nonexistent-dir/报表.pdf"))) << error.toStdString();

  PdfBook empty;
  EXPECT_FALSE(empty.Write(QStringLiteral("/tmp/never-written.pdf"), &error));
  EXPECT_FALSE(QFile::exists(QStringLiteral("/tmp/never-written.pdf")));
}

}  // namespace
}  // namespace rebound::report
