// rebound-cli calc IN.prj -o OUT.prj

#include "commands.h"
#include "evaluation/assessment.h"

#include <cstdio>

namespace rebound::cli {

namespace {

std::string Formatted(const char *pattern, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    return buffer;
}

} // namespace

int RunCalc(const ParsedArgs &args, CliContext &context)
{
    if (args.operands.size() != 1)
        return UsageError(context, args.operands.empty() ? "缺少输入工程文件" : "calc 只接受一个输入工程文件");
    int code = kExitOk;
    const std::string *output = RequiredOption(args, "-o", context, code);
    if (!output)
        return code;
    const std::string &input = args.operands.front();

    ReboundFile project(context.dates);
    const IoResult read = project.Load(input);
    if (!read)
        return Fail(context, read.message);
    const RecalcOutcome outcome = RecalculateProject(project);
    if (!outcome.ok())
        return Fail(context, "工程文件[" + input + "]：" + RecalcMessage(outcome));
    const IoResult written = project.Save(*output);
    if (!written)
        return Fail(context, written.message);

    // As the header panel shows the unit results.
    context.out << "砂浆强度评定值：" << Formatted("%.1f", project.assessed_strength) << "\n"
                << "强度标准差：" << Formatted("%.2f", project.strength_std_dev) << "\n"
                << "变异系数：" << Formatted("%.2f", project.variation_coefficient) << "\n"
                << "测区强度平均值：" << Formatted("%.2f", project.zone_strength_mean) << "\n"
                << "测区强度最小值：" << Formatted("%.2f", project.zone_strength_min) << "\n"
                << "测区数目：" << project.ComponentCount() << "\n";
    return kExitOk;
}

} // namespace rebound::cli
