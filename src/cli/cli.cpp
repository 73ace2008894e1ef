#include "cli.h"

#include "commands.h"

#include <exception>
#include <new>

namespace rebound::cli {

const std::vector<CliCommand> &Commands()
{
    static const std::vector<CliCommand> commands = {
        {"info", "info 文件 [--json]", "显示工程文件（.prj）、测区文件（.xcmp）或设备文件（.kst、.KST）的内容",
         {{}, {"--json"}}, RunInfo},
        {"calc", "calc 输入.prj -o 输出.prj", "重新计算全部测位、测区和单元，显示单元结果，写出工程文件",
         {{"-o"}, {}}, RunCalc},
        {"import", "import 文件... -o 输出.prj [--into 原工程.prj]",
         "按给出的顺序，把每个设备文件或测区文件作为一个新测区追加到原工程（或一个没有测区的新工程）",
         {{"-o", "--into"}, {}}, RunImport},
        {"export", "export 输入.prj --zone N -o 输出.xcmp", "把第N个测区（从1数起）写成测区文件",
         {{"-o", "--zone"}, {}}, RunExport},
        {"export-xlsx", "export-xlsx 输入.prj -o 输出.xlsx",
         "把工程写成电子表格：工程表头与单元结果、各测区、各测位（数值保留程序的小数位）", {{"-o"}, {}},
         RunExportXlsx},
        {"export-csv", "export-csv 输入.prj -o 输出.csv", "把工程写成CSV文件（UTF-8，带BOM）", {{"-o"}, {}},
         RunExportCsv},
        {"report", "report 输入.prj --kind unit|zone [--zone N] [--template 模版文件] -o 输出.pdf",
         "把单元报告（unit）或测区报告（zone，不给--zone时每个测区一份，各自另起一页）写成PDF",
         {{"-o", "--kind", "--zone", "--template"}, {}}, RunReport},
    };
    return commands;
}

std::string UsageText()
{
    std::string text = "用法：\n";
    for (const CliCommand &command : Commands()) {
        text += "  rebound-cli " + std::string(command.synopsis) + "\n";
        text += "      " + std::string(command.summary) + "\n";
    }
    text += "  rebound-cli --help\n"
            "      显示本说明\n"
            "\n"
            "输出文件整体替换：写入失败时原文件保持不变；-o 可以与输入文件相同。\n"
            "退出状态：0 成功；1 输入或输出失败，或计算被拒绝；2 用法错误。\n";
    return text;
}

int Fail(CliContext &context, const std::string &message)
{
    context.err << "rebound-cli：" << message << "\n";
    return kExitFailure;
}

int UsageError(CliContext &context, const std::string &message)
{
    context.err << "rebound-cli：" << message << "\n\n" << UsageText();
    return kExitUsage;
}

const std::string *RequiredOption(const ParsedArgs &args, const std::string &option, CliContext &context,
                                  int &exit_code)
{
    const std::string *value = args.Value(option);
    if (!value)
        exit_code = UsageError(context, "缺少选项" + option);
    else if (value->empty())
        exit_code = UsageError(context, "选项" + option + "的值为空");
    return value && !value->empty() ? value : nullptr;
}

namespace {

int Dispatch(const std::vector<std::string> &args, CliContext &context)
{
    if (args.empty())
        return UsageError(context, "缺少子命令");
    const std::string &name = args.front();
    if (name == "--help" || name == "-h" || name == "help") {
        context.out << UsageText();
        return kExitOk;
    }
    for (const CliCommand &command : Commands()) {
        if (name != command.name)
            continue;
        const ParsedArgs parsed =
            ParseArguments(std::vector<std::string>(args.begin() + 1, args.end()), command.options);
        if (parsed.Has("--help")) {
            context.out << UsageText();
            return kExitOk;
        }
        if (!parsed.error.empty())
            return UsageError(context, parsed.error);
        return command.run(parsed, context);
    }
    return UsageError(context, "未知子命令：" + name);
}

} // namespace

int RunCli(const std::vector<std::string> &args, CliContext &context)
{
    int code;
    try {
        code = Dispatch(args, context);
    } catch (const std::bad_alloc &) {
        return Fail(context, "内存不足");
    } catch (const std::exception &error) {
        return Fail(context, std::string("内部错误：") + error.what());
    }
    context.out.flush();
    if (!context.out) {
        context.out.clear();
        return Fail(context, "无法写出结果到标准输出");
    }
    return code;
}

} // namespace rebound::cli
