#include "report_printer.h"

#include "viewer/report_printing.h"

#include <QPrinter>

namespace rebound {

QtReportPrinter::QtReportPrinter() = default;
QtReportPrinter::~QtReportPrinter() = default;

bool QtReportPrinter::choosePrinter(QWidget *parent, const report::Document &first, int pages)
{
    // A fresh printer each command, on the paper of the report.
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setPageLayout(first.pageLayout);
    printer_->setDocName(first.title);
    return report::ShowPrintDialog(parent, *printer_, pages);
}

bool QtReportPrinter::printJob(const report::Document &doc, QString *error)
{
    if (!printer_) {
        if (error)
            *error = QStringLiteral("没有选择打印机");
        return false;
    }
    return report::PrintDocument(doc, *printer_, error);
}

} // namespace rebound
