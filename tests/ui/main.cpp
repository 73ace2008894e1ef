// Runs the window tests, every group or the ones named on the command line.

#include <QApplication>
#include <QTest>

#include <cstring>
#include <functional>
#include <utility>
#include <vector>

QObject *MakeShellTest();
QObject *MakeProjectPanelTest();
QObject *MakeZoneTest();
QObject *MakeGridTest();
QObject *MakeFileCommandsTest();
QObject *MakeExchangeTest();
QObject *MakeCalculationTest();
QObject *MakeGuardTest();
QObject *MakeReportTest();
QObject *MakeReportSettingsTest();
QObject *MakeChartExportTest();
QObject *MakeEntryTest();
QObject *MakeFileExtrasTest();

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const std::vector<std::pair<const char *, QObject *(*)()>> groups = {
        {"ShellTest", MakeShellTest},       {"ProjectPanelTest", MakeProjectPanelTest},
        {"ZoneTest", MakeZoneTest},         {"GridTest", MakeGridTest},
        {"FileCommandsTest", MakeFileCommandsTest}, {"ExchangeTest", MakeExchangeTest},
        {"CalculationTest", MakeCalculationTest},   {"GuardTest", MakeGuardTest},
        {"ReportTest", MakeReportTest},             {"ReportSettingsTest", MakeReportSettingsTest},
        {"ChartExportTest", MakeChartExportTest},   {"EntryTest", MakeEntryTest},
        {"FileExtrasTest", MakeFileExtrasTest},
    };
    // "ui_tests GROUP [Qt Test options]" runs one group.
    const char *only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    std::vector<char *> args(argv, argv + argc);
    if (only)
        args.erase(args.begin() + 1);
    int failures = 0;
    for (const auto &[name, make] : groups) {
        if (only && std::strcmp(only, name) != 0)
            continue;
        QObject *group = make();
        failures += QTest::qExec(group, static_cast<int>(args.size()), args.data());
        delete group;
    }
    return failures == 0 ? 0 : 1;
}
