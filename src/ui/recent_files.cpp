#include "recent_files.h"

#include "io/atomic_file.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

namespace rebound {

namespace {

// More than the list ever holds; a larger file is not ours to read whole.
constexpr qint64 kMaxListBytes = 64 * 1024;
// Menu texts longer than this are shortened in the middle.
constexpr int kMaxShownChars = 70;

QString Normalised(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QString MenuText(int number, const QString &path)
{
    QString shown = QDir::toNativeSeparators(path);
    if (shown.size() > kMaxShownChars) {
        const int keep = (kMaxShownChars - 1) / 2;
        shown = shown.left(keep) + QStringLiteral("…") + shown.right(keep);
    }
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(number).arg(shown);
}

} // namespace

IoResult RecentFiles::load()
{
    paths_.clear();
    QFile file(list_path_);
    if (!file.exists())
        return IoResult::Success();
    if (!file.open(QIODevice::ReadOnly))
        return IoResult::Failure("无法读取文件[" + list_path_.toStdString() + "]：" + file.errorString().toStdString());
    QByteArray bytes = file.read(kMaxListBytes);
    // A cut-off last line is no path.
    if (!file.atEnd()) {
        const qsizetype end = bytes.lastIndexOf('\n');
        bytes.truncate(end < 0 ? 0 : end);
    }
    for (const QByteArray &line : bytes.split('\n')) {
        const QString path = QString::fromUtf8(line).trimmed();
        if (path.isEmpty() || paths_.contains(path))
            continue;
        paths_ << path;
        if (paths_.size() == kLimit)
            break;
    }
    return IoResult::Success();
}

IoResult RecentFiles::add(const QString &path)
{
    const QString entry = Normalised(path);
    paths_.removeAll(entry);
    paths_.prepend(entry);
    while (paths_.size() > kLimit)
        paths_.removeLast();
    return save();
}

IoResult RecentFiles::remove(const QString &path)
{
    paths_.removeAll(path);
    paths_.removeAll(Normalised(path));
    return save();
}

IoResult RecentFiles::save() const
{
    QByteArray bytes;
    for (const QString &path : paths_)
        bytes += path.toUtf8() + '\n';
    return WriteFileAtomically(list_path_.toStdString(),
                               std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

RecentFilesMenu::RecentFilesMenu(QMenu &menu, QAction *before, const RecentFiles &list,
                                 std::function<void(const QString &)> open, QObject *parent)
    : QObject(parent), menu_(menu), before_(before), list_(list), open_(std::move(open))
{
    rebuild();
}

void RecentFilesMenu::rebuild()
{
    for (QAction *item : items_) {
        menu_.removeAction(item);
        // The item may be the one whose pick is running.
        item->setObjectName(QString());
        item->deleteLater();
    }
    items_.clear();
    const QStringList &paths = list_.paths();
    // Without recent files the menu is as it always was.
    if (paths.isEmpty() && separator_) {
        menu_.removeAction(separator_);
        delete separator_;
        separator_ = nullptr;
    } else if (!paths.isEmpty() && !separator_) {
        separator_ = menu_.insertSeparator(before_);
        separator_->setObjectName(QStringLiteral("RecentFilesSeparator"));
    }
    for (int i = 0; i < paths.size(); ++i) {
        auto *item = new QAction(MenuText(i + 1, paths[i]), &menu_);
        item->setObjectName(QStringLiteral("RecentFile%1").arg(i + 1));
        item->setStatusTip(paths[i]);
        item->setToolTip(paths[i]);
        const QString path = paths[i];
        connect(item, &QAction::triggered, this, [this, path] { open_(path); });
        menu_.insertAction(separator_, item);
        items_ << item;
    }
}

} // namespace rebound
