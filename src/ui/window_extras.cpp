#include "window_extras.h"

#include "area_grid_view.h"
#include "config/report_config.h"
#include "export_commands.h"
#include "file_commands.h"
#include "file_drop.h"
#include "grid_entry.h"
#include "main_window.h"
#include "prompter.h"
#include "recent_files.h"
#include "status_indicators.h"
#include "strength_chart.h"
#include "trace.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMenu>

namespace rebound {

namespace {

QAction *MenuAction(QObject *owner, const char *name, const char *caption, const char *hint, const char *icon)
{
    auto *action = new QAction(QString::fromUtf8(caption), owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(QString::fromUtf8(hint));
    action->setToolTip(QString::fromUtf8(hint));
    if (icon)
        action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(icon))));
    return action;
}

} // namespace

WindowExtras::WindowExtras(MainWindow &window)
    : QObject(nullptr), window_(window), exports_(std::make_unique<ExportCommands>(window))
{
    // The chart shows what the header panel shows.
    StrengthChart *chart = window_.strengthChart();
    chart->showProject(window_.project());
    connect(&window_, &MainWindow::resultsShown, this, [this, chart] { chart->showProject(window_.project()); });

    // 数据: the exports after the calculation.
    act_export_xlsx_ = MenuAction(&window_, "act_export_xlsx", "导出电子表格(.xlsx)…", "导出电子表格", "export");
    act_export_csv_ = MenuAction(&window_, "act_export_csv", "导出CSV…", "导出CSV文件", nullptr);
    act_export_chart_ = MenuAction(&window_, "act_export_chart", "导出图表PNG…", "导出强度图表图片", nullptr);
    const auto bind = [this](QAction *action, void (ExportCommands::*command)()) {
        connect(action, &QAction::triggered, this, [this, command] {
            window_.run([this, command] {
                window_.CommitCellEditor();
                (exports_.get()->*command)();
            });
        });
    };
    bind(act_export_xlsx_, &ExportCommands::act_export_xlsxExecute);
    bind(act_export_csv_, &ExportCommands::act_export_csvExecute);
    bind(act_export_chart_, &ExportCommands::act_export_chartExecute);
    if (auto *data = window_.findChild<QMenu *>(QStringLiteral("Data1"))) {
        data->addSeparator();
        data->addActions({act_export_xlsx_, act_export_csv_, act_export_chart_});
    }

    // 文件: the recent projects above 退出.
    const QString setting_dir = QString::fromStdString(window_.config().setting_dir);
    recent_ = std::make_unique<RecentFiles>(QDir(setting_dir).filePath(RecentFiles::FileName()));
    if (const IoResult loaded = recent_->load(); !loaded.ok)
        trace("%s", loaded.message.c_str());
    auto *file_menu = window_.findChild<QMenu *>(QStringLiteral("File1"));
    if (file_menu) {
        recent_menu_ = new RecentFilesMenu(*file_menu, window_.actions().FileExit1, *recent_,
                                           [this](const QString &path) { window_.run([this, path] { openRecent(path); }); },
                                           this);
    }
    connect(&window_, &MainWindow::markedSaved, this, &WindowExtras::rememberFile);

    drop_ = new FileDrop(window_, this);
    status_ = new StatusIndicators(window_, this);

    paste_ = new GridPaste(*window_.areaGrid(), window_.prompter(), window_.actions().EditPaste1, this);
    const auto paste = [this] { window_.run([this] { paste_->pasteClipboard(); }); };
    if (auto *grid = qobject_cast<AreaGridView *>(window_.areaGrid()))
        connect(grid, &AreaGridView::pasteRequested, this, paste);
    connect(window_.actions().EditPaste1, &QAction::triggered, this, [this, paste] {
        if (paste_->gridHasFocus())
            paste();
    });
}

WindowExtras::~WindowExtras() = default;

void WindowExtras::openRecent(const QString &path)
{
    window_.CommitCellEditor();
    if (!QFileInfo::exists(path)) {
        // Nothing to save the open project for: say so at once and forget it.
        window_.prompter().inform(QStringLiteral("工程文件[%1]导入失败！\n文件不存在，已从最近打开的文件中移除。").arg(path));
        (void)recent_->remove(path);
        if (recent_menu_)
            recent_menu_->rebuild();
        return;
    }
    window_.fileCommands().OpenProjectFile(path);
}

void WindowExtras::rememberFile()
{
    const QString &path = window_.file_name();
    if (path.isEmpty())
        return;
    // The list is a convenience: a settings directory that cannot be written
    // keeps it for this run only and bothers nobody.
    if (const IoResult saved = recent_->add(path); !saved.ok)
        trace("%s", saved.message.c_str());
    if (recent_menu_)
        recent_menu_->rebuild();
}

} // namespace rebound
