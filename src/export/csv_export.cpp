#include "export_rows.h"
#include "io/atomic_file.h"
#include "project_export.h"

namespace rebound {

namespace {

std::string Quoted(const std::string &field)
{
    if (field.find_first_of(",\"\r\n") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (char c : field) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

void AppendRow(std::string &out, const exporting::Row &row)
{
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (i)
            out += ',';
        out += Quoted(row[i].Formatted());
    }
    out += "\r\n";
}

} // namespace

std::string ProjectCsv(const ReboundFile &project)
{
    using namespace exporting;
    std::string out = "\xEF\xBB\xBF";
    for (const Row &row : ProjectRows(project))
        AppendRow(out, row);
    out += "\r\n";
    AppendRow(out, ZoneHeader());
    for (const Row &row : ZoneRows(project))
        AppendRow(out, row);
    out += "\r\n";
    AppendRow(out, PositionHeader());
    for (const Row &row : PositionRows(project))
        AppendRow(out, row);
    return out;
}

IoResult ExportCsv(const ReboundFile &project, const std::string &path)
{
    return WriteFileAtomically(path, ProjectCsv(project));
}

} // namespace rebound
