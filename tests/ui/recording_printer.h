#pragma once
// Stands in for the printer: records every print job's pages instead of
// printing, and answers the print dialog as scripted.

#include "report_printer.h"

#include <QList>

#include <memory>

struct PrintLog {
    int dialogs = 0;           // times the printer was asked for
    bool accept_dialog = true; // the user's answer to the print dialog
    QList<std::shared_ptr<const rebound::report::Document>> jobs;
};

class RecordingPrinter final : public rebound::ReportPrinter {
public:
    explicit RecordingPrinter(std::shared_ptr<PrintLog> log) : log_(std::move(log)) {}

    bool choosePrinter(QWidget *, const rebound::report::Document &, int) override
    {
        ++log_->dialogs;
        return log_->accept_dialog;
    }
    bool printJob(const rebound::report::Document &doc, QString *) override
    {
        log_->jobs << std::make_shared<const rebound::report::Document>(doc);
        return true;
    }

private:
    std::shared_ptr<PrintLog> log_;
};
