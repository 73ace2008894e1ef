#pragma once
// The position grid over the current zone: one row per test position with
// its twelve readings, carbonation, average rebound and strength. A zone
// without positions (or no zone) shows one empty row that cannot be edited.
// A typed reading is checked when the cell edit is committed.

#include "model/rebound_file.h"

#include <QAbstractTableModel>

namespace rebound {

class PositionGridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColumns = 16;
    static constexpr int kNumberColumn = 0;
    static constexpr int kFirstReading = 1;
    static constexpr int kLastReading = 12;
    static constexpr int kCarbonationColumn = 13;
    static constexpr int kReboundColumn = 14;
    static constexpr int kStrengthColumn = 15;
    // Role of the carbonation cell's code for the drop-down.
    static constexpr int kCodeRole = Qt::UserRole + 1;

    explicit PositionGridModel(ReboundFile &project, QObject *parent = nullptr);

    // Shows zone `zone_index` of the project (RefreshAreaGrid); −1 for none.
    void showZone(int zone_index);
    int zoneIndex() const { return zone_index_; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    // A message for the user about a refused or corrected edit.
    void message(const QString &text);

private:
    ComponentInfo *zone() const;
    AreaData *area(int row) const;
    bool setReading(AreaData &area, int reading, const QString &text);

    ReboundFile &project_;
    int zone_index_ = -1;
};

// The drop-down's entries; an entry's index is the carbonation code.
QStringList CarbonationEntries();

} // namespace rebound
