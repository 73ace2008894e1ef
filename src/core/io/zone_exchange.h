#pragma once
// Export of one test zone to a zone exchange file (".xcmp": exactly one zone
// record) and import of a zone from an exchange file or from an instrument
// data file (".kst" or ".KST"). Used by the window and the command-line tool.

#include "io/file_names.h"
#include "io/io_result.h"
#include "io/trace_sink.h"
#include "model/rebound_file.h"

#include <string>

namespace rebound {

inline constexpr const char *kExchangeExtension = ".xcmp";
inline constexpr const char *kProjectExtension = ".prj";

enum class ZoneFileKind { Exchange, Instrument, Unknown };

// By the extension, letter case counting: ".xcmp" is an exchange file,
// ".kst" and ".KST" are instrument files, anything else (".Kst" too) is
// unknown.
ZoneFileKind ZoneFileKindOf(const std::string &path);

// Writes `zone` as an exchange file at `path` (atomically; the path is used
// as given).
IoResult ExportZone(const ComponentInfo &zone, const std::string &path);

// Reads the exchange or instrument file at `path` (by its extension) into
// `zone`, as it stands in the file: an instrument file's zone keeps the
// default examine_date. On failure `zone` is unchanged and the message
// names the file and the reason ("文件[PATH]已损坏：…" for a damaged file).
IoResult ReadZoneFile(const std::string &path, ComponentInfo &zone, const TraceSink &trace = {});

// Reads the exchange or instrument file at `path` into `zone`. An
// instrument file's zone gets `instrument_test_date` as its examine_date
// (the caller finds the file's creation date before reading). On failure
// `zone` is unchanged and the message reads "[PATH]测区导入失败！" followed
// by the reason. Bytes after the zone are ignored.
IoResult ImportZoneFile(const std::string &path, const TansyString &instrument_test_date, ComponentInfo &zone,
                        const TraceSink &trace = {});

} // namespace rebound
