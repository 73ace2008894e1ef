#pragma once

#include <QString>

#include <functional>

#include "engine/page_model.h"
#include "engine/report.h"

class QPrinter;
class QWidget;

namespace rebound::report {

// Asks the user for printer settings; true to print. The default shows
// QPrintDialog; tests pass their own.
using PrintDialogFunction = std::function<bool(QWidget* parent, QPrinter& printer, int pageCount)>;
bool ShowPrintDialog(QWidget* parent, QPrinter& printer, int pageCount);

// Prints the pages of `doc` (all, or the range chosen on the printer) on the
// paper of the report, through the same paint routine as screen and PDF.
bool PrintDocument(const Document& doc, QPrinter& printer, QString* error = nullptr);

// Generates the report (the record event runs) and prints it.
bool PrintReport(Report& report, QPrinter& printer, QString* error = nullptr);

// The print command: asks for the printer first (nothing is fetched when the
// user cancels), then generates and prints. `cancelled` tells a cancel from
// a failure.
bool PrintReportWithDialog(Report& report, QWidget* parent, const PrintDialogFunction& dialog,
                           bool* cancelled, QString* error = nullptr);

}  // namespace rebound::report
