// The program entry: the working directory becomes the base directory of the
// report configuration first, then the application and its windows start.

#include "app_texts.h"
#include "app_windows.h"
#include "config/report_config.h"
#include "locale_dates.h"
#include "qt_prompter.h"

#include <QApplication>
#include <QDir>
#include <QScreen>

int main(int argc, char *argv[])
{
    // The process's working directory, not the executable's.
    rebound::Rebound_Tester_Config config;
    config.SetBaseDir(QDir::currentPath().toStdString());

    QApplication app(argc, argv);
    QApplication::setApplicationName(rebound::ApplicationTitle());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));

    const rebound::LocaleDates dates(QLocale::system());
    rebound::QtPrompter prompter;
    rebound::AppWindows windows(dates, prompter, config);
    prompter.setParentWidget(&windows.main);

    // Maximized; where no window manager maximizes it, it still fills the
    // screen's work area.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        windows.main.setGeometry(screen->availableGeometry());
    windows.main.showMaximized();
    return QApplication::exec();
}
