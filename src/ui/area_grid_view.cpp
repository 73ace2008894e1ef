#include "area_grid_view.h"

#include "grid_entry.h"

#include <QKeyEvent>

namespace rebound {

void AreaGridView::focusInEvent(QFocusEvent *event)
{
    if (currentIndex().isValid()) {
        QTableView::focusInEvent(event);
        return;
    }
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void AreaGridView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste) && state() != EditingState) {
        emit pasteRequested();
        event->accept();
        return;
    }
    // While an editor is open, its Enter reaches the view as well; the
    // editor's own close moves on then.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if ((enter || tab) && state() != EditingState) {
        const bool back = event->key() == Qt::Key_Backtab || (tab && (event->modifiers() & Qt::ShiftModifier));
        moveToReading(back ? -1 : 1);
        // At either end Tab stays in the grid rather than wandering off.
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

QModelIndex AreaGridView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // The view's own moves to the next and previous item.
    if (action == MoveNext || action == MovePrevious) {
        const QModelIndex next = NextReadingCell(*model(), currentIndex(), action == MoveNext ? 1 : -1);
        return next.isValid() ? next : currentIndex();
    }
    return QTableView::moveCursor(action, modifiers);
}

bool AreaGridView::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    if (!QTableView::edit(index, trigger, event))
        return false;
    editing_ = index;
    return true;
}

void AreaGridView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Enter in an editor closes it with SubmitModelCache, Tab and Shift+Tab
    // with EditNextItem and EditPreviousItem. Selecting another cell closes
    // the editor as well, after the current cell has changed: that one
    // stays where the user put it.
    int step = 0;
    if (hint == QAbstractItemDelegate::SubmitModelCache || hint == QAbstractItemDelegate::EditNextItem)
        step = 1;
    else if (hint == QAbstractItemDelegate::EditPreviousItem)
        step = -1;
    const bool from_key = step != 0 && editing_.isValid() && editing_ == currentIndex();
    editing_ = QPersistentModelIndex();
    QTableView::closeEditor(editor, from_key ? QAbstractItemDelegate::NoHint : hint);
    if (from_key)
        moveToReading(step);
}

void AreaGridView::moveToReading(int step)
{
    const QModelIndex next = NextReadingCell(*model(), currentIndex(), step);
    if (!next.isValid())
        return;
    setCurrentIndex(next);
    scrollTo(next);
}

} // namespace rebound
