#include "export_rows.h"
#include "project_export.h"

#include <xlsxwriter.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <system_error>
#include <unistd.h>

namespace rebound {

namespace {

// One cell format per number of decimals, made on first use.
class NumberFormats {
public:
    explicit NumberFormats(lxw_workbook *book) : book_(book) {}
    lxw_format *For(int decimals)
    {
        auto found = formats_.find(decimals);
        if (found != formats_.end())
            return found->second;
        lxw_format *format = workbook_add_format(book_);
        const std::string pattern = decimals == 0 ? "0" : "0." + std::string(static_cast<std::size_t>(decimals), '0');
        format_set_num_format(format, pattern.c_str());
        formats_.emplace(decimals, format);
        return format;
    }

private:
    lxw_workbook *book_;
    std::map<int, lxw_format *> formats_;
};

void WriteRow(lxw_worksheet *sheet, lxw_row_t row, const exporting::Row &cells, NumberFormats &formats,
              lxw_format *text_format = nullptr)
{
    for (std::size_t c = 0; c < cells.size(); ++c) {
        const auto col = static_cast<lxw_col_t>(c);
        const exporting::Cell &cell = cells[c];
        if (cell.is_number)
            worksheet_write_number(sheet, row, col, cell.number, formats.For(cell.decimals));
        else
            worksheet_write_string(sheet, row, col, cell.text.c_str(), text_format);
    }
}

void WriteTable(lxw_worksheet *sheet, const exporting::Row &header, const std::vector<exporting::Row> &rows,
                NumberFormats &formats, lxw_format *bold)
{
    WriteRow(sheet, 0, header, formats, bold);
    for (std::size_t r = 0; r < rows.size(); ++r)
        WriteRow(sheet, static_cast<lxw_row_t>(r + 1), rows[r], formats);
    worksheet_freeze_panes(sheet, 1, 0);
}

std::string TemporaryBeside(const std::string &path)
{
    return path + ".part-" + std::to_string(::getpid());
}

} // namespace

IoResult ExportXlsx(const ReboundFile &project, const std::string &path)
{
    using namespace exporting;
    const std::string temporary = TemporaryBeside(path);
    lxw_workbook *book = workbook_new(temporary.c_str());
    if (!book)
        return IoResult::Failure("电子表格[" + path + "]无法创建");
    NumberFormats formats(book);
    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);

    lxw_worksheet *header_sheet = workbook_add_worksheet(book, "工程");
    const std::vector<Row> project_rows = ProjectRows(project);
    for (std::size_t r = 0; r < project_rows.size(); ++r)
        WriteRow(header_sheet, static_cast<lxw_row_t>(r), project_rows[r], formats);
    worksheet_set_column(header_sheet, 0, 0, 22, bold);
    worksheet_set_column(header_sheet, 1, 1, 36, nullptr);

    lxw_worksheet *zone_sheet = workbook_add_worksheet(book, "测区");
    WriteTable(zone_sheet, ZoneHeader(), ZoneRows(project), formats, bold);
    worksheet_set_column(zone_sheet, 1, 4, 16, nullptr);

    lxw_worksheet *position_sheet = workbook_add_worksheet(book, "测位");
    WriteTable(position_sheet, PositionHeader(), PositionRows(project), formats, bold);
    worksheet_set_column(position_sheet, 0, 2, 10, nullptr);
    worksheet_set_column(position_sheet, 3, 14, 5, nullptr);
    worksheet_set_column(position_sheet, 15, 18, 14, nullptr);

    const lxw_error error = workbook_close(book);
    std::error_code ec;
    if (error != LXW_NO_ERROR) {
        std::filesystem::remove(temporary, ec);
        return IoResult::Failure("电子表格[" + path + "]写入失败：" + lxw_strerror(error));
    }
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        return IoResult::Failure("电子表格[" + path + "]写入失败：" + ec.message());
    }
    return IoResult::Success();
}

} // namespace rebound
