#include "status_indicators.h"

#include "component_panel.h"
#include "gbk_text.h"
#include "main_window.h"
#include "position_grid_model.h"
#include "project_panel.h"
#include "zone_list_model.h"

#include <QDateEdit>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>

namespace rebound {

namespace {

QLabel *AddLabel(QStatusBar &bar, const char *name, const char *tip)
{
    auto *label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setToolTip(QString::fromUtf8(tip));
    label->setContentsMargins(6, 0, 6, 0);
    bar.addPermanentWidget(label);
    return label;
}

} // namespace

StatusIndicators::StatusIndicators(MainWindow &window, QObject *parent) : QObject(parent), window_(window)
{
    QStatusBar &bar = *window_.statusBar();
    unsaved_ = AddLabel(bar, "StatusUnsaved", "工程有未保存的修改");
    file_ = AddLabel(bar, "StatusFileName", "");
    zones_ = AddLabel(bar, "StatusZoneCount", "工程中的测区数");
    unsaved_->setStyleSheet(QStringLiteral("color: #b22222; font-weight: bold;"));

    pending_.setSingleShot(true);
    pending_.setInterval(0);
    connect(&pending_, &QTimer::timeout, this, &StatusIndicators::update);

    // Whatever can change the project or its file name.
    connect(&window_, &MainWindow::fileNameChanged, this, &StatusIndicators::schedule);
    connect(&window_, &MainWindow::markedSaved, this, &StatusIndicators::saved);
    connect(&window_, &MainWindow::resultsShown, this, &StatusIndicators::edited);
    QAbstractItemModel *models[] = {window_.gridModel(), window_.zoneListModel()};
    for (QAbstractItemModel *model : models) {
        connect(model, &QAbstractItemModel::dataChanged, this, &StatusIndicators::edited);
        connect(model, &QAbstractItemModel::modelReset, this, &StatusIndicators::edited);
        connect(model, &QAbstractItemModel::rowsInserted, this, &StatusIndicators::edited);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &StatusIndicators::edited);
    }
    connect(window_.componentPanel(), &ComponentPanel::nameEdited, this, &StatusIndicators::edited);
    connect(window_.componentPanel(), &ComponentPanel::deviceTypeEdited, this, &StatusIndicators::edited);
    connect(window_.componentPanel(), &ComponentPanel::datePicked, this, &StatusIndicators::edited);
    // Header text counts as a change as soon as it is typed, before it is
    // committed to the project.
    ProjectPanel *header = window_.projectPanel();
    connect(header, &ProjectPanel::projectClassPicked, this, &StatusIndicators::edited);
    for (GbkLineEdit *edit : header->findChildren<GbkLineEdit *>())
        connect(edit, &GbkLineEdit::edited, this, &StatusIndicators::edited);
    for (QDateEdit *picker : header->findChildren<QDateEdit *>())
        connect(picker, &QDateEdit::dateChanged, this, &StatusIndicators::edited);
    update();
}

void StatusIndicators::update()
{
    const QString &path = window_.file_name();
    if (path.isEmpty()) {
        file_->setText(QStringLiteral("未命名"));
        file_->setToolTip(QStringLiteral("工程尚未保存为文件"));
    } else {
        file_->setText(QFileInfo(path).fileName());
        file_->setToolTip(path);
    }
    zones_->setText(QStringLiteral("测区数：%1").arg(window_.project().ComponentCount()));
    const bool unsaved = !known_saved_ && window_.HasUnsavedChanges();
    unsaved_->setText(unsaved ? QStringLiteral("已修改") : QString());
}

} // namespace rebound
