// rebound-cli export-xlsx IN.prj -o OUT.xlsx
// rebound-cli export-csv IN.prj -o OUT.csv

#include "commands.h"
#include "project_export.h"

namespace rebound::cli {

namespace {

using Writer = IoResult (*)(const ReboundFile &, const std::string &);

int RunSpreadsheet(const ParsedArgs &args, CliContext &context, const char *name, Writer write)
{
    if (args.operands.size() != 1) {
        return UsageError(context, args.operands.empty() ? "缺少输入工程文件"
                                                         : std::string(name) + " 只接受一个输入工程文件");
    }
    int code = kExitOk;
    const std::string *output = RequiredOption(args, "-o", context, code);
    if (!output)
        return code;
    ReboundFile project(context.dates);
    const IoResult read = project.Load(args.operands.front());
    if (!read)
        return Fail(context, read.message);
    const IoResult written = write(project, *output);
    if (!written)
        return Fail(context, written.message);
    return kExitOk;
}

} // namespace

int RunExportXlsx(const ParsedArgs &args, CliContext &context)
{
    return RunSpreadsheet(args, context, "export-xlsx", ExportXlsx);
}

int RunExportCsv(const ParsedArgs &args, CliContext &context)
{
    return RunSpreadsheet(args, context, "export-csv", ExportCsv);
}

} // namespace rebound::cli
