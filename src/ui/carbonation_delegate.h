#pragma once
// Cell editors of the position grid: a plain line edit for readings and, in
// the carbonation column, the drop-down `cbDepth_Selected` whose entry index
// is the carbonation code. A pick is stored at once.

#include <QStyledItemDelegate>

namespace rebound {

class CarbonationDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

} // namespace rebound
