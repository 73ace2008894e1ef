#include "io/zone_exchange.h"

#include "io/atomic_file.h"
#include "io/binary_io.h"

namespace rebound {

ZoneFileKind ZoneFileKindOf(const std::string &path)
{
    const std::string ext = FileExtension(path);
    if (ext == kExchangeExtension)
        return ZoneFileKind::Exchange;
    if (ext == ".kst" || ext == ".KST")
        return ZoneFileKind::Instrument;
    return ZoneFileKind::Unknown;
}

IoResult ExportZone(const ComponentInfo &zone, const std::string &path)
{
    BinaryWriter out;
    zone.WriteRecord(out);
    return WriteFileAtomically(path, out.data());
}

namespace {

struct ZoneRead {
    IoResult result;
    bool opened = false; // false: the file could not be read at all
};

// The reason alone, without the file's name, so that each caller words
// the message its own way.
ZoneRead ReadZone(const std::string &path, ZoneFileKind kind, ComponentInfo &zone, const TraceSink &trace)
{
    std::string bytes;
    IoResult opened = ReadWholeFile(path, bytes);
    if (!opened)
        return {opened, false};
    if (bytes.empty())
        return {IoResult::Failure("文件是空的"), true};
    ComponentInfo read(zone.dates());
    BinaryReader in(bytes);
    IoResult parsed = kind == ZoneFileKind::Instrument ? read.ReadDeviceRecord(in, trace) : read.ReadRecord(in);
    if (!parsed)
        return {parsed, true};
    zone.Assign(read);
    return {IoResult::Success(), true};
}

std::string UnknownExtension(const std::string &path)
{
    const std::string ext = FileExtension(path);
    return (ext.empty() ? std::string("文件没有扩展名") : "扩展名" + ext + "无法识别") + "，应为.xcmp、.kst或.KST";
}

} // namespace

IoResult ReadZoneFile(const std::string &path, ComponentInfo &zone, const TraceSink &trace)
{
    const ZoneFileKind kind = ZoneFileKindOf(path);
    if (kind == ZoneFileKind::Unknown)
        return IoResult::Failure("文件[" + path + "]不是测区文件：" + UnknownExtension(path));
    const ZoneRead read = ReadZone(path, kind, zone, trace);
    if (read.result || !read.opened)
        return read.result;
    return IoResult::Failure("文件[" + path + "]已损坏：" + read.result.message);
}

IoResult ImportZoneFile(const std::string &path, const TansyString &instrument_test_date, ComponentInfo &zone,
                        const TraceSink &trace)
{
    const std::string failed = "[" + path + "]测区导入失败！";
    const ZoneFileKind kind = ZoneFileKindOf(path);
    if (kind == ZoneFileKind::Unknown)
        return IoResult::Failure(failed + UnknownExtension(path));
    ComponentInfo read(zone.dates());
    const ZoneRead outcome = ReadZone(path, kind, read, trace);
    if (!outcome.result)
        return IoResult::Failure(failed + (outcome.opened ? "文件已损坏：" : "") + outcome.result.message);
    if (kind == ZoneFileKind::Instrument)
        read.examine_date = instrument_test_date;
    zone.Assign(read);
    return IoResult::Success();
}

} // namespace rebound
