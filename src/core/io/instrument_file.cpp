// The rebound tester's own data file: an 84-byte header describing the zone,
// then one 24-byte record per test position. Little-endian, no magic.

#include "io/binary_io.h"
#include "model/rebound_file.h"

#include <bit>
#include <cstring>
#include <string>

namespace rebound {

namespace {

std::uint8_t ByteAt(std::string_view bytes, std::size_t offset)
{
    return static_cast<std::uint8_t>(bytes[offset]);
}

float FloatAt(std::string_view bytes, std::size_t offset)
{
    std::uint32_t bits = 0;
    for (std::size_t i = 4; i-- > 0;)
        bits = (bits << 8) | ByteAt(bytes, offset + i);
    return std::bit_cast<float>(bits);
}

// An 8-byte text field: up to the first NUL, or all eight bytes.
TansyString TextAt(std::string_view bytes, std::size_t offset)
{
    return TansyString::FromCText(bytes.substr(offset, 8));
}

} // namespace

IoResult ComponentInfo::ReadDeviceRecord(BinaryReader &in, const TraceSink &trace)
{
    Reset();
    std::string_view header;
    if (!in.ReadBytes(kDeviceHeaderSize, header))
        return in.ShortRead("仪器文件头", kDeviceHeaderSize);

    const std::uint8_t count = ByteAt(header, 60);
    EmitTrace(trace, "TestAreaNum: " + std::to_string(count));
    if (count > kMaxDevicePositions) {
        return IoResult::Failure("测位数为" + std::to_string(count) + "，超过仪器文件的上限" +
                                 std::to_string(kMaxDevicePositions));
    }
    std::string_view records;
    if (!in.ReadBytes(count * kDeviceAreaRecordSize, records)) {
        return in.CheckCount("测位数", count, kDeviceAreaRecordSize);
    }

    // Bytes 8-11 (the instrument's date stamp), 44-59 and 63 carry nothing
    // the program uses.
    component_name = TextAt(header, 0);
    device_version = TextAt(header, 12);
    device_type = TextAt(header, 20);
    device_serial = TextAt(header, 28);
    check_num = TextAt(header, 36);
    stored_tick = 1;
    carbonation_code = ByteAt(header, 61);
    mortar_kind = ByteAt(header, 62);
    k1 = FloatAt(header, 64);
    k2 = FloatAt(header, 68);
    mean_strength = FloatAt(header, 72);
    strength_std_dev = FloatAt(header, 76);
    variation_coefficient = FloatAt(header, 80);

    areas.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view record = records.substr(i * kDeviceAreaRecordSize, kDeviceAreaRecordSize);
        AreaData area;
        for (std::size_t r = 0; r < area.readings.size(); ++r)
            area.readings[r] = ByteAt(record, r);
        area.carbonation_code = ByteAt(record, 12);
        // Bytes 13-15 are padding.
        area.avg_rebound = FloatAt(record, 16);
        area.strength = FloatAt(record, 20);
        area.corrected_rebound = 0.0f;
        area.reserved_b = 0;
        AddArea(area);
    }
    return IoResult::Success();
}

} // namespace rebound
