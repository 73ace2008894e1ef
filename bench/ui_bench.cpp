// The window with a large project: opening it until the zone list and the
// grid are filled, the memory it then holds, and start-up to the first
// shown window. Runs on the offscreen platform.
#include "app_windows.h"
#include "config/report_config.h"
#include "large_project.h"
#include "locale_dates.h"
#include "prompter.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

using namespace rebound;

namespace {

// Answers every file dialog with one path and every question with No.
class FixedPrompter final : public Prompter {
public:
    QString path;
    void inform(const QString &text) override { last_message = text; }
    Answer ask(const QString &, Buttons) override { return Answer::No; }
    QString openFile(const QString &) override { return path; }
    QStringList openFiles(const QString &) override { return {path}; }
    QString saveFile(const QString &, bool &confirmed) override
    {
        confirmed = true;
        return path;
    }
    int runDialog(QDialog &) override { return 0; }
    QString last_message;
};

double ResidentMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    }
    return 0.0;
}

struct Scratch {
    QTemporaryDir dir;
    Rebound_Tester_Config config;
    LocaleDates dates{QLocale(QLocale::Chinese, QLocale::China)};
    FixedPrompter prompter;
    Scratch() { config.SetBaseDir(dir.path().toStdString()); }
};

QString LargeProjectPath(Scratch &scratch)
{
    const QString path = scratch.dir.filePath(QStringLiteral("large.prj"));
    ReboundFile project(scratch.dates);
    bench::FillLargeProject(project, 5000, 10);
    if (!project.Save(path.toStdString()))
        std::abort();
    return path;
}

void BM_OpenLargeProjectInWindow(benchmark::State &state)
{
    Scratch scratch;
    scratch.prompter.path = LargeProjectPath(scratch);
    AppWindows windows(scratch.dates, scratch.prompter, scratch.config);
    windows.main.show();
    QApplication::processEvents();
    QAction *open = windows.main.findChild<QAction *>(QStringLiteral("FileOpen1"));
    for (auto _ : state) {
        open->trigger();
        // Painting the list and the grid once belongs to "filled".
        QApplication::processEvents();
        if (windows.main.project().ComponentCount() != 5000 || windows.main.componentList()->model()->rowCount() != 5000)
            state.SkipWithError("the project did not open");
    }
    state.counters["rss_MB"] = ResidentMegabytes();
}
BENCHMARK(BM_OpenLargeProjectInWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

// From nothing to the main window shown with its default project (the
// application object already exists: it is made once per process).
void BM_StartUpToShownWindow(benchmark::State &state)
{
    for (auto _ : state) {
        Scratch scratch;
        AppWindows windows(scratch.dates, scratch.prompter, scratch.config);
        windows.main.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(windows.main.isVisible());
    }
}
BENCHMARK(BM_StartUpToShownWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QElapsedTimer since_start;
    since_start.start();
    QApplication app(argc, argv);
    std::printf("QApplication start-up: %lld ms\n", static_cast<long long>(since_start.elapsed()));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
