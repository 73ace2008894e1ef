#include "exchange_commands.h"

#include "app_texts.h"
#include "command_guard.h"
#include "file_commands.h"
#include "gbk_text.h"
#include "io/zone_exchange.h"
#include "locale_dates.h"
#include "main_window.h"
#include "prompter.h"
#include "trace.h"
#include "zone_list_model.h"

#include <QStringList>

namespace rebound {

namespace {

QString WithReason(const QString &headline, const std::string &why)
{
    return why.empty() ? headline : headline + QLatin1Char('\n') + QString::fromStdString(why);
}

// The reader's message starts with the fixed headline; the reason goes on a
// line of its own.
QString ImportFailureText(const QString &path, const std::string &message)
{
    const QString headline = QStringLiteral("[%1]测区导入失败！").arg(path);
    QString text = QString::fromStdString(message);
    if (text.startsWith(headline))
        text.remove(0, headline.size());
    text = text.trimmed();
    return text.isEmpty() ? headline : headline + QLatin1Char('\n') + text;
}

} // namespace

void ExchangeCommands::act_export_componentExecute()
{
    Prompter &prompter = window_.prompter();
    // Nothing to export: say so before asking for a file name.
    const ComponentInfo *zone = window_.currentZone();
    if (!zone) {
        prompter.inform(QStringLiteral("未选择测区"));
        return;
    }
    const QString path = AskSavePath(prompter, ZoneFilter(), QStringLiteral(".xcmp"));
    if (path.isEmpty())
        return;
    zone = window_.currentZone();
    if (!zone) {
        prompter.inform(QStringLiteral("未选择测区"));
        return;
    }
    const IoResult written = ExportZone(*zone, path.toStdString());
    if (!written.ok)
        prompter.inform(WithReason(QStringLiteral("文件保存失败！"), written.message));
}

void ExchangeCommands::act_import_componentExecute()
{
    const QStringList paths = window_.prompter().openFiles(DeviceFilter());
    if (paths.isEmpty())
        return;
    try {
        importFiles(paths);
    } catch (const std::bad_alloc &) {
        window_.prompter().inform(QStringLiteral("测区导入失败！\n") + FailureText(std::current_exception()));
    } catch (...) {
        window_.prompter().inform(QStringLiteral("测区导入失败！"));
    }
}

void ExchangeCommands::importFiles(const QStringList &paths)
{
    ReboundFile &project = window_.project();
    const LocaleDates &dates = window_.dates();
    for (const QString &path : paths) {
        const std::string file = path.toStdString();
        ComponentInfo zone = project.NewComponent();
        // An instrument file's zone is dated by the file's creation, whatever
        // date the instrument wrote into it.
        TansyString test_date;
        if (ZoneFileKindOf(file) == ZoneFileKind::Instrument)
            test_date = EditedBytes(dates.formatShort(FileCreationDate(path, QDate::currentDate())), {});
        const IoResult read = ImportZoneFile(file, test_date, zone, [](std::string_view line) {
            trace("%.*s", static_cast<int>(line.size()), line.data());
        });
        if (!read.ok) {
            window_.prompter().inform(ImportFailureText(path, read.message));
            return;
        }
        project.AddComponent(zone);
        window_.RefreshComponentList();
        window_.SelectComponentRow(window_.zoneListModel()->rowCount() - 1);
    }
}

} // namespace rebound
