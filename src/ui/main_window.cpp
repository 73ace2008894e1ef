#include "main_window.h"

#include "about_box.h"
#include "app_texts.h"
#include "area_grid_view.h"
#include "calculation_command.h"
#include "carbonation_delegate.h"
#include "component_panel.h"
#include "date_picker.h"
#include "edit_actions.h"
#include "exchange_commands.h"
#include "file_commands.h"
#include "gbk_text.h"
#include "io/binary_io.h"
#include "locale_dates.h"
#include "position_commands.h"
#include "position_grid_model.h"
#include "project_panel.h"
#include "prompter.h"
#include "random_seed_dialog.h"
#include "report_commands.h"
#include "report_printer.h"
#include "report_setting_form.h"
#include "strength_chart.h"
#include "trace.h"
#include "window_extras.h"
#include "zone_commands.h"
#include "zone_list_model.h"

#include "config/report_config.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QCloseEvent>
#include <QHeaderView>
#include <QIcon>
#include <QMenu>
#include <QScrollArea>
#include <QShowEvent>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>

#include <algorithm>

namespace rebound {

namespace {

// Widths of the grid's columns: number, twelve readings, carbonation,
// average rebound, strength.
int GridColumnWidth(int column)
{
    if (column <= PositionGridModel::kLastReading)
        return 40;
    if (column == PositionGridModel::kCarbonationColumn)
        return 60;
    return column == PositionGridModel::kReboundColumn ? 87 : 109;
}

QFont SongFont(int pixels)
{
    QFont font(SongFamilies().front());
    font.setFamilies(SongFamilies());
    font.setPixelSize(pixels);
    return font;
}

} // namespace

MainWindow::MainWindow(const LocaleDates &dates, Prompter &prompter, Rebound_Tester_Config &config, QWidget *parent)
    : QMainWindow(parent), dates_(dates), prompter_(prompter), config_(config), project_(dates)
{
    setObjectName(QStringLiteral("SDIAppForm"));
    setWindowTitle(MainWindowCaption());
    setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    setMinimumSize(800, 600);
    resize(1250, 846);

    actions_ = std::make_unique<MainActions>(*this);
    buildLayout();

    file_commands_ = std::make_unique<FileCommands>(*this);
    zone_commands_ = std::make_unique<ZoneCommands>(*this);
    position_commands_ = std::make_unique<PositionCommands>(*this);
    calculation_ = std::make_unique<CalculationCommand>(*this);
    exchange_ = std::make_unique<ExchangeCommands>(*this);
    reports_ = std::make_unique<ReportCommands>(*this);
    bindCommands();

    // The report settings come from their file before anything is shown; a
    // missing or unreadable file gives the defaults (written anew) and is
    // not a reason to bother the user at start-up.
    (void)config_.ReadConfig();
    project_.AddDefaultComponent();
    RefreshAll();
    MarkSaved();
    extras_ = std::make_unique<WindowExtras>(*this);
}

MainWindow::~MainWindow()
{
    // The base class tears the views down after the project is gone; an
    // open cell editor would commit into it. Leave the views nothing to
    // show or write.
    closing_ = true;
    delete edit_actions_;
    edit_actions_ = nullptr;
    grid_model_->showZone(-1);
    zone_model_->clear();
}

void MainWindow::attachDialogs(AboutBox *about, RandomSeedDialog *seed)
{
    about_ = about;
    seed_ = seed;
}

void MainWindow::attachReportWindows(TReport_Print_Preview *preview, TReport_Setting_Form *settings)
{
    preview_ = preview;
    settings_ = settings;
}

void MainWindow::setReportPrinter(std::unique_ptr<ReportPrinter> printer)
{
    reports_->setPrinter(std::move(printer));
}

void MainWindow::buildLayout()
{
    project_panel_ = new ProjectPanel(dates_);
    header_area_ = new QScrollArea;
    header_area_->setObjectName(QStringLiteral("ScrollBox1"));
    header_area_->setWidget(project_panel_);
    header_area_->setWidgetResizable(true);
    header_area_->setMinimumHeight(60);

    zone_model_ = new ZoneListModel(project_, this);
    lvComponents_ = new QTableView;
    lvComponents_->setObjectName(QStringLiteral("lvComponents"));
    lvComponents_->setModel(zone_model_);
    lvComponents_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvComponents_->setSelectionMode(QAbstractItemView::SingleSelection);
    lvComponents_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvComponents_->verticalHeader()->hide();
    lvComponents_->verticalHeader()->setDefaultSectionSize(22);
    lvComponents_->horizontalHeader()->setHighlightSections(false);
    lvComponents_->setColumnWidth(0, 40);
    lvComponents_->setColumnWidth(1, 70);
    lvComponents_->setColumnWidth(2, 60);
    lvComponents_->setColumnWidth(3, 75);
    lvComponents_->horizontalHeader()->setStretchLastSection(true);
    lvComponents_->setContextMenuPolicy(Qt::CustomContextMenu);
    lvComponents_->setStatusTip(QStringLiteral("测区列表"));
    // The selected row stays visible when the list has no focus.
    QPalette list_palette = lvComponents_->palette();
    list_palette.setBrush(QPalette::Inactive, QPalette::Highlight, list_palette.brush(QPalette::Active, QPalette::Highlight));
    list_palette.setBrush(QPalette::Inactive, QPalette::HighlightedText,
                          list_palette.brush(QPalette::Active, QPalette::HighlightedText));
    lvComponents_->setPalette(list_palette);

    component_panel_ = new ComponentPanel(dates_);
    auto *zone_area = new QScrollArea;
    zone_area->setObjectName(QStringLiteral("ScrollBox2"));
    zone_area->setWidget(component_panel_);
    zone_area->setWidgetResizable(true);
    zone_area->setMinimumHeight(40);

    grid_model_ = new PositionGridModel(project_, this);
    sg_areas_ = new AreaGridView;
    sg_areas_->setObjectName(QStringLiteral("sg_areas"));
    sg_areas_->setModel(grid_model_);
    sg_areas_->setItemDelegate(new CarbonationDelegate(sg_areas_));
    sg_areas_->setFont(SongFont(14));
    sg_areas_->horizontalHeader()->setFont(SongFont(14));
    sg_areas_->verticalHeader()->hide();
    sg_areas_->verticalHeader()->setDefaultSectionSize(30);
    sg_areas_->verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    sg_areas_->horizontalHeader()->setHighlightSections(false);
    sg_areas_->horizontalHeader()->setMinimumHeight(30);
    for (int column = 0; column < PositionGridModel::kColumns; ++column)
        sg_areas_->setColumnWidth(column, GridColumnWidth(column));
    sg_areas_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    sg_areas_->setContextMenuPolicy(Qt::CustomContextMenu);
    sg_areas_->setStatusTip(QStringLiteral("测位数据：输入回弹值，碳化深度从下拉列表选择"));

    auto *right = new QSplitter(Qt::Vertical);
    right->setObjectName(QStringLiteral("Splitter3"));
    right->setHandleWidth(6);
    right->addWidget(zone_area);
    strength_chart_ = new StrengthChart;
    right->addWidget(GridAndChartTabs(sg_areas_, strength_chart_));
    right->setStretchFactor(0, 0);
    right->setStretchFactor(1, 1);
    right->setSizes({96, 500});
    right->setChildrenCollapsible(false);

    auto *lower = new QSplitter(Qt::Horizontal);
    lower->setObjectName(QStringLiteral("Splitter2"));
    lower->setHandleWidth(5);
    lower->addWidget(lvComponents_);
    lower->addWidget(right);
    lower->setStretchFactor(0, 0);
    lower->setStretchFactor(1, 1);
    lower->setSizes({253, 1000});
    lower->setChildrenCollapsible(false);

    auto *outer = new QSplitter(Qt::Vertical);
    outer->setObjectName(QStringLiteral("Splitter1"));
    outer->setHandleWidth(9);
    outer->addWidget(header_area_);
    outer->addWidget(lower);
    outer->setStretchFactor(0, 0);
    outer->setStretchFactor(1, 1);
    // The header area is as high as its six lines need, at most 197.
    outer->setSizes({std::min(197, project_panel_->sizeHint().height() + 4), 600});
    outer->setChildrenCollapsible(false);
    setCentralWidget(outer);

    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->setSizeGripEnabled(true);
}

void MainWindow::bindCommands()
{
    const MainActions &a = *actions_;
    const auto bind = [this](QAction *action, auto handler) {
        connect(action, &QAction::triggered, this, [this, handler] {
            run([this, handler] {
                CommitCellEditor();
                handler();
            });
        });
    };
    bind(a.FileNew1, [this] { file_commands_->FileNew1Execute(); });
    bind(a.FileOpen1, [this] { file_commands_->FileOpen1Execute(); });
    bind(a.FileSave1, [this] { file_commands_->FileSave1Execute(); });
    bind(a.FileSaveAs1, [this] { file_commands_->FileSaveAs1Execute(); });
    bind(a.FileExit1, [this] { file_commands_->FileExit1Execute(); });
    bind(a.act_print, [this] { reports_->act_printExecute(); });
    bind(a.act_print_preview, [this] { reports_->act_print_previewExecute(); });
    bind(a.T1, [this] { reports_->T1Click(); });
    bind(a.act_create_component, [this] { zone_commands_->act_create_componentExecute(); });
    bind(a.act_remove_component, [this] { zone_commands_->act_remove_componentExecute(); });
    bind(a.act_import_component, [this] { exchange_->act_import_componentExecute(); });
    bind(a.act_export_component, [this] { exchange_->act_export_componentExecute(); });
    bind(a.act_create_area, [this] { position_commands_->act_create_areaExecute(); });
    bind(a.act_remove_area, [this] { position_commands_->act_remove_areaExecute(); });
    bind(a.act_create_random_area, [this] { position_commands_->act_create_random_areaExecute(); });
    bind(a.act_single_caculate, [this] { calculation_->act_single_caculateExecute(); });
    bind(a.HelpAbout1, [this] {
        if (about_)
            prompter_.runDialog(*about_);
    });
    edit_actions_ = new EditActions(a.EditCut1, a.EditCopy1, a.EditPaste1, this);

    connect(lvComponents_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { run([this] { lvComponentsSelectItem(); }); });
    connect(zone_model_, &ZoneListModel::tickChanged, this, &MainWindow::lvComponentsChange);
    connect(lvComponents_, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        actions_->PopupMenu_Component->popup(lvComponents_->viewport()->mapToGlobal(at));
    });
    connect(sg_areas_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { run([this, current] { sg_areasSelectCell(current); }); });
    connect(sg_areas_, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        actions_->PopupMenu_AreaData->popup(sg_areas_->viewport()->mapToGlobal(at));
    });
    // The grid reports refused readings after its editor has closed.
    connect(grid_model_, &PositionGridModel::message, this, [this](const QString &text) { prompter_.inform(text); },
            Qt::QueuedConnection);

    connect(component_panel_, &ComponentPanel::nameEdited, this,
            [this](const QString &text) { run([this, text] { txt_component_nameChange(text); }); });
    connect(component_panel_, &ComponentPanel::deviceTypeEdited, this,
            [this](const QString &text) { run([this, text] { txt_device_typeChange(text); }); });
    connect(component_panel_, &ComponentPanel::datePicked, this,
            [this](const QDate &date) { run([this, date] { dt_examine_dateChange(date); }); });
    connect(component_panel_, &ComponentPanel::textRefused, this, &MainWindow::showTextRefused);
    connect(project_panel_, &ProjectPanel::textRefused, this, &MainWindow::showTextRefused);
    connect(project_panel_, &ProjectPanel::projectClassPicked, this,
            [this](int index) { run([this, index] { ComboBox_ProjectClassChange(index); }); });
}

ComponentInfo *MainWindow::currentZone()
{
    return current_item_ < 0 ? nullptr : project_.GetComponent(static_cast<std::size_t>(current_item_));
}

// ------------------------------------------------------------ refreshing

void MainWindow::RefreshComponentList()
{
    current_item_ = -1;
    // The grid's rows named the zone of the old list; until a row is
    // selected again they name none.
    grid_model_->showZone(-1);
    zone_model_->refill();
    for (std::size_t i = 0; i < project_.ComponentCount(); ++i) {
        const ComponentInfo *zone = project_.GetComponent(i);
        trace("%s", GbkToUtf8(zone->component_name).c_str());
        trace("%s", GbkToUtf8(zone->examine_date).c_str());
    }
    if (project_.ComponentCount() == 0) {
        component_panel_->clearAndDisable();
        selected_area_ = -1;
    }
}

void MainWindow::RefreshAreaGrid()
{
    if (current_item_ < 0)
        return;
    grid_model_->showZone(current_item_);
}

void MainWindow::RefreshProjectPanel()
{
    project_panel_->refresh(project_);
    emit resultsShown();
}

void MainWindow::RefreshProjectResults()
{
    project_panel_->refreshResults(project_);
    emit resultsShown();
}

void MainWindow::CommitProjectPanel()
{
    project_panel_->commit(project_);
}

void MainWindow::RefreshAll()
{
    RefreshComponentList();
    if (zone_model_->rowCount() > 0)
        SelectComponentRow(0);
    RefreshAreaGrid();
    RefreshProjectPanel();
}

void MainWindow::StoreComponentMarks()
{
    for (int row = 0; row < zone_model_->rowCount(); ++row) {
        if (ComponentInfo *zone = project_.GetComponent(static_cast<std::size_t>(row)))
            zone->stored_tick = zone_model_->tick(row) ? 1 : 0;
    }
}

void MainWindow::SelectComponentRow(int row, AreaSelection area)
{
    if (row < 0 || row >= zone_model_->rowCount())
        return;
    pending_area_selection_ = area;
    const QModelIndexList selected = lvComponents_->selectionModel()->selectedRows();
    if (selected.size() == 1 && selected.front().row() == row && current_item_ == row)
        lvComponentsSelectItem();
    else
        lvComponents_->selectRow(row);
    pending_area_selection_ = AreaSelection::Reset;
}

void MainWindow::CommitCellEditor()
{
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    if (editor && sg_areas_->viewport()->isAncestorOf(editor))
        emit sg_areas_->itemDelegate()->commitData(editor);
}

void MainWindow::ShowAreaCount()
{
    if (const ComponentInfo *zone = currentZone())
        component_panel_->showAreaCount(zone->AreaCount());
}

// ---------------------------------------------------------- list and grid

void MainWindow::lvComponentsSelectItem()
{
    const QModelIndexList selected = lvComponents_->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    const int row = selected.front().row();
    const ComponentInfo *zone = project_.GetComponent(static_cast<std::size_t>(row));
    if (!zone)
        return;
    const bool keep_area = pending_area_selection_ == AreaSelection::Keep;
    zone_loading_ = true;
    struct Loaded {
        bool &flag;
        ~Loaded() { flag = false; }
    } loaded{zone_loading_};
    component_panel_->fill(*zone);
    current_item_ = row;
    RefreshAreaGrid();
    // A position selected in another zone names nothing here: no cell is
    // current (the grid may have made its first cell current when its
    // editor closed).
    if (keep_area && selected_area_ >= 0 && selected_area_ < grid_model_->rowCount()) {
        sg_areas_->setCurrentIndex(grid_model_->index(selected_area_, selected_column_));
    } else {
        sg_areas_->selectionModel()->clear();
        if (!keep_area)
            selected_area_ = -1;
    }
}

void MainWindow::lvComponentsChange(int row, bool ticked)
{
    if (closing_ || current_item_ < 0)
        return;
    if (ComponentInfo *zone = project_.GetComponent(static_cast<std::size_t>(row)))
        zone->marked = ticked;
}

void MainWindow::sg_areasSelectCell(const QModelIndex &current)
{
    // Cells made current while a zone is being shown are no user's choice.
    if (!current.isValid() || zone_loading_)
        return;
    selected_area_ = current.row();
    selected_column_ = current.column();
    // The carbonation cell opens its drop-down as soon as it is selected.
    if (current.column() == PositionGridModel::kCarbonationColumn && (current.flags() & Qt::ItemIsEditable))
        sg_areas_->edit(current);
}

// ------------------------------------------------------- zone panel edits

void MainWindow::txt_component_nameChange(const QString &text)
{
    ComponentInfo *zone = currentZone();
    if (!zone || zone_loading_)
        return;
    zone->component_name = EditedBytes(text, zone->component_name);
    zone_model_->rowChanged(current_item_);
}

void MainWindow::txt_device_typeChange(const QString &text)
{
    ComponentInfo *zone = currentZone();
    if (!zone || zone_loading_)
        return;
    zone->device_type = EditedBytes(text, zone->device_type);
}

void MainWindow::dt_examine_dateChange(const QDate &date)
{
    ComponentInfo *zone = currentZone();
    if (!zone || zone_loading_)
        return;
    zone->examine_date = EditedBytes(dates_.formatPicked(date), zone->examine_date);
    zone_model_->rowChanged(current_item_);
}

void MainWindow::ComboBox_ProjectClassChange(int index)
{
    if (index >= 0)
        project_.project_class = static_cast<std::uint8_t>(index);
}

void MainWindow::showTextRefused(const QString &character)
{
    run([this, character] { prompter_.inform(RefusedCharacterText(character)); });
}

// ------------------------------------------------------------ unsaved work

std::string MainWindow::snapshot() const
{
    BinaryWriter out;
    project_.WriteTo(out);
    return out.data();
}

void MainWindow::MarkSaved()
{
    saved_snapshot_ = snapshot();
    emit markedSaved();
}

bool MainWindow::HasUnsavedChanges() const
{
    return snapshot() != saved_snapshot_ || project_panel_->hasUncommittedChanges(project_);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // The first showing fills the report settings dialog from the template
    // directories and the configuration.
    if (shown_ || event->spontaneous())
        return;
    shown_ = true;
    if (settings_)
        run([this] { settings_->FillSettingsDialog(); });
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    bool may_close = false;
    run([this, &may_close] {
        CommitCellEditor();
        may_close = file_commands_->MayClose();
    });
    if (!may_close) {
        event->ignore();
        return;
    }
    closing_ = true;
    event->accept();
}

} // namespace rebound
