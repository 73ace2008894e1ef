// rebound-cli: the process around RunCli, with the locale's dates and the
// files' creation times.

#include "cli.h"
#include "locale_dates.h"

#include <QDate>
#include <QFile>

#include <iostream>

int main(int argc, char **argv)
{
    using namespace rebound;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const LocaleDates dates;
    cli::CliContext context{std::cout, std::cerr, dates, [&dates](const std::string &path) {
                                const QDate created = FileCreationDate(
                                    QFile::decodeName(QByteArray::fromStdString(path)), QDate::currentDate());
                                const GbkEncoding text = Utf8ToGbk(dates.formatShort(created).toStdString());
                                return text.ok ? text.bytes : TansyString(created.toString(Qt::ISODate).toStdString());
                            }};
    return cli::RunCli(args, context);
}
