#pragma once
// The project as a spreadsheet or CSV file, and the strength chart as a
// picture, from the 数据 menu.

class QString;

namespace rebound {

class MainWindow;

class ExportCommands {
public:
    explicit ExportCommands(MainWindow &window) : window_(window) {}

    void act_export_xlsxExecute();
    void act_export_csvExecute();
    void act_export_chartExecute();

private:
    // Asks for a file name (the extension appended when missing); empty
    // when the user cancelled.
    QString askPath(const QString &filter, const QString &extension);

    MainWindow &window_;
};

} // namespace rebound
