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

IoResult ImportZoneFile(const std::string &path, const TansyString &instrument_test_date, ComponentInfo &zone,
                        const TraceSink &trace)
{
    const std::string failed = "[" + path + "]测区导入失败！";
    const ZoneFileKind kind = ZoneFileKindOf(path);
    if (kind == ZoneFileKind::Unknown) {
        const std::string ext = FileExtension(path);
        return IoResult::Failure(failed + (ext.empty() ? std::string("文件没有扩展名") : "扩展名" + ext + "无法识别") +
                                 "，应为.xcmp、.kst或.KST");
    }

    std::string bytes;
    const IoResult opened = ReadWholeFile(path, bytes);
    if (!opened)
        return IoResult::Failure(failed + opened.message);
    if (bytes.empty())
        return IoResult::Failure(failed + "文件已损坏：文件是空的");

    ComponentInfo read(zone.dates());
    BinaryReader in(bytes);
    const IoResult parsed = kind == ZoneFileKind::Instrument ? read.ReadDeviceRecord(in, trace) : read.ReadRecord(in);
    if (!parsed)
        return IoResult::Failure(failed + "文件已损坏：" + parsed.message);
    if (kind == ZoneFileKind::Instrument)
        read.examine_date = instrument_test_date;
    zone.Assign(read);
    return IoResult::Success();
}

} // namespace rebound
