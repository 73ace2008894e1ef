#pragma once
// The main window: owns the one project for the whole run, the window state
// every command shares (file_name, current_item, selected_area) and the
// refresh operations; lays out the header panel, zone list, zone panel and
// position grid. The commands themselves live in small handler classes.

#include "binding/report_binding.h"
#include "main_actions.h"
#include "model/rebound_file.h"

#include <QMainWindow>

#include <memory>
#include <string>

class QTableView;
class QScrollArea;

namespace rebound {

class AboutBox;
class CalculationCommand;
class ComponentPanel;
class EditActions;
class ExchangeCommands;
class FileCommands;
class LocaleDates;
class PositionCommands;
class PositionGridModel;
class ProjectPanel;
class Prompter;
class RandomSeedDialog;
class Rebound_Tester_Config;
class ReportCommands;
class ReportPrinter;
class StrengthChart;
class TReport_Print_Preview;
class TReport_Setting_Form;
class WindowExtras;
class ZoneCommands;
class ZoneListModel;

class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(const LocaleDates &dates, Prompter &prompter, Rebound_Tester_Config &config,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    // The dialogs created after the main window at start-up.
    void attachDialogs(AboutBox *about, RandomSeedDialog *seed);
    // The report windows, created after the About box at start-up.
    void attachReportWindows(TReport_Print_Preview *preview, TReport_Setting_Form *settings);
    AboutBox *aboutBox() const { return about_; }
    RandomSeedDialog *seedDialog() const { return seed_; }
    TReport_Print_Preview *printPreview() const { return preview_; }
    TReport_Setting_Form *settingsDialog() const { return settings_; }

    // ---- state the commands share
    ReboundFile &project() { return project_; }
    const QString &file_name() const { return file_name_; }
    void setFileName(const QString &name)
    {
        file_name_ = name;
        emit fileNameChanged();
    }
    // The zone list row whose zone the panel and the grid show; −1 for none.
    int current_item() const { return current_item_; }
    ComponentInfo *currentZone();
    // The position of the grid row selected last in the current zone; −1 for none.
    int selected_area() const { return selected_area_; }
    bool closing() const { return closing_; }
    Prompter &prompter() { return prompter_; }
    const LocaleDates &dates() const { return dates_; }
    Rebound_Tester_Config &config() { return config_; }
    // The report field handles the last template loads bound; empty at start.
    ReportFieldHandles &tagGridReportFieldPtr() { return tagGridReportFieldPtr_; }

    // ---- refresh operations
    void RefreshComponentList();
    void RefreshAreaGrid();
    void RefreshProjectPanel();
    // The unit results, the zone count and the class only; typed header
    // text stays in the panel.
    void RefreshProjectResults();
    void CommitProjectPanel();
    void RefreshAll();
    void StoreComponentMarks();
    // Selecting a zone row fills the zone panel and the grid. Selecting
    // another zone forgets the selected position; commands that select the
    // same zone again after changing its positions keep it.
    enum class AreaSelection { Reset, Keep };
    void SelectComponentRow(int row, AreaSelection area = AreaSelection::Reset);
    // txt_area_number := the current zone's position count.
    void ShowAreaCount();
    // Stores what the grid's open cell editor holds, as Enter would: a
    // command (a tool button takes no focus) must not miss a typed reading.
    void CommitCellEditor();

    // ---- unsaved work
    // The project as it is now is what its file holds (after New, Open, Save).
    void MarkSaved();
    bool HasUnsavedChanges() const;

    // ---- parts, for the command handlers and the tests
    ReportCommands &reportCommands() const { return *reports_; }
    // The printer the print command uses; the tests record the jobs.
    void setReportPrinter(std::unique_ptr<ReportPrinter> printer);
    const MainActions &actions() const { return *actions_; }
    ProjectPanel *projectPanel() const { return project_panel_; }
    ComponentPanel *componentPanel() const { return component_panel_; }
    QTableView *componentList() const { return lvComponents_; }
    QTableView *areaGrid() const { return sg_areas_; }
    ZoneListModel *zoneListModel() const { return zone_model_; }
    PositionGridModel *gridModel() const { return grid_model_; }
    StrengthChart *strengthChart() const { return strength_chart_; }
    FileCommands &fileCommands() { return *file_commands_; }
    ExchangeCommands &exchangeCommands() { return *exchange_; }

    // Runs a command so that no failure escapes into the event loop.
    template <typename Command> void run(Command &&command);

signals:
    // The header panel has shown the unit results anew (New, Open, a
    // calculation).
    void resultsShown();
    void fileNameChanged();
    // The project as it is now is what its file holds.
    void markedSaved();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildLayout();
    void bindCommands();
    void lvComponentsSelectItem();
    void lvComponentsChange(int row, bool ticked);
    void sg_areasSelectCell(const QModelIndex &current);
    void txt_component_nameChange(const QString &text);
    void txt_device_typeChange(const QString &text);
    void dt_examine_dateChange(const QDate &date);
    void ComboBox_ProjectClassChange(int index);
    void showTextRefused(const QString &character);
    std::string snapshot() const;

    const LocaleDates &dates_;
    Prompter &prompter_;
    Rebound_Tester_Config &config_;
    ReboundFile project_;
    QString file_name_;
    int current_item_ = -1;
    int selected_area_ = -1;
    int selected_column_ = 1;
    bool zone_loading_ = false;
    bool closing_ = false;
    AreaSelection pending_area_selection_ = AreaSelection::Reset;
    std::string saved_snapshot_;

    AboutBox *about_ = nullptr;
    RandomSeedDialog *seed_ = nullptr;
    TReport_Print_Preview *preview_ = nullptr;
    TReport_Setting_Form *settings_ = nullptr;
    bool shown_ = false;
    ReportFieldHandles tagGridReportFieldPtr_{};

    std::unique_ptr<MainActions> actions_;
    ProjectPanel *project_panel_ = nullptr;
    QScrollArea *header_area_ = nullptr;
    ComponentPanel *component_panel_ = nullptr;
    QTableView *lvComponents_ = nullptr;
    QTableView *sg_areas_ = nullptr;
    ZoneListModel *zone_model_ = nullptr;
    PositionGridModel *grid_model_ = nullptr;
    EditActions *edit_actions_ = nullptr;
    StrengthChart *strength_chart_ = nullptr;

    std::unique_ptr<FileCommands> file_commands_;
    std::unique_ptr<ZoneCommands> zone_commands_;
    std::unique_ptr<PositionCommands> position_commands_;
    std::unique_ptr<CalculationCommand> calculation_;
    std::unique_ptr<ExchangeCommands> exchange_;
    std::unique_ptr<ReportCommands> reports_;
    // Chart, spreadsheet export, recent files, drops, status widgets, grid
    // paste; last, so it goes first.
    std::unique_ptr<WindowExtras> extras_;
};

} // namespace rebound

#include "command_guard.h"

template <typename Command> void rebound::MainWindow::run(Command &&command)
{
    RunGuarded(prompter_, std::forward<Command>(command));
}
