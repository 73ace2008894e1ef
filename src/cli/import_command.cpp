// rebound-cli import FILE... -o OUT.prj [--into BASE.prj]

#include "commands.h"
#include "io/zone_exchange.h"

namespace rebound::cli {

int RunImport(const ParsedArgs &args, CliContext &context)
{
    if (args.operands.empty())
        return UsageError(context, "缺少要导入的文件");
    int code = kExitOk;
    const std::string *output = RequiredOption(args, "-o", context, code);
    if (!output)
        return code;
    const std::string *base = args.Value("--into");
    if (base && base->empty())
        return UsageError(context, "选项--into的值为空");

    // A new project starts without zones: every zone comes from a file.
    ReboundFile project(context.dates);
    if (base) {
        const IoResult read = project.Load(*base);
        if (!read)
            return Fail(context, read.message);
    }
    for (const std::string &path : args.operands) {
        TansyString test_date;
        if (ZoneFileKindOf(path) == ZoneFileKind::Instrument && context.instrument_test_date)
            test_date = context.instrument_test_date(path);
        ComponentInfo zone = project.NewComponent();
        const IoResult read = ImportZoneFile(path, test_date, zone);
        if (!read)
            return Fail(context, read.message);
        project.AddComponent(zone);
    }
    const IoResult written = project.Save(*output);
    if (!written)
        return Fail(context, written.message);
    return kExitOk;
}

} // namespace rebound::cli
