#pragma once
// What the main window offers beyond its basic commands, wired in one
// place: the strength chart's refresh, spreadsheet, CSV and chart export in
// the 数据 menu, the recent files in the File menu, files dropped on the
// window, the status bar's permanent widgets and pasting readings into the
// grid.

#include <QObject>

#include <memory>

class QAction;

namespace rebound {

class ExportCommands;
class FileDrop;
class GridPaste;
class MainWindow;
class RecentFiles;
class RecentFilesMenu;
class StatusIndicators;

class WindowExtras final : public QObject {
    Q_OBJECT
public:
    explicit WindowExtras(MainWindow &window);
    ~WindowExtras() override;

    QAction *exportXlsxAction() const { return act_export_xlsx_; }
    QAction *exportCsvAction() const { return act_export_csv_; }
    QAction *exportChartAction() const { return act_export_chart_; }
    RecentFiles &recentFiles() { return *recent_; }
    RecentFilesMenu &recentFilesMenu() { return *recent_menu_; }
    FileDrop &fileDrop() { return *drop_; }
    StatusIndicators &statusIndicators() { return *status_; }
    GridPaste &gridPaste() { return *paste_; }

private:
    void openRecent(const QString &path);
    void rememberFile();

    MainWindow &window_;
    std::unique_ptr<ExportCommands> exports_;
    std::unique_ptr<RecentFiles> recent_;
    QAction *act_export_xlsx_ = nullptr;
    QAction *act_export_csv_ = nullptr;
    QAction *act_export_chart_ = nullptr;
    RecentFilesMenu *recent_menu_ = nullptr;
    FileDrop *drop_ = nullptr;
    StatusIndicators *status_ = nullptr;
    GridPaste *paste_ = nullptr;
};

} // namespace rebound
