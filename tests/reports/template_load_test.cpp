// Loading templates: declared fields, errors with line and column, and a
// failed load that leaves the loaded template untouched.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "engine/report.h"
#include "test_support.h"

namespace rebound::report {
namespace {

using test::DataPath;
using test::Feeder;
using test::PagingRecords;
using test::Record;

TEST(TemplateLoad, OnlyDeclaredFieldsAreFound) {
  Report report;
  EXPECT_EQ(report.FieldByName("序号"), nullptr);  // nothing loaded yet
  const LoadResult r = report.LoadFromFile(DataPath("paging_small_paper.xml"));
  ASSERT_TRUE(r.ok) << r.message.toStdString();
  EXPECT_EQ(report.Title(), QStringLiteral("分页测试"));
  EXPECT_EQ(report.FieldNames(), (QStringList{"工程名称", "序号", "数值", "文字", "页眉"}));
  const FieldHandle handle = report.FieldByName("序号");
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(handle->Name(), QStringLiteral("序号"));
  EXPECT_EQ(report.FieldByName("序号"), handle);
  EXPECT_EQ(report.FieldByName("测区编号"), nullptr);
  EXPECT_EQ(report.FieldByName("序"), nullptr);
  EXPECT_EQ(report.FieldByName(""), nullptr);
  EXPECT_NEAR(report.PageSizeMm().width(), 120, 0.01);
  EXPECT_NEAR(report.PageSizeMm().height(), 100, 0.01);
}

struct BadTemplate {
  const char* what;
  QByteArray xml;
  qint64 line;
  qint64 column;  // 0: not checked
  const char* reason;
};

QByteArray ManyRows(int rows) {
  QByteArray xml = "<report><page-header>\n";
  for (int i = 0; i < rows; ++i) xml += "<row><cell/></row>";
  return xml + "</page-header></report>";
}

// Line numbers count from the first line of each text.
const BadTemplate kBadTemplates[] = {
    {"undeclared field", "<report>\n<fields><field name=\"甲\"/></fields>\n<report-header><row><cell>a {乙}</cell></row></report-header>\n</report>",
     3, 29, "字段“乙”没有在 <fields> 里声明"},
    {"undeclared field used before the declarations",
     "<report>\n<page-header><row><cell>{甲}</cell></row></page-header>\n<fields><field name=\"乙\"/></fields>\n</report>",
     2, 25, "字段“甲”"},
    {"field on a later line of a cell", "<report>\n<page-header><row><cell>甲\n    {乙}</cell></row></page-header>\n</report>",
     3, 5, "字段“乙”"},
    {"unclosed brace", "<report>\n<page-header><row><cell>第 {#page 页</cell></row></page-header>\n</report>",
     2, 27, "没有配对"},
    {"unknown page mark", "<report>\n<page-header><row><cell>{#total}</cell></row></page-header>\n</report>",
     2, 25, "{#total}"},
    {"mismatched tag", "<report>\n<page-header><row><cell>x</row></page-header>\n</report>", 2, 0,
     "XML 格式错误"},
    {"not XML at all", "PK\x03\x04\x00\x01binary", 1, 0, "XML 格式错误"},
    {"empty file", "", 1, 0, "XML 格式错误"},
    {"wrong root", "<grid-report/>", 1, 0, "根元素必须是 <report>"},
    {"unknown element", "<report>\n\n<page-head/>\n</report>", 3, 0, "<page-head>"},
    {"unknown attribute", "<report>\n<fields>\n<field name=\"a\" type=\"int\"/>\n</fields>\n</report>", 3, 0,
     "没有属性“type”"},
    {"duplicate field", "<report><fields><field name=\"a\"/>\n<field name=\"a\"/></fields></report>", 2, 0,
     "重复声明"},
    {"bad number", "<report>\n<paper size=\"A4\" margin-top=\"abc\"/>\n</report>", 2, 0, "margin-top"},
    {"unknown paper", "<report><paper size=\"A7\"/></report>", 1, 0, "A7"},
    {"margins eat the paper", "<report>\n<paper margin-left=\"100\" margin-right=\"100\"/>\n</report>", 2, 0,
     "页边距太大"},
    {"unknown font", "<report>\n<page-header font=\"大字\"/>\n</report>", 2, 0, "字体“大字”"},
    {"colspan past the columns",
     "<report><detail>\n<columns><column/><column/></columns>\n<record><row><cell/>\n<cell colspan=\"2\"/></row></record>\n</detail></report>",
     4, 0, "超出了表格的 2 列"},
    {"rowspan past the last row",
     "<report><detail>\n<record>\n<row><cell rowspan=\"3\"/></row>\n<row><cell/></row>\n</record>\n</detail></report>",
     3, 0, "rowspan=\"3\""},
    {"detail without record", "<report>\n<detail>\n<column-header><row><cell/></row></column-header>\n</detail>\n</report>",
     4, 0, "<record>"},
    {"text outside cells", "<report>\n<page-header>标题</page-header>\n</report>", 2, 0, "<cell>"},
    {"fixed widths leave no room",
     "<report><paper size=\"A4\"/><page-header>\n<columns><column width=\"150\"/><column width=\"50\"/><column/></columns>\n<row><cell/></row></page-header></report>",
     2, 0, "列宽之和"},
    {"document type declaration",
     "<?xml version=\"1.0\"?>\n<!DOCTYPE r [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;\">]>\n<report/>",
     2, 0, "DTD"},
    {"too many rows", ManyRows(1001), 2, 0, "最多 1000 行"},
    {"huge span", "<report><page-header><row>\n<cell colspan=\"999999999\"/></row></page-header></report>", 2, 0,
     "colspan"},
};

TEST(TemplateLoad, BadTemplatesNameLineColumnAndReason) {
  for (const BadTemplate& t : kBadTemplates) {
    SCOPED_TRACE(t.what);
    Report report;
    const LoadResult r = report.LoadFromData(t.xml, "bad.xml");
    ASSERT_FALSE(r.ok);
    EXPECT_FALSE(report.IsLoaded());
    EXPECT_EQ(r.line, t.line) << r.message.toStdString();
    if (t.column > 0) {
      EXPECT_EQ(r.column, t.column) << r.message.toStdString();
    }
    EXPECT_TRUE(r.message.contains(QString::fromUtf8(t.reason))) << r.message.toStdString();
    EXPECT_TRUE(r.message.contains(QStringLiteral("“bad.xml”第 %1 行").arg(t.line)))
        << r.message.toStdString();
  }
}

TEST(TemplateLoad, FileErrorsNameTheFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString huge = dir.filePath("huge.xml");
  {
    QFile f(huge);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<report>");
    f.write(QByteArray(Report::kMaxTemplateBytes, ' '));
    f.write("</report>");
  }
  struct Case {
    QString path;
    qint64 line;
    qint64 column;
    QString reason;
  };
  const Case cases[] = {
      {DataPath("undeclared_field_line5_col44.xml"), 5, 44, "字段“测区编号”没有在 <fields> 里声明"},
      {DataPath("malformed_unclosed_cell_line5.xml"), 5, 0, "XML 格式错误"},
      {DataPath("no_such_template.xml"), 0, 0, "文件不存在"},
      {dir.path(), 0, 0, "目录"},
      {huge, 0, 0, "超过 4 MB"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    Report report;
    const LoadResult r = report.LoadFromFile(c.path);
    ASSERT_FALSE(r.ok);
    EXPECT_TRUE(r.message.contains(c.path)) << r.message.toStdString();
    EXPECT_TRUE(r.message.contains(c.reason)) << r.message.toStdString();
    EXPECT_EQ(r.line, c.line) << r.message.toStdString();
    if (c.column > 0) {
      EXPECT_EQ(r.column, c.column);
    }
  }
}

TEST(TemplateLoad, FailedLoadLeavesPreviousTemplateAndHandlesWorking) {
  Report report;
  ASSERT_TRUE(report.LoadFromFile(DataPath("paging_small_paper.xml")).ok);
  Feeder feeder(report, PagingRecords(4));
  ASSERT_TRUE(report.Generate());
  const auto before = report.GeneratedDocument();
  const FieldHandle handle = report.FieldByName("文字");

  const QString failing[] = {DataPath("undeclared_field_line5_col44.xml"),
                             DataPath("malformed_unclosed_cell_line5.xml"),
                             DataPath("no_such_template.xml")};
  for (const QString& path : failing) {
    SCOPED_TRACE(path.toStdString());
    ASSERT_FALSE(report.LoadFromFile(path).ok);
    EXPECT_EQ(report.TemplatePath(), DataPath("paging_small_paper.xml"));
    EXPECT_EQ(report.Title(), QStringLiteral("分页测试"));
    EXPECT_EQ(report.FieldByName("文字"), handle);
    EXPECT_EQ(report.FieldByName("测区编号"), nullptr);  // nothing of the bad file came in
    EXPECT_EQ(report.GeneratedDocument(), before);
  }
  // The handles bound before still deliver into the old template.
  feeder.Rewind();
  ASSERT_TRUE(report.Generate());
  const auto doc = report.GeneratedDocument();
  ASSERT_EQ(doc->PageCount(), 2);
  EXPECT_EQ(doc->pages[1].records, QList<int>{3});
  const PageCell* cell = test::FindCell(doc->pages[1], BandKind::Detail, 0, 2, 3);
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->text, QStringLiteral("记录4"));
}

}  // namespace
}  // namespace rebound::report

namespace rebound::report {
namespace {

// The complete example of the user documentation is the fixture the PDF
// test prints; both must stay the same, loadable template.
TEST(TemplateLoad, DocumentedExampleIsTheTestedTemplate) {
  QFile docs(QStringLiteral(REBOUND_DOCS "/report-templates.md"));
  ASSERT_TRUE(docs.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(docs.readAll());
  const qsizetype start = text.lastIndexOf(QStringLiteral("```xml\n"));
  ASSERT_GE(start, 0);
  const qsizetype end = text.indexOf(QStringLiteral("```"), start + 7);
  ASSERT_GT(end, start);
  const QString example = text.mid(start + 7, end - start - 7);

  QFile fixture(test::DataPath("zone_report_example.xml"));
  ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
  EXPECT_EQ(example, QString::fromUtf8(fixture.readAll()));

  Report report;
  const LoadResult r = report.LoadFromData(example.toUtf8(), "docs");
  ASSERT_TRUE(r.ok) << r.message.toStdString();
  EXPECT_EQ(report.FieldNames().size(), 22);
}

}  // namespace
}  // namespace rebound::report

namespace rebound::report {
namespace {

// A template cut off anywhere is refused with a place in the file, never
// half loaded; the template loaded before stays.
TEST(TemplateLoad, TruncatedTemplateIsRefusedAnywhere) {
  QFile file(test::DataPath("zone_report_example.xml"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray full = file.readAll();
  Report report;
  ASSERT_TRUE(report.LoadFromData(full, "full").ok);
  const FieldHandle handle = report.FieldByName("序号");
  for (qsizetype cut = 0; cut < full.size() - 12; cut += 5) {
    const LoadResult r = report.LoadFromData(full.left(cut), "cut");
    ASSERT_FALSE(r.ok) << cut;
    EXPECT_GT(r.line, 0) << cut;
  }
  EXPECT_EQ(report.FieldByName("序号"), handle);
  EXPECT_EQ(report.TemplatePath(), QStringLiteral("full"));
}

}  // namespace
}  // namespace rebound::report
