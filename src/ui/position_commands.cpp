#include "position_commands.h"

#include "main_window.h"
#include "prompter.h"
#include "random_seed_dialog.h"

namespace rebound {

void PositionCommands::showChangedZone(int row)
{
    window_.RefreshAreaGrid();
    window_.ShowAreaCount();
    window_.RefreshComponentList();
    window_.SelectComponentRow(row, MainWindow::AreaSelection::Keep);
}

void PositionCommands::act_create_areaExecute()
{
    ComponentInfo *zone = window_.currentZone();
    if (!zone)
        return;
    const int row = window_.current_item();
    zone->AddArea(AreaData());
    showChangedZone(row);
}

void PositionCommands::act_remove_areaExecute()
{
    ComponentInfo *zone = window_.currentZone();
    if (!zone)
        return;
    const int row = window_.current_item();
    Prompter &prompter = window_.prompter();
    if (zone->AreaCount() <= 1) {
        prompter.inform(QStringLiteral("测区删除失败！测区不能少于1个！"));
        return;
    }
    if (window_.selected_area() < 0) {
        prompter.inform(QStringLiteral("请选择要删除的测区！"));
        return;
    }
    if (prompter.ask(QStringLiteral("是否移除所选测区？"), Buttons::YesNo) != Answer::Yes)
        return;
    // The prompt ran an event loop; the zone may be gone since.
    zone = window_.currentZone();
    if (!zone || !zone->RemoveArea(window_.selected_area())) {
        prompter.inform(QStringLiteral("测区删除失败!"));
        return;
    }
    showChangedZone(row);
}

void PositionCommands::act_create_random_areaExecute()
{
    RandomSeedDialog *seed = window_.seedDialog();
    if (seed)
        window_.prompter().runDialog(*seed);
    ComponentInfo *zone = window_.currentZone();
    if (!zone)
        return;
    const int row = window_.current_item();
    zone->AddArea(MakeRandomArea(generator_, seed ? seed->range() : ReadingRange{}));
    showChangedZone(row);
}

} // namespace rebound
