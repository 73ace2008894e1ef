#pragma once
// The zone list: one row per test zone of the project, in project order.
// Each row keeps a tick state (from the zone's `marked` at the last refill)
// for StoreComponentMarks; no tick box is shown.

#include "model/rebound_file.h"

#include <QAbstractTableModel>

#include <vector>

namespace rebound {

class ZoneListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ZoneListModel(ReboundFile &project, QObject *parent = nullptr);

    // Rebuilds every row from the project.
    void refill();
    // No rows at all.
    void clear();
    // Shows again what row `row` holds after its zone changed.
    void rowChanged(int row);
    bool tick(int row) const;
    void setTick(int row, bool ticked);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // A row's tick state changed (lvComponentsChange).
    void tickChanged(int row, bool ticked);

private:
    ReboundFile &project_;
    std::vector<bool> ticks_;
};

} // namespace rebound
