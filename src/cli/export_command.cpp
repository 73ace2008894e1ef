// rebound-cli export IN.prj --zone N -o OUT.xcmp

#include "commands.h"
#include "io/zone_exchange.h"

namespace rebound::cli {

int RunExport(const ParsedArgs &args, CliContext &context)
{
    if (args.operands.size() != 1)
        return UsageError(context, args.operands.empty() ? "缺少输入工程文件" : "export 只接受一个输入工程文件");
    int code = kExitOk;
    const std::string *zone_text = RequiredOption(args, "--zone", context, code);
    if (!zone_text)
        return code;
    const std::string *output = RequiredOption(args, "-o", context, code);
    if (!output)
        return code;
    unsigned long number = 0;
    if (!ParseZoneNumber(*zone_text, number))
        return UsageError(context, "--zone的值“" + *zone_text + "”不是从1数起的测区序号");
    const std::string &input = args.operands.front();

    ReboundFile project(context.dates);
    const IoResult read = project.Load(input);
    if (!read)
        return Fail(context, read.message);
    if (number > project.ComponentCount()) {
        return UsageError(context, "--zone的值" + *zone_text + "超出范围：工程文件[" + input + "]只有" +
                                       std::to_string(project.ComponentCount()) + "个测区");
    }
    const IoResult written = ExportZone(*project.GetComponent(number - 1), *output);
    if (!written)
        return Fail(context, written.message);
    return kExitOk;
}

} // namespace rebound::cli
