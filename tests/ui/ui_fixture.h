#pragma once
// A started program for the tests: the real windows with a scripted
// prompter, a fixed "today", and the report configuration in a temporary
// base directory that holds the shipped report templates, as a fresh
// installation does.

#include "app_windows.h"
#include "config/report_config.h"
#include "locale_dates.h"
#include "main_window.h"
#include "position_grid_model.h"
#include "recording_printer.h"
#include "scripted_prompter.h"

#include <QAction>
#include <QApplication>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace uitest {

inline const QDate kToday(2026, 12, 11);

// Copies the repository's "report" directory (the shipped templates) to `base`.
void InstallShippedTemplates(const QString &base);

// Types `text` into a widget one character at a time, as a keyboard or an
// input method delivers it (QTest's own typing knows only Latin-1).
void TypeText(QWidget *widget, const QString &text);

// Lets queued work finish: an editor commits on the next turn of the event
// loop and the message about it comes one turn later.
inline void Flush()
{
    for (int turn = 0; turn < 3; ++turn)
        QApplication::processEvents();
}

class Fixture {
public:
    explicit Fixture(const QLocale &locale = QLocale(QLocale::Chinese, QLocale::China))
        : Fixture(InstallShippedTemplates, locale)
    {
    }
    // `prepare` sets up the base directory before the program starts.
    explicit Fixture(const std::function<void(const QString &base)> &prepare,
                     const QLocale &locale = QLocale(QLocale::Chinese, QLocale::China))
        : dates(locale, [] { return kToday; })
    {
        if (prepare)
            prepare(dir.path());
        config.SetBaseDir(dir.path().toStdString());
        windows = std::make_unique<rebound::AppWindows>(dates, prompter, config);
        // No test reaches a real printer.
        window().setReportPrinter(std::make_unique<RecordingPrinter>(printed));
        window().show();
    }

    rebound::MainWindow &window() { return windows->main; }
    rebound::ReboundFile &project() { return window().project(); }
    QTableView *grid() { return window().areaGrid(); }
    QTableView *list() { return window().componentList(); }
    QString path(const QString &name) const { return dir.filePath(name); }

    // Runs an action as a menu pick does.
    void trigger(const char *name)
    {
        QAction *action = window().findChild<QAction *>(QString::fromLatin1(name));
        QVERIFY2(action, name);
        action->trigger();
        Flush();
    }

    // Types `text` into a grid cell through the cell editor and commits it
    // with Enter, as a person does.
    void typeIntoCell(int row, int column, const QString &text);
    // Selects a cell as a click does.
    void selectCell(int row, int column)
    {
        grid()->setCurrentIndex(grid()->model()->index(row, column));
        Flush();
    }
    // Picks a carbonation entry in the drop-down over the cell.
    void pickCarbonation(int row, int entry);
    QString cell(int row, int column) { return grid()->model()->index(row, column).data().toString(); }
    QString listCell(int row, int column) { return list()->model()->index(row, column).data().toString(); }

    QTemporaryDir dir;
    rebound::LocaleDates dates;
    ScriptedPrompter prompter;
    std::shared_ptr<PrintLog> printed = std::make_shared<PrintLog>();
    rebound::Rebound_Tester_Config config;
    std::unique_ptr<rebound::AppWindows> windows;
};

} // namespace uitest
