#pragma once
// Zone export to an exchange file and zone import from exchange and
// instrument files.

#include <QStringList>

namespace rebound {

class MainWindow;

class ExchangeCommands {
public:
    explicit ExchangeCommands(MainWindow &window) : window_(window) {}

    void act_export_componentExecute();
    // Appends one zone per chosen file, in the dialog's order; the first
    // file that cannot be imported stops the import with a message.
    void act_import_componentExecute();

private:
    void importFiles(const QStringList &paths);

    MainWindow &window_;
};

} // namespace rebound
