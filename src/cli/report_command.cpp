// rebound-cli report IN.prj --kind unit|zone [--zone N] [--template FILE] -o OUT.pdf
//
// The template: --template, else the name the settings file
// "Setting/Config.ini" under the working directory gives (read, never
// created or written), else "默认模版"; a name is looked up in
// "report/构件" or "report/测区" under the working directory, and the
// shipped "默认模版" also in the source tree the program was built from.

#include "binding/report_binding.h"
#include "binding/template_paths.h"
#include "commands.h"
#include "config/report_config.h"
#include "engine/pdf_book.h"
#include "engine/report.h"
#include "io/file_names.h"
#include "model/rebound_file.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>

#include <filesystem>
#include <memory>
#include <system_error>

#ifndef REBOUND_SOURCE_DIR
#define REBOUND_SOURCE_DIR ""
#endif

namespace rebound::cli {

namespace {

bool IsFile(const std::string &path)
{
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored);
}

std::string WorkingDirectory(const CliContext &context)
{
    if (!context.working_dir.empty())
        return context.working_dir;
    std::error_code error;
    const std::filesystem::path here = std::filesystem::current_path(error);
    return error ? std::string(".") : here.string();
}

// Reads the settings file of `base` when there is one; nothing is created.
IoResult ReadSettingsIfPresent(Rebound_Tester_Config &config, const std::string &base)
{
    config.base_dir = base;
    config.setting_dir = base + "/" + FindEntryIgnoringCase(base, "Setting");
    config.ini_path = config.setting_dir + "/" + FindEntryIgnoringCase(config.setting_dir, "Config.ini");
    if (!IsFile(config.ini_path))
        return IoResult::Success();
    return config.ReadConfig();
}

// The template file to use, or an empty path after reporting why there is none.
std::string FindTemplate(const ParsedArgs &args, const Rebound_Tester_Config &config, ReportKind kind,
                         CliContext &context, int &code)
{
    if (const std::string *given = args.Value("--template")) {
        if (given->empty())
            code = UsageError(context, "选项--template的值为空");
        return *given;
    }
    const bool unit = kind == ReportKind::Unit;
    const std::string name = GbkToUtf8(unit ? config.GetUnitTemplate() : config.GetZoneTemplate());
    const std::string path = TemplatePath(config.GetBaseDir(), kind, name);
    if (IsFile(path))
        return path;
    const std::string shipped_base = REBOUND_SOURCE_DIR;
    if (name == GbkToUtf8(DefaultTemplateName()) && !shipped_base.empty()) {
        const std::string shipped = TemplatePath(shipped_base, kind, name);
        if (IsFile(shipped))
            return shipped;
    }
    code = Fail(context, std::string(unit ? "构件打印模版[" : "测区打印模版[") + name + "]不存在：" + path +
                             "；请用--template指定模版文件");
    return {};
}

} // namespace

int RunReport(const ParsedArgs &args, CliContext &context)
{
    if (args.operands.size() != 1)
        return UsageError(context, args.operands.empty() ? "缺少输入工程文件" : "report 只接受一个输入工程文件");
    int code = kExitOk;
    const std::string *kind_text = RequiredOption(args, "--kind", context, code);
    if (!kind_text)
        return code;
    if (*kind_text != "unit" && *kind_text != "zone")
        return UsageError(context, "--kind的值“" + *kind_text + "”应为unit或zone");
    const ReportKind kind = *kind_text == "unit" ? ReportKind::Unit : ReportKind::Zone;
    const std::string *output = RequiredOption(args, "-o", context, code);
    if (!output)
        return code;
    unsigned long zone_number = 0;
    if (const std::string *zone_text = args.Value("--zone")) {
        if (kind == ReportKind::Unit)
            return UsageError(context, "--zone只用于--kind zone");
        if (!ParseZoneNumber(*zone_text, zone_number))
            return UsageError(context, "--zone的值“" + *zone_text + "”不是从1数起的测区序号");
    }
    // Text layout needs the GUI application (the offscreen platform will do).
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return Fail(context, "内部错误：生成报表需要 QGuiApplication");
    const std::string &input = args.operands.front();

    ReboundFile project(context.dates);
    const IoResult read = project.Load(input);
    if (!read)
        return Fail(context, read.message);
    if (project.ComponentCount() == 0)
        return Fail(context, "没有要打印的数据！");
    if (zone_number > project.ComponentCount()) {
        return UsageError(context, "--zone的值" + std::to_string(zone_number) + "超出范围：工程文件[" + input +
                                       "]只有" + std::to_string(project.ComponentCount()) + "个测区");
    }

    Rebound_Tester_Config config;
    const IoResult settings = ReadSettingsIfPresent(config, WorkingDirectory(context));
    if (!settings)
        return Fail(context, settings.message);
    const std::string template_path = FindTemplate(args, config, kind, context, code);
    if (template_path.empty() || code != kExitOk)
        return code;

    report::Report report;
    const report::LoadResult loaded = report.LoadFromFile(QString::fromStdString(template_path));
    if (!loaded.ok)
        return Fail(context, loaded.message.toStdString());
    ReportFieldHandles fields{};
    ReportFetcher fetcher(project, config, fields);
    report.SetFetchRecordHandler([&fetcher](bool &eof) { fetcher.Grid_ReportFetchRecord(eof); });

    report::PdfBook book;
    QString error;
    const auto generate = [&]() {
        if (!report.Generate(&error))
            return false;
        book.Append(report.GeneratedDocument());
        return true;
    };
    if (kind == ReportKind::Unit) {
        BindUnitReportFields(fields, report);
        fetcher.SetFetchMode(ReportFetcher::kUnitRecords);
        if (!generate())
            return Fail(context, error.toStdString());
    } else {
        BindZoneReportFields(fields, report);
        fetcher.SetFetchMode(ReportFetcher::kZoneRecords);
        // Every zone's report, each on pages of its own, or the one asked for.
        const std::size_t first = zone_number ? zone_number - 1 : 0;
        const std::size_t end = zone_number ? zone_number : project.ComponentCount();
        for (std::size_t i = first; i < end; ++i) {
            fetcher.SetComponent(project.GetComponent(i));
            if (!generate())
                return Fail(context, error.toStdString());
        }
    }
    if (!book.Write(QString::fromStdString(*output), &error))
        return Fail(context, error.toStdString());
    return kExitOk;
}

} // namespace rebound::cli
