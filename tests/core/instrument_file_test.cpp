#include "io/binary_io.h"
#include "model/rebound_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace rebound;
using namespace rebound::test;

namespace {

const FixedDateProvider kToday("2026/12/11");

void PutFloat(std::string &bytes, std::size_t offset, float value)
{
    const std::uint32_t bits = BitsOf(value);
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

// An instrument file built field by field; the "no meaning" bytes are
// filled with 0xEE to show they are ignored.
struct DeviceFile {
    std::string header = std::string(kDeviceHeaderSize, '\xEE');
    std::vector<std::string> records;

    DeviceFile()
    {
        Text(0, "A1");
        Text(8, "\x01\x02\x03\x04"); // date stamp
        Text(12, "V1.0");
        Text(20, "ZC5");
        Text(28, "SN12345");
        Text(36, "CAL-9");
        header[61] = 3;
        header[62] = 5;
        PutFloat(header, 64, 1.1f);
        PutFloat(header, 68, 1.2f);
        PutFloat(header, 72, 6.5f);
        PutFloat(header, 76, 0.75f);
        PutFloat(header, 80, 0.2f);
    }
    void Text(std::size_t offset, const std::string &text)
    {
        std::string field = text.substr(0, 8);
        field.resize(8, '\0');
        header.replace(offset, 8, field);
    }
    void AddRecord(std::uint8_t first_reading, std::uint8_t carbonation, float rebound, float strength)
    {
        std::string record(kDeviceAreaRecordSize, '\xEE');
        for (std::size_t r = 0; r < 12; ++r)
            record[r] = static_cast<char>(first_reading + r);
        record[12] = static_cast<char>(carbonation);
        PutFloat(record, 16, rebound);
        PutFloat(record, 20, strength);
        records.push_back(record);
    }
    std::string Bytes(int count = -1) const
    {
        std::string bytes = header;
        bytes[60] = static_cast<char>(count < 0 ? records.size() : static_cast<std::size_t>(count));
        for (const std::string &record : records)
            bytes += record;
        return bytes;
    }
};

IoResult Read(const std::string &bytes, ComponentInfo &zone, std::vector<std::string> *trace = nullptr)
{
    BinaryReader in(bytes);
    TraceSink sink;
    if (trace)
        sink = [trace](std::string_view line) { trace->emplace_back(line); };
    return zone.ReadDeviceRecord(in, sink);
}

} // namespace

TEST(InstrumentFile, ReadsHeaderAndPositions)
{
    DeviceFile file;
    file.AddRecord(30, 2, 34.5f, 5.5f);
    file.AddRecord(40, 9, 44.0f, 8.25f);
    ComponentInfo zone(kToday);
    zone.examine_date = "old";
    zone.extra_text = "old";
    std::vector<std::string> trace;
    ASSERT_TRUE(Read(file.Bytes() + "trailing", zone, &trace));

    EXPECT_EQ(trace, std::vector<std::string>{"TestAreaNum: 2"});
    EXPECT_EQ(zone.component_name, "A1");
    EXPECT_EQ(zone.device_version, "V1.0");
    EXPECT_EQ(zone.device_type, "ZC5");
    EXPECT_EQ(zone.device_serial, "SN12345");
    EXPECT_EQ(zone.check_num, "CAL-9");
    // Not in the file: the Reset values, whatever the date stamp says.
    EXPECT_EQ(zone.examine_date, "2026/12/11");
    EXPECT_EQ(zone.extra_date, "2026/12/11");
    EXPECT_TRUE(zone.extra_text.empty());
    EXPECT_TRUE(zone.component_condition.empty());
    EXPECT_EQ(zone.stored_tick, 1);
    EXPECT_EQ(zone.carbonation_code, 3);
    EXPECT_EQ(zone.mortar_kind, 5);
    EXPECT_EQ(zone.k1, 1.1f);
    EXPECT_EQ(zone.k2, 1.2f);
    EXPECT_EQ(zone.mean_strength, 6.5f);
    EXPECT_EQ(zone.strength_std_dev, 0.75f);
    EXPECT_EQ(zone.variation_coefficient, 0.2f);

    ASSERT_EQ(zone.AreaCount(), 2u);
    const AreaData &second = zone.areas[1];
    EXPECT_EQ(second.readings[0], 40);
    EXPECT_EQ(second.readings[11], 51);
    EXPECT_EQ(second.carbonation_code, 9);
    EXPECT_EQ(second.avg_rebound, 44.0f);
    EXPECT_EQ(second.strength, 8.25f);
    EXPECT_EQ(second.corrected_rebound, 0.0f);
    EXPECT_EQ(second.reserved_a, 0);
    EXPECT_EQ(second.reserved_b, 0);
}

TEST(InstrumentFile, TextFields)
{
    DeviceFile file;
    file.header.replace(0, 8, std::string("A1\0\0\0\0\0\0", 8));
    file.header.replace(12, 8, "ABCDEFGH"); // no NUL: all eight bytes
    ComponentInfo zone(kToday);
    ASSERT_TRUE(Read(file.Bytes(), zone));
    EXPECT_EQ(zone.component_name, "A1");
    EXPECT_EQ(zone.device_version, "ABCDEFGH");
    EXPECT_EQ(zone.AreaCount(), 0u);
}

TEST(InstrumentFile, CommittedFixtureHasTwoPositions)
{
    const std::string bytes = ReadFileBytes(std::string(REBOUND_TEST_DATA) + "/instrument_two_positions.kst");
    ASSERT_EQ(bytes.size(), kDeviceHeaderSize + 2 * kDeviceAreaRecordSize);
    ComponentInfo zone(kToday);
    ASSERT_TRUE(Read(bytes, zone));
    EXPECT_EQ(zone.component_name, "A1");
    EXPECT_EQ(zone.device_type, "ZC5");
    ASSERT_EQ(zone.AreaCount(), 2u);
    EXPECT_EQ(zone.areas[0].readings[0], 30);
    EXPECT_EQ(zone.areas[1].avg_rebound, 44.0f);
}

TEST(InstrumentFile, RefusesTooManyOrMissingRecords)
{
    DeviceFile file;
    for (int i = 0; i < 51; ++i)
        file.AddRecord(10, 0, 10.0f, 1.0f);

    const struct {
        std::string bytes;
        std::string expected;
    } cases[] = {
        {file.Bytes(51), "测位数为51，超过仪器文件的上限50"},
        {file.Bytes(255), "测位数为255，超过仪器文件的上限50"},
        {file.Bytes(2).substr(0, kDeviceHeaderSize + 24),
         "测位数为2，需要48字节，只剩24字节（偏移84）"},
        {std::string(10, '\0'), "仪器文件头需要84字节，只剩10字节（偏移0）"},
    };
    for (const auto &c : cases) {
        ComponentInfo zone(kToday);
        const IoResult read = Read(c.bytes, zone);
        EXPECT_FALSE(read);
        EXPECT_EQ(read.message, c.expected);
        EXPECT_LE(zone.AreaCount(), kMaxDevicePositions);
    }

    // Fifty records is the most a file holds.
    DeviceFile fifty;
    for (int i = 0; i < 50; ++i)
        fifty.AddRecord(10, 0, 10.0f, 1.0f);
    ComponentInfo zone(kToday);
    EXPECT_TRUE(Read(fifty.Bytes(), zone));
    EXPECT_EQ(zone.AreaCount(), 50u);
}

TEST(InstrumentFile, EveryTruncationIsRefused)
{
    DeviceFile file;
    file.AddRecord(30, 2, 34.5f, 5.5f);
    file.AddRecord(40, 9, 44.0f, 8.25f);
    const std::string whole = file.Bytes();
    for (std::size_t length = 0; length < whole.size(); ++length) {
        ComponentInfo zone(kToday);
        EXPECT_FALSE(Read(whole.substr(0, length), zone)) << length;
    }
}

TEST(TraceSink, LinesAreCutAt2047BytesOnACharacterBoundary)
{
    std::string got;
    const TraceSink sink = [&got](std::string_view line) { got = line; };
    EmitTrace(sink, std::string(3000, 'x'));
    EXPECT_EQ(got.size(), 2047u);
    // 682 three-byte characters end at byte 2046; the next would straddle 2047.
    std::string chinese;
    for (int i = 0; i < 700; ++i)
        chinese += "测";
    EmitTrace(sink, chinese);
    EXPECT_EQ(got.size(), 2046u);
    EmitTrace(TraceSink{}, "nowhere"); // no sink: nothing happens
}
