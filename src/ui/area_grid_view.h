#pragma once
// The position grid's view. Taking the focus makes no cell current: a
// position counts as selected only when the user picks a cell (a plain
// item view would make its first cell current whenever it receives the
// focus after a refresh, for instance when a cell editor closes).
//
// Fast entry: Enter and Tab (in a cell editor or not) store the cell and go
// on to the next reading cell, past the twelfth reading to the first of the
// next position; Shift+Tab goes back. The paste key asks for a block paste.

#include <QPersistentModelIndex>
#include <QTableView>

namespace rebound {

class AreaGridView final : public QTableView {
    Q_OBJECT
public:
    using QTableView::QTableView;

signals:
    // The paste key was pressed with no cell being edited.
    void pasteRequested();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void moveToReading(int step);

    // The cell whose editor is open.
    QPersistentModelIndex editing_;
};

} // namespace rebound
