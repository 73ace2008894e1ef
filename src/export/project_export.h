#pragma once
// A project as a spreadsheet (.xlsx: sheets 工程, 测区, 测位) or as CSV
// (UTF-8 with a byte order mark so spreadsheet programs read the Chinese).
// Both replace the target only when the whole file was written.

#include "io/io_result.h"
#include "model/rebound_file.h"

#include <string>

namespace rebound {

std::string ProjectCsv(const ReboundFile &project);
IoResult ExportCsv(const ReboundFile &project, const std::string &path);
IoResult ExportXlsx(const ReboundFile &project, const std::string &path);

} // namespace rebound
