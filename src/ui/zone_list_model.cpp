#include "zone_list_model.h"

#include "gbk_text.h"

namespace rebound {

namespace {
const char *const kTitles[] = {"序号", "测区编号", "测位数", "日期"};
}

ZoneListModel::ZoneListModel(ReboundFile &project, QObject *parent) : QAbstractTableModel(parent), project_(project)
{
}

void ZoneListModel::refill()
{
    beginResetModel();
    ticks_.clear();
    for (std::size_t i = 0; i < project_.ComponentCount(); ++i)
        ticks_.push_back(project_.GetComponent(i)->marked);
    endResetModel();
}

void ZoneListModel::clear()
{
    beginResetModel();
    ticks_.clear();
    endResetModel();
}

void ZoneListModel::rowChanged(int row)
{
    if (row >= 0 && row < rowCount())
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

bool ZoneListModel::tick(int row) const
{
    return row >= 0 && static_cast<std::size_t>(row) < ticks_.size() && ticks_[static_cast<std::size_t>(row)];
}

void ZoneListModel::setTick(int row, bool ticked)
{
    if (row < 0 || static_cast<std::size_t>(row) >= ticks_.size() || ticks_[static_cast<std::size_t>(row)] == ticked)
        return;
    ticks_[static_cast<std::size_t>(row)] = ticked;
    emit tickChanged(row, ticked);
}

int ZoneListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(ticks_.size());
}

int ZoneListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant ZoneListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const ComponentInfo *zone = project_.GetComponent(static_cast<std::size_t>(index.row()));
    if (!zone)
        return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case 0:
        return QString::number(index.row() + 1);
    case 1:
        return DisplayText(zone->component_name);
    case 2:
        return QString::number(zone->AreaCount());
    case 3:
        return DisplayText(zone->examine_date);
    default:
        return {};
    }
}

QVariant ZoneListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= 4)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromUtf8(kTitles[section]);
}

} // namespace rebound
