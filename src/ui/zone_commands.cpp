#include "zone_commands.h"

#include "main_window.h"
#include "zone_list_model.h"

#include <QItemSelectionModel>
#include <QTableView>

namespace rebound {

void ZoneCommands::act_create_componentExecute()
{
    window_.StoreComponentMarks();
    window_.project().AddDefaultComponent();
    window_.RefreshComponentList();
    window_.SelectComponentRow(window_.zoneListModel()->rowCount() - 1);
}

void ZoneCommands::act_remove_componentExecute()
{
    const QModelIndexList selected = window_.componentList()->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    const int row = selected.front().row();
    window_.StoreComponentMarks();
    window_.project().RemoveComponent(static_cast<std::size_t>(row));
    window_.RefreshComponentList();
    if (window_.project().ComponentCount() > 0)
        window_.SelectComponentRow(0);
}

} // namespace rebound
