#include "report_commands.h"

#include "main_window.h"
#include "prompter.h"

namespace rebound {

void ReportCommands::notAvailable()
{
    window_.prompter().inform(QStringLiteral("报表功能尚未提供。"));
}

void ReportCommands::act_printExecute()
{
    notAvailable();
}

void ReportCommands::act_print_previewExecute()
{
    notAvailable();
}

void ReportCommands::T1Click()
{
    notAvailable();
}

} // namespace rebound
