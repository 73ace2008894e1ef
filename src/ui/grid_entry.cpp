#include "grid_entry.h"

#include "evaluation/random_readings.h"
#include "position_grid_model.h"
#include "prompter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTableView>

namespace rebound {

namespace {

using Grid = PositionGridModel;

// Refused values listed one by one in the message; the rest are counted.
constexpr int kListedRefusals = 20;

// The typed reading rule: a whole number from 0 to 100.
bool AcceptedReading(const QString &text, long long &value)
{
    return ParseWholeNumber(text.toStdString(), value) && value >= 0 && value <= 100;
}

QStringList SplitAtBlanks(const QString &line)
{
    QStringList values;
    QString value;
    for (const QChar c : line) {
        // QChar::isSpace also takes the ideographic space a Chinese input
        // method types.
        if (c.isSpace()) {
            if (!value.isEmpty())
                values << value;
            value.clear();
        } else {
            value += c;
        }
    }
    if (!value.isEmpty())
        values << value;
    return values;
}

} // namespace

QModelIndex NextReadingCell(const QAbstractItemModel &model, const QModelIndex &from, int step)
{
    if (!from.isValid() || step == 0)
        return {};
    int row = from.row();
    int column = from.column();
    if (step > 0) {
        if (column < Grid::kFirstReading) {
            column = Grid::kFirstReading;
        } else if (column >= Grid::kLastReading) {
            ++row;
            column = Grid::kFirstReading;
        } else {
            ++column;
        }
    } else {
        if (column > Grid::kLastReading) {
            column = Grid::kLastReading;
        } else if (column <= Grid::kFirstReading) {
            --row;
            column = Grid::kLastReading;
        } else {
            --column;
        }
    }
    if (row < 0 || row >= model.rowCount())
        return {};
    return model.index(row, column);
}

QList<QStringList> SplitReadingBlock(const QString &text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = plain.split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    QList<QStringList> rows;
    for (const QString &line : lines) {
        if (!line.contains(QLatin1Char('\t'))) {
            rows << SplitAtBlanks(line);
            continue;
        }
        QStringList cells = line.split(QLatin1Char('\t'));
        for (QString &cell : cells)
            cell = cell.trimmed();
        // A spreadsheet ends a copied row with nothing after its last tab.
        while (!cells.isEmpty() && cells.back().isEmpty())
            cells.removeLast();
        rows << cells;
    }
    return rows;
}

QString PasteMessage(const PasteOutcome &outcome)
{
    QStringList parts;
    if (!outcome.refused.isEmpty()) {
        QStringList listed = outcome.refused.mid(0, kListedRefusals);
        QString line = QStringLiteral("请输入0~100的数！以下数值未粘贴：") + listed.join(QStringLiteral("、"));
        if (outcome.refused.size() > kListedRefusals)
            line += QStringLiteral(" 等共%1个").arg(outcome.refused.size());
        parts << line;
    }
    if (outcome.outside > 0)
        parts << QStringLiteral("另有%1个数值超出测位表格，未粘贴。").arg(outcome.outside);
    return parts.join(QLatin1Char('\n'));
}

GridPaste::GridPaste(QTableView &grid, Prompter &prompter, QAction *paste_action, QObject *parent)
    : QObject(parent), grid_(grid), prompter_(prompter), paste_action_(paste_action)
{
    // The Edit menu's 粘贴 serves the focused one-line edit; with the grid
    // focused and no cell being edited it pastes readings here. These
    // connections come after the edit actions' own, so they decide last.
    if (paste_action_) {
        connect(qApp, &QApplication::focusChanged, this, &GridPaste::updateAction);
        connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &GridPaste::updateAction);
    }
}

bool GridPaste::gridHasFocus() const
{
    return grid_.hasFocus() && grid_.isVisible();
}

void GridPaste::updateAction()
{
    if (!gridHasFocus())
        return;
    const QMimeData *clip = QGuiApplication::clipboard()->mimeData();
    paste_action_->setEnabled(clip && clip->hasText() && !clip->text().trimmed().isEmpty());
}

void GridPaste::pasteClipboard()
{
    const QMimeData *clip = QGuiApplication::clipboard()->mimeData();
    if (!clip || !clip->hasText())
        return;
    const QString text = clip->text();
    const QModelIndex at = grid_.currentIndex();
    if (!at.isValid() || at.column() > Grid::kLastReading) {
        prompter_.inform(QStringLiteral("请先选择粘贴起点：一个回弹值单元格。"));
        return;
    }
    const QString message = PasteMessage(paste(text));
    if (!message.isEmpty())
        prompter_.inform(message);
}

PasteOutcome GridPaste::paste(const QString &text)
{
    PasteOutcome outcome;
    QAbstractItemModel *model = grid_.model();
    const QModelIndex at = grid_.currentIndex();
    if (!model || !at.isValid())
        return outcome;
    // The number column starts the row's readings.
    const int first_column = std::max(at.column(), static_cast<int>(Grid::kFirstReading));
    const QList<QStringList> rows = SplitReadingBlock(text);
    for (int r = 0; r < rows.size(); ++r) {
        const int row = at.row() + r;
        for (int k = 0; k < rows[r].size(); ++k) {
            const QString &value = rows[r][k];
            if (value.isEmpty())
                continue;
            const int column = first_column + k;
            const QModelIndex cell = model->index(row, column);
            if (row >= model->rowCount() || column > Grid::kLastReading || !(cell.flags() & Qt::ItemIsEditable)) {
                ++outcome.outside;
                continue;
            }
            long long reading = 0;
            if (!AcceptedReading(value, reading)) {
                const QString shown = value.size() > 12 ? value.left(12) + QStringLiteral("…") : value;
                outcome.refused << QStringLiteral("%1（测位%2第%3个读数）").arg(shown).arg(row + 1).arg(column);
                continue;
            }
            if (model->setData(cell, QString::number(reading), Qt::EditRole))
                ++outcome.filled;
        }
    }
    return outcome;
}

} // namespace rebound
