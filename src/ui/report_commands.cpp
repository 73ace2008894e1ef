#include "report_commands.h"

#include "binding/report_binding.h"
#include "config/report_config.h"
#include "gbk_text.h"
#include "main_window.h"
#include "prompter.h"
#include "report_print_preview.h"
#include "report_printer.h"
#include "report_setting_form.h"

#include <QFileInfo>

#include <algorithm>

namespace rebound {

ReportCommands::ReportCommands(MainWindow &window) : window_(window), printer_(std::make_unique<QtReportPrinter>()) {}

ReportCommands::~ReportCommands() = default;

void ReportCommands::setPrinter(std::unique_ptr<ReportPrinter> printer)
{
    printer_ = std::move(printer);
}

bool ReportCommands::ZoneReports() const
{
    return window_.config().GetReportKind() != 0;
}

bool ReportCommands::Prepare(ReportKind kind)
{
    // The typed header goes into the project even when the report stops.
    window_.CommitProjectPanel();
    ReboundFile &project = window_.project();
    if (project.ComponentCount() == 0) {
        window_.prompter().inform(QStringLiteral("没有要打印的数据！"));
        return false;
    }
    TReport_Print_Preview *preview = window_.printPreview();
    if (!preview)
        return false;
    const Rebound_Tester_Config &config = window_.config();
    const bool unit = kind == ReportKind::Unit;
    const TansyString &name = unit ? config.GetUnitTemplate() : config.GetZoneTemplate();
    const QString path =
        QString::fromStdString(TemplatePath(config.GetBaseDir(), kind, GbkToUtf8(name)));
    if (!QFileInfo(path).isFile()) {
        const QString text = unit ? QStringLiteral("构件打印模版[%1]不存在，请在[报表设置]中选择其他模版。")
                                  : QStringLiteral("测区打印模版[%1]不存在，请在[报表设置]中选择其他模版。");
        window_.prompter().inform(text.arg(DisplayText(name)));
        return false;
    }
    // A template that does not load would leave the previous template and
    // its bindings in place and print the wrong report: say why and stop.
    const report::LoadResult loaded = preview->Grid_Report().LoadFromFile(path);
    if (!loaded.ok) {
        window_.prompter().inform(loaded.message);
        return false;
    }
    preview->Rewind();
    if (unit)
        BindUnitReportFields(window_.tagGridReportFieldPtr(), preview->Grid_Report());
    else
        BindZoneReportFields(window_.tagGridReportFieldPtr(), preview->Grid_Report());
    return true;
}

bool ReportCommands::PrepareUnitReport()
{
    return Prepare(ReportKind::Unit);
}

bool ReportCommands::PrepareZoneReport()
{
    return Prepare(ReportKind::Zone);
}

void ReportCommands::act_print_previewExecute()
{
    TReport_Print_Preview *preview = window_.printPreview();
    if (!ZoneReports()) {
        if (!PrepareUnitReport())
            return;
        preview->SetFetchMode(ReportFetcher::kUnitRecords);
        window_.prompter().runDialog(*preview);
        return;
    }
    if (!PrepareZoneReport())
        return;
    preview->SetFetchMode(ReportFetcher::kZoneRecords);
    // One preview per zone, in project order; the next opens when the user
    // closes the one before.
    ReboundFile &project = window_.project();
    for (std::size_t i = 0; i < project.ComponentCount(); ++i) {
        preview->SetComponent(project.GetComponent(i));
        window_.prompter().runDialog(*preview);
    }
    preview->SetComponent(nullptr);
}

void ReportCommands::act_printExecute()
{
    TReport_Print_Preview *preview = window_.printPreview();
    QList<std::shared_ptr<const report::Document>> docs;
    QString error;
    if (!ZoneReports()) {
        if (!PrepareUnitReport())
            return;
        preview->SetFetchMode(ReportFetcher::kUnitRecords);
        auto doc = preview->GenerateDocument(&error);
        if (!doc) {
            window_.prompter().inform(error);
            return;
        }
        docs << doc;
    } else {
        if (!PrepareZoneReport())
            return;
        preview->SetFetchMode(ReportFetcher::kZoneRecords);
        ReboundFile &project = window_.project();
        for (std::size_t i = 0; i < project.ComponentCount(); ++i) {
            preview->SetComponent(project.GetComponent(i));
            auto doc = preview->GenerateDocument(&error);
            if (!doc) {
                preview->SetComponent(nullptr);
                window_.prompter().inform(error);
                return;
            }
            docs << doc;
        }
        preview->SetComponent(nullptr);
    }
    PrintDocuments(docs);
}

void ReportCommands::PrintDocuments(const QList<std::shared_ptr<const report::Document>> &docs)
{
    if (docs.isEmpty() || !printer_)
        return;
    int pages = 0;
    for (const auto &doc : docs)
        pages = std::max(pages, doc->PageCount());
    // The printer is chosen once; every report is a job of its own.
    if (!printer_->choosePrinter(&window_, *docs.front(), pages))
        return;
    for (const auto &doc : docs) {
        QString error;
        if (!printer_->printJob(*doc, &error)) {
            window_.prompter().inform(error);
            return;
        }
    }
}

void ReportCommands::T1Click()
{
    if (TReport_Setting_Form *settings = window_.settingsDialog())
        window_.prompter().runDialog(*settings);
}

} // namespace rebound
