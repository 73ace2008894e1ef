// rebound-cli info FILE [--json]

#include "commands.h"
#include "field_tree.h"
#include "io/zone_exchange.h"

namespace rebound::cli {

int RunInfo(const ParsedArgs &args, CliContext &context)
{
    if (args.operands.size() != 1)
        return UsageError(context, args.operands.empty() ? "缺少文件" : "info 只接受一个文件");
    const std::string &path = args.operands.front();
    const bool json = args.Has("--json");

    // Project files are often named X.PRJ on the systems they come from;
    // any letter case of ".prj" is a project here.
    std::string ext = FileExtension(path);
    for (char &c : ext)
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (ext == kProjectExtension) {
        ReboundFile project(context.dates);
        const IoResult read = project.Load(path);
        if (!read)
            return Fail(context, read.message);
        const Node node = ProjectNode(project);
        context.out << (json ? RenderJson("project", node) : RenderPlain(node));
        return kExitOk;
    }

    const ZoneFileKind kind = ZoneFileKindOf(path);
    if (kind == ZoneFileKind::Unknown)
        return Fail(context, "文件[" + path + "]的扩展名无法识别：应为.prj、.xcmp、.kst或.KST");
    ComponentInfo zone(context.dates);
    const IoResult read = ReadZoneFile(path, zone);
    if (!read)
        return Fail(context, read.message);
    const Node node = ZoneNode(zone, kind == ZoneFileKind::Instrument);
    context.out << (json ? RenderJson("component", node) : RenderPlain(node));
    return kExitOk;
}

} // namespace rebound::cli
