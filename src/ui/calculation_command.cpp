#include "calculation_command.h"

#include "evaluation/assessment.h"
#include "main_window.h"
#include "prompter.h"

namespace rebound {

void CalculationCommand::act_single_caculateExecute()
{
    ReboundFile &project = window_.project();
    Prompter &prompter = window_.prompter();
    // Too few zones, or a zone without positions (whose strength would be
    // 0 ÷ 0): refused before anything changes.
    const RecalcOutcome check = CheckRecalculation(project);
    if (!check.ok()) {
        prompter.inform(QString::fromStdString(RecalcMessage(check)));
        return;
    }
    if (prompter.ask(QStringLiteral("是否要对整个单元进行重新计算？"), Buttons::YesNo) != Answer::Yes)
        return;
    const int row = window_.current_item();
    if (row < 0)
        return;
    const RecalcOutcome done = RecalculateProject(project);
    if (!done.ok()) {
        prompter.inform(QString::fromStdString(RecalcMessage(done)));
        return;
    }
    // Results only: header text the user typed and has not saved stays.
    window_.RefreshProjectResults();
    window_.RefreshComponentList();
    window_.SelectComponentRow(row, MainWindow::AreaSelection::Keep);
}

} // namespace rebound
