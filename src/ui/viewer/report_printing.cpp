#include "report_printing.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

#include "engine/page_painter.h"

namespace rebound::report {

bool ShowPrintDialog(QWidget* parent, QPrinter& printer, int pageCount) {
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("打印"));
  dialog.setMinMax(1, pageCount > 0 ? pageCount : 9999);  // unknown before generating
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  return dialog.exec() == QDialog::Accepted;
}

bool PrintDocument(const Document& doc, QPrinter& printer, QString* error) {
  auto fail = [&](const QString& message) {
    if (error) *error = message;
    return false;
  };
  if (doc.PageCount() == 0) return fail(QStringLiteral("没有可以打印的页"));
  int from = 1, to = doc.PageCount();
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
    from = std::max(1, printer.fromPage());
    to = std::min(doc.PageCount(), std::max(from, printer.toPage()));
  }
  if (from > to) return fail(QStringLiteral("所选页码范围内没有页"));
  printer.setFullPage(true);
  printer.setPageLayout(doc.pageLayout);
  if (doc.title.size() > 0) printer.setDocName(doc.title);
  // Copies the printer cannot make itself are painted again.
  const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
  QPainter painter;
  if (!painter.begin(&printer)) return fail(QStringLiteral("无法开始打印"));
  bool first = true;
  for (int c = 0; c < copies; ++c) {
    for (int i = from - 1; i < to; ++i) {
      if (!first && !printer.newPage()) {
        painter.end();
        return fail(QStringLiteral("打印时无法换页"));
      }
      first = false;
      const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
      paintPage(painter, doc, i, QRectF(QPointF(0, 0), paper.size()));
    }
  }
  if (!painter.end()) return fail(QStringLiteral("打印没有完成"));
  return true;
}

bool PrintReport(Report& report, QPrinter& printer, QString* error) {
  if (!report.Generate(error)) return false;
  return PrintDocument(*report.GeneratedDocument(), printer, error);
}

bool PrintReportWithDialog(Report& report, QWidget* parent, const PrintDialogFunction& dialog,
                           bool* cancelled, QString* error) {
  if (cancelled) *cancelled = false;
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(report.PageLayout());
  const int pages = report.PageCount();
  const bool accepted = dialog ? dialog(parent, printer, pages) : ShowPrintDialog(parent, printer, pages);
  if (!accepted) {
    if (cancelled) *cancelled = true;
    return false;
  }
  return PrintReport(report, printer, error);
}

}  // namespace rebound::report
