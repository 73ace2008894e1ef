#pragma once
// The print preview window "Osprey 数显回弹仪 - 打印预览": the one report
// object every print and preview uses, the viewer that fills the window, and
// the fetch state through which the report pulls the project's records.
// Created once at start-up and shown modally as often as needed; every
// showing fetches the records afresh and builds the pages again.

#include "binding/report_binding.h"
#include "engine/report.h"

#include <QDialog>

#include <memory>

namespace rebound {

class ComponentInfo;
class Prompter;
class ReboundFile;
class Rebound_Tester_Config;

namespace report {
class ReportViewer;
}

class TReport_Print_Preview final : public QDialog {
    Q_OBJECT
public:
    TReport_Print_Preview(const ReboundFile &project, const Rebound_Tester_Config &config,
                          const ReportFieldHandles &fields, Prompter &prompter, QWidget *parent = nullptr);
    ~TReport_Print_Preview() override;

    report::Report &Grid_Report() { return Grid_Report_; }
    report::ReportViewer *Gr_Print_Preview() const { return Gr_Print_Preview_; }
    ReportFetcher &fetcher() { return fetcher_; }

    void SetFetchMode(int mode) { fetcher_.SetFetchMode(mode); }
    void SetComponent(const ComponentInfo *zone) { fetcher_.SetComponent(zone); }
    // Back to the first record, as after a template load.
    void Rewind() { fetcher_.Rewind(); }

    // Fetches the records from the first one and lays out the pages, for
    // printing without showing the window; null with `error` on failure.
    std::shared_ptr<const report::Document> GenerateDocument(QString *error);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void FormActivate();
    void FormClose();

    Prompter &prompter_;
    report::Report Grid_Report_;
    ReportFetcher fetcher_;
    report::ReportViewer *Gr_Print_Preview_ = nullptr;
};

} // namespace rebound
