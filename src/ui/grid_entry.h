#pragma once
// Fast entry in the position grid: where Enter and Tab go next, and pasting
// a block of readings copied from a spreadsheet or a text.

#include <QList>
#include <QModelIndex>
#include <QObject>
#include <QStringList>

class QAction;
class QTableView;

namespace rebound {

class Prompter;

// The reading cell after (`step` 1) or before (`step` −1) `from`: along the
// twelve readings, then on to the first reading of the next position (or
// back to the last reading of the previous one). Invalid past either end.
QModelIndex NextReadingCell(const QAbstractItemModel &model, const QModelIndex &from, int step);

// A pasted text as rows of values: one row per line; within a line, values
// separated by tabs (an empty value between two tabs is an empty cell,
// left as it is) or, without tabs, by blanks. Empty lines at the end are
// dropped; one in the middle is a row without values.
QList<QStringList> SplitReadingBlock(const QString &text);

// What a paste did: the cells filled and the values left out.
struct PasteOutcome {
    int filled = 0;
    QStringList refused;  // "值（测位r第c个读数）", not a whole number 0~100
    int outside = 0;      // values that fell beyond the readings or the positions
};

// The message for the user about a paste; empty when every value went in.
QString PasteMessage(const PasteOutcome &outcome);

// Pastes the clipboard's text into the grid from its current cell: each
// line goes to one position, from the current reading column to the right.
// Values are checked as typed ones are; a refused value leaves its cell's
// reading as it was, and one message lists them all. Keeps the Edit menu's
// 粘贴 enabled while the grid has the focus and the clipboard holds text.
class GridPaste final : public QObject {
    Q_OBJECT
public:
    GridPaste(QTableView &grid, Prompter &prompter, QAction *paste_action, QObject *parent = nullptr);

    PasteOutcome paste(const QString &text);
    void pasteClipboard();
    // Whether the Edit menu's 粘贴 pastes here now.
    bool gridHasFocus() const;

private:
    void updateAction();

    QTableView &grid_;
    Prompter &prompter_;
    QAction *paste_action_;
};

} // namespace rebound
