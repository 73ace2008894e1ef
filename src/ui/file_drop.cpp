#include "file_drop.h"

#include "exchange_commands.h"
#include "file_commands.h"
#include "io/zone_exchange.h"
#include "main_window.h"
#include "prompter.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTableView>
#include <QUrl>

namespace rebound {

DroppedFiles DroppedFiles::Sort(const QStringList &paths)
{
    DroppedFiles sorted;
    for (const QString &path : paths) {
        if (QFileInfo(path).suffix().compare(QStringLiteral("prj"), Qt::CaseInsensitive) == 0)
            sorted.projects << path;
        else if (ZoneFileKindOf(path.toStdString()) != ZoneFileKind::Unknown)
            sorted.zones << path;
        else
            sorted.others << path;
    }
    if (sorted.projects.size() == 1)
        sorted.project = sorted.projects.front();
    return sorted;
}

QStringList LocalFiles(const QMimeData *mime)
{
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl &url : mime->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}

FileDrop::FileDrop(MainWindow &window, QObject *parent) : QObject(parent), window_(window)
{
    window_.setAcceptDrops(true);
    window_.installEventFilter(this);
    // Text fields take dropped text themselves; files meant for the window
    // must not end up as a path typed into the header.
    for (QWidget *child : window_.findChildren<QWidget *>()) {
        if (child->acceptDrops())
            child->installEventFilter(this);
    }
    // The grid's cell editors come and go.
    window_.areaGrid()->viewport()->installEventFilter(this);
}

bool FileDrop::eventFilter(QObject *watched, QEvent *event)
{
    // Over the window itself a drag of other things is refused; over a
    // child that takes drops it is the child's.
    const bool window = watched == &window_;
    switch (event->type()) {
    case QEvent::ChildAdded:
        if (watched == window_.areaGrid()->viewport()) {
            if (auto *editor = qobject_cast<QWidget *>(static_cast<QChildEvent *>(event)->child()))
                editor->installEventFilter(this);
        }
        return false;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        if (DroppedFiles::Sort(LocalFiles(drag->mimeData())).usable())
            drag->acceptProposedAction();
        else if (window)
            drag->ignore();
        else
            return false;
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList paths = LocalFiles(drop->mimeData());
        if (!DroppedFiles::Sort(paths).usable()) {
            if (!window)
                return false;
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        // The questions and messages come after the drop has finished, so
        // the program the files came from is not kept waiting.
        QMetaObject::invokeMethod(
            this, [this, paths] { window_.run([this, &paths] { handle(paths); }); }, Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}

void FileDrop::handle(const QStringList &paths)
{
    window_.CommitCellEditor();
    const DroppedFiles files = DroppedFiles::Sort(paths);
    Prompter &prompter = window_.prompter();
    if (files.projects.size() > 1) {
        prompter.inform(QStringLiteral("一次只能打开一个工程文件，请只拖入一个.prj文件。"));
        return;
    }
    if (!files.others.isEmpty()) {
        prompter.inform(QStringLiteral("以下文件不是工程文件(.prj)、测区文件(.xcmp)或设备文件(.kst)，未打开：\n") +
                        files.others.join(QLatin1Char('\n')));
    }
    if (!files.project.isEmpty() && !window_.fileCommands().OpenProjectFile(files.project))
        return;
    if (!files.zones.isEmpty())
        window_.exchangeCommands().ImportFiles(files.zones);
}

} // namespace rebound
