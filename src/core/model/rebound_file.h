#pragma once
// The project model: a project (ReboundFile) owns its test zones
// (ComponentInfo), each zone owns its test positions (AreaData).

#include "io/io_result.h"
#include "io/trace_sink.h"
#include "model/date_provider.h"
#include "model/tansy_string.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace rebound {

class BinaryReader;
class BinaryWriter;

// Mortar kind texts (UTF-8), indexed by ComponentInfo::mortar_kind.
extern const std::array<const char *, 9> mortar_kind_names;
// The text for any index; an index past the table shows as its decimal value.
std::string MortarKindText(std::uint8_t kind);

// Sizes of the file records.
inline constexpr std::size_t kAreaRecordSize = 27;
// Nine empty texts, the one-byte and float values and the position count.
inline constexpr std::size_t kMinComponentRecordSize = 9 * 4 + 3 * 1 + 5 * 4 + 4;
inline constexpr std::size_t kDeviceHeaderSize = 84;
inline constexpr std::size_t kDeviceAreaRecordSize = 24;
// The instrument keeps at most this many positions in one file.
inline constexpr std::size_t kMaxDevicePositions = 50;

struct AreaData {
    std::array<std::uint8_t, 12> readings{};
    std::uint8_t carbonation_code = 0;
    float avg_rebound = 10.0f;
    float strength = 0.0f;
    std::uint8_t reserved_a = 0;
    std::uint8_t reserved_b = 0;
    float corrected_rebound = 10.0f;

    AreaData() { Reset(); }
    bool operator==(const AreaData &) const = default;
    void Reset();
    // The position copy rule: every field but reserved_b, which becomes 0.
    void Assign(const AreaData &source);

    void WriteRecord(BinaryWriter &out) const;
    // Reads one 27-byte position record; fails when fewer bytes remain.
    IoResult ReadRecord(BinaryReader &in);
};

class ComponentInfo {
public:
    explicit ComponentInfo(const DateProvider &dates);
    ComponentInfo(const ComponentInfo &) = delete;
    ComponentInfo &operator=(const ComponentInfo &) = delete;

    TansyString component_name;
    TansyString device_version;
    TansyString device_type;
    TansyString device_serial;
    TansyString examine_date;
    TansyString extra_date;
    TansyString extra_text;
    TansyString component_condition;
    TansyString check_num;
    std::uint8_t stored_tick = 1;
    std::uint8_t mortar_kind = 0;
    std::uint8_t carbonation_code = 0;
    float strength_std_dev = 0.0f;
    float k1 = 1.17f;
    float k2 = 1.06f;
    float mean_strength = 0.0f;
    float variation_coefficient = 0.0f;
    std::vector<AreaData> areas;
    bool marked = false;

    void Reset();
    // The zone copy rule: fields copied, positions moved out of `source`.
    void Assign(ComponentInfo &source);
    AreaData &AddArea(const AreaData &area);
    bool RemoveArea(long long index);
    std::size_t AreaCount() const { return areas.size(); }

    void WriteRecord(BinaryWriter &out) const;
    // Reads one zone record. On failure the zone holds what was read so far
    // and the message names the field, the length and what remained.
    IoResult ReadRecord(BinaryReader &in);
    // Fills the zone from an instrument data file (84-byte header, then
    // 24-byte position records). The record count goes to `trace` as
    // "TestAreaNum: N". A count above kMaxDevicePositions, or a file shorter
    // than its header and records, is refused.
    IoResult ReadDeviceRecord(BinaryReader &in, const TraceSink &trace = {});

    const DateProvider &dates() const { return *dates_; }

private:
    const DateProvider *dates_;
};

class ReboundFile {
public:
    explicit ReboundFile(const DateProvider &dates);
    ReboundFile(const ReboundFile &) = delete;
    ReboundFile &operator=(const ReboundFile &) = delete;

    TansyString project_name;
    TansyString project_address;
    TansyString construction_date;
    TansyString construction_unit;
    TansyString design_unit;
    TansyString supervision_unit;
    TansyString monitor_unit;
    TansyString concrete_producer;
    TansyString agent_unit;
    TansyString agent_date;
    TansyString report_serial;
    TansyString examine_serial;
    TansyString examine_reason;
    TansyString examine_basis;
    TansyString examine_condition;
    TansyString design_strength;
    TansyString raw_material;
    TansyString test_part;
    std::uint8_t reserved = 0;
    float assessed_strength = 0.0f;
    float strength_std_dev = 0.0f;
    float variation_coefficient = 0.0f;
    std::uint8_t project_class = 0;
    float zone_strength_mean = 0.0f;
    float zone_strength_min = 0.0f;

    void Reset();
    ComponentInfo &AddComponent(ComponentInfo &zone);
    void RemoveComponent(std::size_t index);
    ComponentInfo *GetComponent(std::size_t index);
    const ComponentInfo *GetComponent(std::size_t index) const;
    std::size_t ComponentCount() const { return components_.size(); }

    // A fresh zone with the defaults, owned by the caller (to be handed to
    // AddComponent): the way every command builds a zone.
    ComponentInfo NewComponent() const { return ComponentInfo(*dates_); }
    // Appends one default zone holding one default position, as start-up and
    // the new-project command do.
    ComponentInfo &AddDefaultComponent();

    // Moves the stored fields and the zones of `other` into this project;
    // the fields a project file does not carry keep this project's values.
    void TakeStoredFieldsFrom(ReboundFile &other);

    // Project file. Save writes atomically: the old file stays intact when
    // anything fails. Load reads into a fresh project and changes this one
    // only on success; bytes after the last zone are ignored. Messages name
    // the file, and for a damaged file the zone, the field, the length and
    // the bytes that remained.
    IoResult Save(const std::string &path) const;
    IoResult Load(const std::string &path);
    void WriteTo(BinaryWriter &out) const;
    // Resets the project, then reads a whole project; on failure it holds
    // what was read so far.
    IoResult ReadFrom(BinaryReader &in);

    const DateProvider &dates() const { return *dates_; }

private:
    const DateProvider *dates_;
    std::vector<std::unique_ptr<ComponentInfo>> components_;
};

} // namespace rebound
