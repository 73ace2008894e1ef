// Layout of records into pages, on a small paper whose rows have fixed
// heights: 3 records fit under the report header on page 1, 5 on the others.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "engine/report.h"
#include "engine/units.h"
#include "test_support.h"

namespace rebound::report {
namespace {

using test::Cells;
using test::DataPath;
using test::Feeder;
using test::FindCell;
using test::PagingRecords;
using test::Record;
using test::Texts;

class PagingLayout : public ::testing::Test {
 protected:
  std::shared_ptr<const Document> Generate(QList<Record> records) {
    const LoadResult r = report_.LoadFromFile(DataPath("paging_small_paper.xml"));
    EXPECT_TRUE(r.ok) << r.message.toStdString();
    feeder_ = std::make_unique<Feeder>(report_, std::move(records));
    QString error;
    EXPECT_TRUE(report_.Generate(&error)) << error.toStdString();
    return report_.GeneratedDocument();
  }
  Report report_;
  std::unique_ptr<Feeder> feeder_;
};

TEST_F(PagingLayout, RecordsFillPagesInOrderAndFooterFollowsLastRow) {
  struct Case {
    int records;
    QList<QList<int>> pages;  // records per page
    int footerPage;
  };
  const Case cases[] = {
      {2, {{0, 1}}, 0},
      {11, {{0, 1, 2}, {3, 4, 5, 6, 7}, {8, 9, 10}}, 2},
      // The fifth record fills page 3, so the report footer gets a page of its own.
      {13, {{0, 1, 2}, {3, 4, 5, 6, 7}, {8, 9, 10, 11, 12}, {}}, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.records);
    const auto doc = Generate(PagingRecords(c.records));
    ASSERT_EQ(doc->PageCount(), c.pages.size());
    for (int p = 0; p < doc->PageCount(); ++p) {
      const Page& page = doc->pages[p];
      EXPECT_EQ(page.records, c.pages[p]) << "page " << p;
      // Every detail cell belongs to a record listed for its page.
      for (const PageCell* cell : Cells(page, BandKind::Detail)) {
        EXPECT_TRUE(c.pages[p].contains(cell->record));
      }
      EXPECT_EQ(Cells(page, BandKind::ReportFooter).size(), p == c.footerPage ? 1 : 0);
      EXPECT_EQ(Cells(page, BandKind::ReportHeader).size(), p == 0 ? 1 : 0);
    }
    // The report footer sits below the last detail row, the page footer at the bottom.
    const Page& last = doc->pages[c.footerPage];
    const PageCell* footer = Cells(last, BandKind::ReportFooter).first();
    for (const PageCell* cell : Cells(last, BandKind::Detail)) {
      EXPECT_LE(cell->rect.bottom(), footer->rect.top());
    }
    EXPECT_EQ(footer->text, QStringLiteral("结论：综合楼 完"));
    const PageCell* pageFooter = Cells(last, BandKind::PageFooter).first();
    EXPECT_NEAR(pageFooter->rect.bottom(), MmToUnits(90), 0.01);
  }
}

TEST_F(PagingLayout, ColumnHeaderRepeatsOnEveryPageWithRows) {
  const auto doc = Generate(PagingRecords(13));
  ASSERT_EQ(doc->PageCount(), 4);
  for (int p = 0; p < 4; ++p) {
    const Page& page = doc->pages[p];
    const QStringList header = Texts(page, BandKind::ColumnHeader);
    if (page.records.isEmpty()) {
      EXPECT_TRUE(header.isEmpty()) << "page " << p;
      continue;
    }
    EXPECT_EQ(header, (QStringList{"序号", "测试", "备注", "数值", "文字"})) << "page " << p;
    // The header sits right above the first record's row.
    double headerBottom = 0;
    for (const PageCell* c : Cells(page, BandKind::ColumnHeader)) {
      headerBottom = std::max(headerBottom, c->rect.bottom());
    }
    const PageCell* first = FindCell(page, BandKind::Detail, 0, 0, page.records.first());
    ASSERT_NE(first, nullptr);
    EXPECT_NEAR(first->rect.top(), headerBottom, 0.01);
  }
}

TEST_F(PagingLayout, PageHeaderShowsFirstRecordOfItsPageAndPageNumbers) {
  const auto doc = Generate(PagingRecords(13));
  ASSERT_EQ(doc->PageCount(), 4);
  // Page 4 holds only the report footer: it shows the last record.
  const int expectedRecord[] = {0, 3, 8, 12};
  for (int p = 0; p < 4; ++p) {
    const Page& page = doc->pages[p];
    EXPECT_EQ(page.headerRecord, expectedRecord[p]);
    const PageCell* header = FindCell(page, BandKind::PageHeader, 0, 0);
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->text, QStringLiteral("页眉-%1").arg(expectedRecord[p] + 1));
    const QStringList footer = Texts(page, BandKind::PageFooter);
    EXPECT_EQ(footer, QStringList{QStringLiteral("第 %1 页 共 4 页").arg(p + 1)});
  }
  // Only the first record carries the project name; the header shows what
  // the first record of each page holds.
  EXPECT_EQ(FindCell(doc->pages[0], BandKind::PageHeader, 0, 1)->text,
            QStringLiteral("首条 1：综合楼"));
  EXPECT_EQ(FindCell(doc->pages[1], BandKind::PageHeader, 0, 1)->text, QStringLiteral("首条 4："));
}

TEST_F(PagingLayout, PageCountWithMoreDigitsThanGuessedStillFits) {
  // 3 + 5 * 10 + 3 = 56 records: 12 pages, two digits in "共 12 页".
  const auto doc = Generate(PagingRecords(56));
  ASSERT_EQ(doc->PageCount(), 12);
  const PageCell* footer = Cells(doc->pages[11], BandKind::PageFooter).first();
  EXPECT_EQ(footer->text, QStringLiteral("第 12 页 共 12 页"));
  ASSERT_EQ(footer->lines.size(), 1);
  EXPECT_LE(footer->lines.first().width, footer->rect.width());
}

TEST_F(PagingLayout, MergedCellsSpanTheirColumnsAndRows) {
  const auto doc = Generate(PagingRecords(1));
  const Page& page = doc->pages[0];
  const PageCell* number = FindCell(page, BandKind::ColumnHeader, 0, 0);  // rowspan 2
  const PageCell* test = FindCell(page, BandKind::ColumnHeader, 0, 1);    // colspan 2
  const PageCell* value = FindCell(page, BandKind::ColumnHeader, 1, 1);
  const PageCell* text = FindCell(page, BandKind::ColumnHeader, 1, 2);
  const PageCell* note = FindCell(page, BandKind::ColumnHeader, 0, 3);  // rowspan 2
  ASSERT_TRUE(number && test && value && text && note);
  EXPECT_EQ(number->rowSpan, 2);
  EXPECT_EQ(test->colSpan, 2);
  EXPECT_NEAR(number->rect.height(), MmToUnits(12), 0.01);
  EXPECT_NEAR(number->rect.bottom(), value->rect.bottom(), 0.01);
  EXPECT_NEAR(note->rect.height(), number->rect.height(), 0.01);
  EXPECT_NEAR(test->rect.left(), value->rect.left(), 0.01);
  EXPECT_NEAR(test->rect.right(), text->rect.right(), 0.01);
  EXPECT_NEAR(test->rect.bottom(), value->rect.top(), 0.01);
  // Widths: 15 and 25 mm given, the third column takes the rest of 100 mm.
  EXPECT_NEAR(number->rect.width(), MmToUnits(15), 0.01);
  EXPECT_NEAR(text->rect.width(), MmToUnits(40), 0.01);
  // Record cells stand under their header columns.
  const PageCell* recordText = FindCell(page, BandKind::Detail, 0, 2, 0);
  ASSERT_NE(recordText, nullptr);
  EXPECT_NEAR(recordText->rect.left(), text->rect.left(), 0.01);
  EXPECT_NEAR(recordText->rect.right(), text->rect.right(), 0.01);
}

TEST_F(PagingLayout, EmptyReportIsOnePageWithAllItsHeaders) {
  const auto doc = Generate({});
  ASSERT_EQ(doc->PageCount(), 1);
  const Page& page = doc->pages[0];
  EXPECT_TRUE(page.records.isEmpty());
  EXPECT_EQ(page.headerRecord, -1);
  EXPECT_EQ(Texts(page, BandKind::ColumnHeader).size(), 5);
  EXPECT_EQ(Cells(page, BandKind::Detail).size(), 0);
  EXPECT_EQ(Texts(page, BandKind::PageHeader), (QStringList{"", "首条 ："}));
  EXPECT_EQ(Texts(page, BandKind::ReportHeader), QStringList{""});
  EXPECT_EQ(Texts(page, BandKind::ReportFooter), QStringList{"结论： 完"});
  EXPECT_EQ(Texts(page, BandKind::PageFooter), QStringList{"第 1 页 共 1 页"});
}

// Checks that the lines of a cell stay inside it.
void ExpectInside(const PageCell& cell) {
  ASSERT_FALSE(cell.lines.isEmpty());
  for (const TextLine& line : cell.lines) {
    EXPECT_GE(line.baseline.x(), 0);
    EXPECT_LE(line.baseline.x() + line.width, cell.rect.width() + 0.01) << cell.text.toStdString();
    EXPECT_LE(line.baseline.y(), cell.rect.height());
  }
}

TEST_F(PagingLayout, LongTextWrapsAndItsRowGrows) {
  auto records = PagingRecords(3);
  const QString longText = QStringLiteral("砂浆强度检测结果需要换行显示，这一段文字比单元格宽得多，"
                                          "所以行高必须增加才能把全部文字印出来");
  records[1]["文字"] = longText;
  const auto doc = Generate(records);
  const Page& page = doc->pages[0];
  const PageCell* normal = FindCell(page, BandKind::Detail, 0, 2, 0);
  const PageCell* grown = FindCell(page, BandKind::Detail, 0, 2, 1);
  ASSERT_TRUE(normal && grown);
  EXPECT_NEAR(normal->rect.height(), MmToUnits(10), 0.01);
  EXPECT_GT(grown->lines.size(), 2);
  EXPECT_GT(grown->rect.height(), MmToUnits(10));
  ExpectInside(*grown);
  QString joined;
  for (const TextLine& l : grown->lines) joined += l.text;
  EXPECT_EQ(joined, longText);
  // The other cells of the row grow with it.
  EXPECT_NEAR(FindCell(page, BandKind::Detail, 0, 0, 1)->rect.height(), grown->rect.height(), 0.01);
  // The last line ends above the cell's bottom edge.
  const TextLine& last = grown->lines.last();
  EXPECT_LT(last.baseline.y(), grown->rect.height());
}

TEST_F(PagingLayout, ShrinkAndClipKeepOneLine) {
  auto records = PagingRecords(1);
  records[0]["工程名称"] = QStringLiteral("某某市某某区某某街道综合办公楼砌体工程砂浆强度检测");
  const auto doc = Generate(records);
  const Page& page = doc->pages[0];
  // fit="shrink": one line, smaller than the 9 pt font, inside the cell.
  const PageCell* shrunk = FindCell(page, BandKind::PageHeader, 0, 1);
  ASSERT_NE(shrunk, nullptr);
  ASSERT_EQ(shrunk->lines.size(), 1);
  EXPECT_LT(shrunk->pixelSize, 180);
  EXPECT_EQ(shrunk->lines.first().text, shrunk->text);
  ExpectInside(*shrunk);
  // fit="clip": one line at full size, cut at the cell edge when painted.
  const PageCell* clipped = FindCell(page, BandKind::Detail, 0, 3, 0);
  ASSERT_NE(clipped, nullptr);
  EXPECT_TRUE(clipped->clip);
  EXPECT_EQ(clipped->pixelSize, 180);
  ASSERT_EQ(clipped->lines.size(), 1);
  EXPECT_GT(clipped->lines.first().width, clipped->rect.width());
  EXPECT_TRUE(clipped->rect.contains(clipped->clipRect));
}

// A record's rows stay together; a rowspan cell that needs more room than
// its rows pushes the last of them down.
TEST(GridLayout, RowspanCellGrowsItsLastRow) {
  Report report;
  const QByteArray xml = R"(<report>
    <paper size="A4" margin-left="20" margin-right="20"/>
    <fields><field name="说明"/></fields>
    <detail border="all" height="6">
      <columns><column width="20"/><column/></columns>
      <record>
        <row><cell rowspan="2">{说明}</cell><cell>甲</cell></row>
        <row><cell>乙</cell></row>
      </record>
    </detail>
  </report>)";
  ASSERT_TRUE(report.LoadFromData(xml, "rowspan").ok);
  const QString longText = QStringLiteral("这段说明很长，放在二十毫米宽的合并单元格里要折成许多行才能印全");
  Feeder feeder(report, {Record{{"说明", longText}}, Record{{"说明", "短"}}});
  ASSERT_TRUE(report.Generate());
  const Page& page = report.GeneratedDocument()->pages[0];
  const PageCell* big = FindCell(page, BandKind::Detail, 0, 0, 0);
  const PageCell* first = FindCell(page, BandKind::Detail, 0, 1, 0);
  const PageCell* second = FindCell(page, BandKind::Detail, 1, 1, 0);
  ASSERT_TRUE(big && first && second);
  EXPECT_NEAR(first->rect.height(), MmToUnits(6), 0.01);
  EXPECT_GT(second->rect.height(), MmToUnits(6));
  EXPECT_NEAR(big->rect.bottom(), second->rect.bottom(), 0.01);
  ExpectInside(*big);
  // The next record starts below the grown block.
  const PageCell* next = FindCell(page, BandKind::Detail, 0, 0, 1);
  ASSERT_NE(next, nullptr);
  EXPECT_NEAR(next->rect.top(), big->rect.bottom(), 0.01);
}

TEST(GridLayout, BracesLineBreaksAndAlignment) {
  Report report;
  const QByteArray xml = R"(<report>
    <fields><field name="值"/></fields>
    <report-header>
      <columns><column width="60"/><column/></columns>
      <row>
        <cell align="right">{{{值}}}</cell>
        <cell>
          第一行
          第二行<br/>第三行
        </cell>
      </row>
    </report-header>
  </report>)";
  ASSERT_TRUE(report.LoadFromData(xml, "braces").ok);
  Feeder feeder(report, {Record{{"值", "12.50"}}});
  ASSERT_TRUE(report.Generate());
  const Page& page = report.GeneratedDocument()->pages[0];
  const PageCell* value = FindCell(page, BandKind::ReportHeader, 0, 0);
  const PageCell* lines = FindCell(page, BandKind::ReportHeader, 0, 1);
  ASSERT_TRUE(value && lines);
  EXPECT_EQ(value->text, QStringLiteral("{12.50}"));
  // Right aligned: the line ends at the inner right edge (1.2 mm padding).
  const TextLine& l = value->lines.first();
  EXPECT_NEAR(l.baseline.x() + l.width, value->rect.width() - MmToUnits(1.2), 0.5);
  EXPECT_EQ(lines->text, QStringLiteral("第一行\n第二行\n第三行"));
  EXPECT_EQ(lines->lines.size(), 3);
}

}  // namespace
}  // namespace rebound::report
