#pragma once
// Files dropped on the main window: a project file (.prj, any letter case)
// is opened as Open does (the unsaved-work question first), zone exchange
// (.xcmp) and instrument files (.kst, .KST) are imported as the import
// command does, several at once in the order dropped. A project and zone
// files dropped together: the project opens, then the zones join it.

#include <QObject>
#include <QStringList>

class QMimeData;

namespace rebound {

class MainWindow;

struct DroppedFiles {
    QString project;          // the one project file, or empty
    QStringList projects;     // every project file dropped
    QStringList zones;        // exchange and instrument files, in order
    QStringList others;       // anything else

    static DroppedFiles Sort(const QStringList &paths);
    bool usable() const { return !projects.isEmpty() || !zones.isEmpty(); }
};

// The local files a drag carries.
QStringList LocalFiles(const QMimeData *mime);

class FileDrop final : public QObject {
    Q_OBJECT
public:
    // Accepts drops on `window` from now on.
    explicit FileDrop(MainWindow &window, QObject *parent = nullptr);

    // What a drop of `paths` does.
    void handle(const QStringList &paths);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    MainWindow &window_;
};

} // namespace rebound
