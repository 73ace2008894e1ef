// rebound-cli: the process around RunCli, with the locale's dates and the
// files' creation times. The report subcommand lays out text, which needs a
// QGuiApplication; it runs on the offscreen platform unless the caller
// chose another, so no display is needed.

#include "cli.h"
#include "locale_dates.h"

#include <QDate>
#include <QFile>
#include <QGuiApplication>

#include <iostream>
#include <memory>

namespace {

// Scripts read one line on stderr per failure: Qt's own notes (such as the
// runtime directory it chose for the offscreen platform) are not ours to
// print. Critical and fatal messages still go through.
void QuietQtMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toStdString() << std::endl;
}

} // namespace

int main(int argc, char **argv)
{
    using namespace rebound;
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::unique_ptr<QGuiApplication> gui;
    if (!args.empty() && args.front() == "report") {
        qInstallMessageHandler(QuietQtMessages);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        gui = std::make_unique<QGuiApplication>(argc, argv);
    }
    const LocaleDates dates;
    cli::CliContext context{std::cout, std::cerr, dates, [&dates](const std::string &path) {
                                const QDate created = FileCreationDate(
                                    QFile::decodeName(QByteArray::fromStdString(path)), QDate::currentDate());
                                const GbkEncoding text = Utf8ToGbk(dates.formatShort(created).toStdString());
                                return text.ok ? text.bytes : TansyString(created.toString(Qt::ISODate).toStdString());
                            }};
    return cli::RunCli(args, context);
}
