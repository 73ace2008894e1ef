// Reports with the shipped templates: 200 zone reports in one PDF, and the
// unit report of a 5,000-zone project. Layout and PDF writing included.
#include "binding/report_binding.h"
#include "config/report_config.h"
#include "engine/pdf_book.h"
#include "engine/report.h"
#include "large_project.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace rebound;

namespace {

const FixedDateProvider kToday("2026/12/11");

QString Template(const char *kind)
{
    return QStringLiteral(REBOUND_SOURCE_DIR "/report/") + QString::fromUtf8(kind) + QStringLiteral("/默认模版");
}

struct Setup {
    QTemporaryDir dir;
    Rebound_Tester_Config config;
    ReboundFile project{kToday};
    ReportFieldHandles fields;
    report::Report report;
    ReportFetcher fetcher{project, config, fields};

    Setup(int zones, const char *kind)
    {
        config.SetBaseDir(dir.path().toStdString());
        bench::FillLargeProject(project, zones, 10);
        const report::LoadResult loaded = report.LoadFromFile(Template(kind));
        if (!loaded.ok)
            std::abort();
        report.SetFetchRecordHandler([this](bool &eof) { fetcher.Grid_ReportFetchRecord(eof); });
    }
};

void BM_ZoneReportsPdf(benchmark::State &state)
{
    Setup setup(static_cast<int>(state.range(0)), "测区");
    BindZoneReportFields(setup.fields, setup.report);
    setup.fetcher.SetFetchMode(ReportFetcher::kZoneRecords);
    const QString out = setup.dir.filePath(QStringLiteral("zones.pdf"));
    for (auto _ : state) {
        report::PdfBook book;
        for (std::size_t i = 0; i < setup.project.ComponentCount(); ++i) {
            setup.fetcher.SetComponent(setup.project.GetComponent(i));
            if (!setup.report.Generate())
                state.SkipWithError("layout failed");
            book.Append(setup.report.GeneratedDocument());
        }
        if (!book.Write(out))
            state.SkipWithError("PDF not written");
        state.counters["pages"] = book.PageCount();
    }
}
BENCHMARK(BM_ZoneReportsPdf)->Arg(200)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_UnitReportPdf(benchmark::State &state)
{
    Setup setup(static_cast<int>(state.range(0)), "构件");
    BindUnitReportFields(setup.fields, setup.report);
    const QString out = setup.dir.filePath(QStringLiteral("unit.pdf"));
    for (auto _ : state) {
        setup.fetcher.SetFetchMode(ReportFetcher::kUnitRecords);
        if (!setup.report.WritePdf(out))
            state.SkipWithError("PDF not written");
        state.counters["pages"] = setup.report.PageCount();
    }
}
BENCHMARK(BM_UnitReportPdf)->Arg(5000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
