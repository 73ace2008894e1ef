#include "position_grid_model.h"

#include "command_guard.h"
#include "evaluation/random_readings.h"
#include "evaluation/strength.h"

#include <QBrush>
#include <QGuiApplication>
#include <QPalette>

namespace rebound {

namespace {

const QString kReadingRange = QStringLiteral("请输入0~100的数！");

} // namespace

QStringList CarbonationEntries()
{
    return {QStringLiteral("0.0"), QStringLiteral("0.5"), QStringLiteral("1.0"), QStringLiteral("1.5"),
            QStringLiteral("2.0"), QStringLiteral("2.5"), QStringLiteral("3.0"), QStringLiteral(">3.0")};
}

PositionGridModel::PositionGridModel(ReboundFile &project, QObject *parent)
    : QAbstractTableModel(parent), project_(project)
{
}

void PositionGridModel::showZone(int zone_index)
{
    beginResetModel();
    zone_index_ = zone_index;
    endResetModel();
}

ComponentInfo *PositionGridModel::zone() const
{
    return zone_index_ < 0 ? nullptr : project_.GetComponent(static_cast<std::size_t>(zone_index_));
}

AreaData *PositionGridModel::area(int row) const
{
    ComponentInfo *current = zone();
    if (!current || row < 0 || static_cast<std::size_t>(row) >= current->AreaCount())
        return nullptr;
    return &current->areas[static_cast<std::size_t>(row)];
}

int PositionGridModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    const ComponentInfo *current = zone();
    return current && current->AreaCount() > 0 ? static_cast<int>(current->AreaCount()) : 1;
}

int PositionGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant PositionGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int column = index.column();
    if (role == Qt::TextAlignmentRole)
        return Qt::AlignCenter;
    if (role == Qt::BackgroundRole && column == kNumberColumn)
        return QGuiApplication::palette().brush(QPalette::Button);
    const AreaData *position = area(index.row());
    if (!position)
        return {};
    if (role == kCodeRole)
        return position->carbonation_code;
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (column == kNumberColumn)
        return QString::number(index.row() + 1);
    if (column >= kFirstReading && column <= kLastReading)
        return QString::number(position->readings[static_cast<std::size_t>(column - kFirstReading)]);
    if (column == kCarbonationColumn)
        return QString::fromStdString(CarbonationText(position->carbonation_code));
    if (column == kReboundColumn)
        return QString::asprintf("%.1f", static_cast<double>(position->avg_rebound));
    if (column == kStrengthColumn)
        return QString::asprintf("%.1f", static_cast<double>(position->strength));
    return {};
}

QVariant PositionGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kColumns) {
        if (section == kNumberColumn)
            return QStringLiteral("序号");
        if (section <= kLastReading)
            return QString::number(section);
        if (section == kCarbonationColumn)
            return QStringLiteral("碳化(mm)");
        if (section == kReboundColumn)
            return QStringLiteral("平均回弹");
        return QStringLiteral("砂浆强度(MPa)");
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags PositionGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const int column = index.column();
    // Only readings and the carbonation depth are entered; the results come
    // from the calculation.
    if (area(index.row()) && column >= kFirstReading && column <= kCarbonationColumn)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool PositionGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid())
        return false;
    AreaData *position = area(index.row());
    if (!position)
        return false;
    const int column = index.column();
    try {
        if (column == kCarbonationColumn) {
            bool ok = false;
            const int code = value.toInt(&ok);
            if (!ok || code < 0 || code >= CarbonationEntries().size())
                return false;
            position->carbonation_code = static_cast<std::uint8_t>(code);
            emit dataChanged(index, index);
            return true;
        }
        if (column >= kFirstReading && column <= kLastReading) {
            if (!setReading(*position, column - kFirstReading, value.toString()))
                return false;
            emit dataChanged(index, index);
            return true;
        }
    } catch (...) {
        emit message(FailureText(std::current_exception()));
    }
    return false;
}

bool PositionGridModel::setReading(AreaData &position, int reading, const QString &text)
{
    // An emptied cell leaves the reading as it was.
    if (text.trimmed().isEmpty())
        return false;
    long long number = 0;
    if (!ParseWholeNumber(text.toStdString(), number) || number < 0) {
        emit message(kReadingRange);
        return false;
    }
    if (number > 100) {
        emit message(kReadingRange);
        number = 100;
    }
    position.readings[static_cast<std::size_t>(reading)] = static_cast<std::uint8_t>(number);
    return true;
}

} // namespace rebound
