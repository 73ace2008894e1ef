#pragma once
// Permanent widgets at the right of the status bar, beside the hint line:
// the project file's name (未命名 while untitled), the zone count and a
// mark while the project has changes its file does not hold.

#include <QObject>
#include <QTimer>

class QLabel;

namespace rebound {

class MainWindow;

class StatusIndicators final : public QObject {
    Q_OBJECT
public:
    explicit StatusIndicators(MainWindow &window, QObject *parent = nullptr);

    QLabel *fileLabel() const { return file_; }
    QLabel *zoneCountLabel() const { return zones_; }
    QLabel *unsavedLabel() const { return unsaved_; }

    // Shows the state as it is now.
    void update();

private:
    // Many edits arrive in one turn of the event loop; look once after them.
    void schedule() { pending_.start(); }
    void edited()
    {
        known_saved_ = false;
        schedule();
    }
    void saved()
    {
        known_saved_ = true;
        schedule();
    }

    MainWindow &window_;
    QLabel *file_;
    QLabel *zones_;
    QLabel *unsaved_;
    QTimer pending_;
    // Marked saved and not edited since: no need to compare the project
    // with its file (which costs a serialisation of every zone).
    bool known_saved_ = false;
};

} // namespace rebound
