#pragma once
// How the print command reaches the printer: the printer settings are asked
// for once per command, then every report of the command (the unit report,
// or one zone report per test zone) becomes a print job of its own. The
// program uses QtReportPrinter; the tests record the jobs instead.

#include "engine/page_model.h"

#include <QString>

#include <memory>

class QPrinter;
class QWidget;

namespace rebound {

class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;
    // Asks for the printer and its settings; false when the user cancels.
    // `pages`: the most pages one job of the command has.
    virtual bool choosePrinter(QWidget *parent, const report::Document &first, int pages) = 0;
    // Prints one job; false with a message on failure.
    virtual bool printJob(const report::Document &doc, QString *error) = 0;
};

// The platform's print dialog and printer.
class QtReportPrinter final : public ReportPrinter {
public:
    QtReportPrinter();
    ~QtReportPrinter() override;
    bool choosePrinter(QWidget *parent, const report::Document &first, int pages) override;
    bool printJob(const report::Document &doc, QString *error) override;

private:
    std::unique_ptr<QPrinter> printer_;
};

} // namespace rebound
