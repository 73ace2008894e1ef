#include "export_commands.h"

#include "file_commands.h"
#include "main_window.h"
#include "project_export.h"
#include "prompter.h"
#include "strength_chart.h"

namespace rebound {

namespace {

QString ExportFailure(const QString &headline, const std::string &why)
{
    return why.empty() ? headline : headline + QLatin1Char('\n') + QString::fromStdString(why);
}

} // namespace

QString ExportCommands::askPath(const QString &filter, const QString &extension)
{
    return AskSavePath(window_.prompter(), filter, extension);
}

void ExportCommands::act_export_xlsxExecute()
{
    const QString path = askPath(QStringLiteral("电子表格(*.xlsx)"), QStringLiteral(".xlsx"));
    if (path.isEmpty())
        return;
    // What the header panel shows is what the file gets, as for a save.
    window_.CommitProjectPanel();
    const IoResult written = ExportXlsx(window_.project(), path.toStdString());
    if (!written.ok)
        window_.prompter().inform(ExportFailure(QStringLiteral("文件[%1]导出失败！").arg(path), written.message));
}

void ExportCommands::act_export_csvExecute()
{
    const QString path = askPath(QStringLiteral("CSV文件(*.csv)"), QStringLiteral(".csv"));
    if (path.isEmpty())
        return;
    window_.CommitProjectPanel();
    const IoResult written = ExportCsv(window_.project(), path.toStdString());
    if (!written.ok)
        window_.prompter().inform(ExportFailure(QStringLiteral("文件[%1]导出失败！").arg(path), written.message));
}

void ExportCommands::act_export_chartExecute()
{
    const QString path = askPath(QStringLiteral("PNG图片(*.png)"), QStringLiteral(".png"));
    if (path.isEmpty())
        return;
    const IoResult written = window_.strengthChart()->savePng(path);
    if (!written.ok)
        window_.prompter().inform(ExportFailure(QStringLiteral("文件[%1]导出失败！").arg(path), written.message));
}

} // namespace rebound
