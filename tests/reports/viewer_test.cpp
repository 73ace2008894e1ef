// The viewer under the offscreen platform: pages shown, navigation, zoom,
// and print and PDF export through injected dialogs.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "engine/report.h"
#include "test_support.h"
#include "viewer/page_view.h"
#include "viewer/report_viewer.h"

namespace rebound::report {
namespace {

using test::DataPath;
using test::Feeder;
using test::PagingRecords;
using test::RunTool;

int PdfPages(const QString& pdf) {
  const auto info = RunTool("pdfinfo", {pdf});
  if (!info) return -2;  // not installed: callers skip the check
  const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(*info);
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Dark pixels inside the first page as shown: borders and text got painted.
int DarkPixels(ReportViewer& viewer) {
  const QImage shot = viewer.View()->viewport()->grab().toImage();
  const QRect page = viewer.View()->PageRect(viewer.CurrentPage()).intersected(shot.rect());
  int dark = 0;
  for (int y = page.top(); y <= page.bottom(); ++y) {
    for (int x = page.left(); x <= page.right(); ++x) {
      if (qGray(shot.pixel(x, y)) < 80) ++dark;
    }
  }
  return dark;
}

class Viewer : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    ASSERT_TRUE(report_.LoadFromFile(DataPath("paging_small_paper.xml")).ok);
    feeder_ = std::make_unique<Feeder>(report_, PagingRecords(13));
    viewer_.SetReport(&report_);
    viewer_.SetMessageFunction([this](QWidget*, const QString& m) { messages_.append(m); });
    viewer_.resize(900, 700);
    viewer_.show();
  }
  QTemporaryDir dir_;
  Report report_;
  std::unique_ptr<Feeder> feeder_;
  ReportViewer viewer_;
  QStringList messages_;
};

TEST_F(Viewer, StartShowsPagesAndStopDropsThem) {
  ASSERT_TRUE(viewer_.Start());
  EXPECT_TRUE(viewer_.IsRunning());
  EXPECT_EQ(feeder_->Calls(), 14);
  EXPECT_EQ(viewer_.PageCount(), 4);
  EXPECT_EQ(viewer_.CurrentPage(), 0);
  EXPECT_GT(DarkPixels(viewer_), 200);

  viewer_.GoToPage(2);
  EXPECT_EQ(viewer_.CurrentPage(), 2);
  viewer_.GoToPage(99);
  EXPECT_EQ(viewer_.CurrentPage(), 3);
  viewer_.GoToPage(0);
  EXPECT_EQ(viewer_.CurrentPage(), 0);

  viewer_.Stop();
  EXPECT_FALSE(viewer_.IsRunning());
  EXPECT_EQ(viewer_.PageCount(), 0);
  EXPECT_EQ(viewer_.CurrentPage(), -1);

  // Starting again fetches the records again.
  feeder_->Rewind();
  ASSERT_TRUE(viewer_.Start());
  EXPECT_EQ(feeder_->Calls(), 28);
  EXPECT_EQ(viewer_.PageCount(), 4);
}

TEST_F(Viewer, StartWithoutTemplateShowsWhy) {
  Report empty;
  viewer_.SetReport(&empty);
  EXPECT_FALSE(viewer_.Start());
  EXPECT_EQ(viewer_.PageCount(), 0);
  EXPECT_FALSE(viewer_.View()->Message().isEmpty());
}

TEST_F(Viewer, ZoomFitsWidthPageOrPercent) {
  ASSERT_TRUE(viewer_.Start());
  PageView* view = viewer_.View();
  const QSize area = view->viewport()->size();

  viewer_.ZoomPercent(100);
  EXPECT_EQ(view->ZoomPercent(), 100);
  EXPECT_NEAR(view->PageRect(0).width(), 120 / 25.4 * view->logicalDpiX(), 1.5);

  viewer_.ZoomFitWidth();
  EXPECT_EQ(view->GetZoomMode(), PageView::ZoomMode::FitWidth);
  EXPECT_LE(view->PageRect(0).width(), area.width());
  EXPECT_GT(view->PageRect(0).width(), area.width() - 80);

  viewer_.ZoomFitPage();
  const QRect page = view->PageRect(0);
  EXPECT_LE(page.height(), view->viewport()->height());
  EXPECT_GT(page.height(), view->viewport()->height() - 80);
  // The paper keeps its proportions.
  EXPECT_NEAR(double(page.width()) / page.height(), 120.0 / 100.0, 0.02);
  EXPECT_GT(DarkPixels(viewer_), 100);

  viewer_.ZoomPercent(5);  // clamped
  EXPECT_EQ(view->ZoomPercent(), PageView::kMinPercent);
}

TEST_F(Viewer, ExportAndPrintUseTheShownPages) {
  ASSERT_TRUE(viewer_.Start());
  const int calls = feeder_->Calls();

  QString suggested;
  const QString chosen = dir_.filePath("导出");  // no suffix: ".pdf" is added
  viewer_.SetSaveFileFunction([&](QWidget*, const QString& s) {
    suggested = s;
    return chosen;
  });
  ASSERT_TRUE(viewer_.ExportPdf());
  EXPECT_EQ(suggested, QStringLiteral("分页测试.pdf"));
  EXPECT_TRUE(QFileInfo::exists(chosen + ".pdf"));

  // Cancelled dialog: nothing written, nothing said.
  viewer_.SetSaveFileFunction([](QWidget*, const QString&) { return QString(); });
  EXPECT_FALSE(viewer_.ExportPdf());

  // A place that cannot be written: the user is told.
  viewer_.SetSaveFileFunction([](QWidget*, const QString&) { return QStringLiteral("/nonexistent-dir/x.pdf"); });
  EXPECT_FALSE(viewer_.ExportPdf());
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_TRUE(messages_.first().contains("/nonexistent-dir/x.pdf"));

  const QString printed = dir_.filePath("printed.pdf");
  const QString range = dir_.filePath("range.pdf");
  int shownPageCount = 0;
  viewer_.SetPrintDialogFunction([&](QWidget*, QPrinter& printer, int pages) {
    shownPageCount = pages;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printed);
    return true;
  });
  ASSERT_TRUE(viewer_.PrintPages());
  EXPECT_EQ(shownPageCount, 4);
  viewer_.SetPrintDialogFunction([&](QWidget*, QPrinter& printer, int) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(range);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    return true;
  });
  ASSERT_TRUE(viewer_.PrintPages());
  viewer_.SetPrintDialogFunction([](QWidget*, QPrinter&, int) { return false; });
  EXPECT_FALSE(viewer_.PrintPages());

  EXPECT_EQ(feeder_->Calls(), calls);  // nothing fetched again
  if (PdfPages(printed) != -2) {
    EXPECT_EQ(PdfPages(chosen + ".pdf"), 4);
    EXPECT_EQ(PdfPages(printed), 4);
    EXPECT_EQ(PdfPages(range), 2);
    QString text = RunTool("pdftotext", {"-enc", "UTF-8", range, "-"}).value_or(QString());
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    EXPECT_TRUE(text.contains(QStringLiteral("第2页共4页"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("第3页共4页")));
    EXPECT_FALSE(text.contains(QStringLiteral("第1页")));
  }
}

}  // namespace
}  // namespace rebound::report
