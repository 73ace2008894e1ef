#pragma once
// The projects opened or saved last, newest first, kept in
// "RecentFiles.txt" in the settings directory (UTF-8, one path per line) so
// the report configuration file stays as it is. The File menu lists them
// above 退出.

#include "io/io_result.h"

#include <QObject>
#include <QStringList>

#include <functional>

class QAction;
class QMenu;

namespace rebound {

class RecentFiles {
public:
    static constexpr int kLimit = 8;
    static QString FileName() { return QStringLiteral("RecentFiles.txt"); }

    // `list_path`: the file the list is kept in.
    explicit RecentFiles(QString list_path) : list_path_(std::move(list_path)) {}

    // Reads the list. A missing file is an empty list; blank lines, repeats
    // and lines past the limit are dropped.
    IoResult load();
    // Puts `path` first (once) and writes the list; the oldest beyond the
    // limit drop out.
    IoResult add(const QString &path);
    IoResult remove(const QString &path);

    const QStringList &paths() const { return paths_; }
    const QString &listPath() const { return list_path_; }

private:
    IoResult save() const;

    QString list_path_;
    QStringList paths_;
};

// The list's items in a menu, before `before`, with a separator after them
// while there are any. Picking one calls `open` with its path.
class RecentFilesMenu final : public QObject {
    Q_OBJECT
public:
    RecentFilesMenu(QMenu &menu, QAction *before, const RecentFiles &list, std::function<void(const QString &)> open,
                    QObject *parent = nullptr);
    // Shows the list as it is now.
    void rebuild();
    QList<QAction *> items() const { return items_; }

private:
    QMenu &menu_;
    QAction *before_;
    const RecentFiles &list_;
    std::function<void(const QString &)> open_;
    QAction *separator_ = nullptr;
    QList<QAction *> items_;
};

} // namespace rebound
