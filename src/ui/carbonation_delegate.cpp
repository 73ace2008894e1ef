#include "carbonation_delegate.h"

#include "position_grid_model.h"

#include <QComboBox>

#include <algorithm>

namespace rebound {

namespace {
constexpr const char *kPicked = "picked";
}

QWidget *CarbonationDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                           const QModelIndex &index) const
{
    if (index.column() != PositionGridModel::kCarbonationColumn)
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("cbDepth_Selected"));
    combo->addItems(CarbonationEntries());
    combo->setEditable(false);
    // Only a pick stores a code: a code above 7 read from a file shows as
    // ">3.0" and stays as it is until the user picks an entry.
    connect(combo, &QComboBox::activated, this, [this, combo] {
        combo->setProperty(kPicked, true);
        emit const_cast<CarbonationDelegate *>(this)->commitData(combo);
    });
    return combo;
}

void CarbonationDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        const int code = index.data(PositionGridModel::kCodeRole).toInt();
        combo->setCurrentIndex(std::min(code, combo->count() - 1));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void CarbonationDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        if (combo->property(kPicked).toBool()) {
            combo->setProperty(kPicked, false);
            model->setData(index, combo->currentIndex(), Qt::EditRole);
        }
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

void CarbonationDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                               const QModelIndex &index) const
{
    if (qobject_cast<QComboBox *>(editor)) {
        editor->setGeometry(option.rect.adjusted(-1, 0, 2, 0));
        return;
    }
    QStyledItemDelegate::updateEditorGeometry(editor, option, index);
}

} // namespace rebound
