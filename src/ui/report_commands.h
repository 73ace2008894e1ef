#pragma once
// Print, preview and report settings. Both report commands share the
// preparation: the header panel into the project, a check that there are
// zones, the template named by the configuration, its load and the binding
// of its fields. Which report they produce (the unit report, or one zone
// report per test zone) is the configuration's report kind.

#include "binding/template_paths.h"
#include "engine/page_model.h"

#include <QList>

#include <memory>

namespace rebound {

class MainWindow;
class ReportPrinter;

class ReportCommands {
public:
    explicit ReportCommands(MainWindow &window);
    ~ReportCommands();

    void act_printExecute();
    void act_print_previewExecute();
    void T1Click();

    // Each answers whether the report may go on; on false the user has been
    // told why and nothing is loaded.
    bool PrepareUnitReport();
    bool PrepareZoneReport();

    // The printer the print command uses (the platform's by default).
    void setPrinter(std::unique_ptr<ReportPrinter> printer);

private:
    bool Prepare(ReportKind kind);
    // The zone reports when the configured kind is anything but 0.
    bool ZoneReports() const;
    void PrintDocuments(const QList<std::shared_ptr<const report::Document>> &docs);

    MainWindow &window_;
    std::unique_ptr<ReportPrinter> printer_;
};

} // namespace rebound
