#include "model/rebound_file.h"

#include <utility>

namespace rebound {

const std::array<const char *, 9> mortar_kind_names = {
    "未知品种",   "细砂,水泥", "细砂,混合", "细砂,微沫", "细砂,粉煤灰",
    "中砂,水泥", "中砂,混合", "中砂,微末", "中砂,粉煤灰",
};

std::string MortarKindText(std::uint8_t kind)
{
    if (kind < mortar_kind_names.size())
        return mortar_kind_names[kind];
    return std::to_string(kind);
}

// ---------------------------------------------------------------- AreaData

void AreaData::Reset()
{
    readings.fill(10);
    carbonation_code = 0;
    avg_rebound = 10.0f;
    strength = 0.0f;
    reserved_a = 0;
    reserved_b = 0;
    corrected_rebound = 10.0f;
}

void AreaData::Assign(const AreaData &source)
{
    if (&source == this)
        return;
    readings = source.readings;
    carbonation_code = source.carbonation_code;
    avg_rebound = source.avg_rebound;
    corrected_rebound = source.corrected_rebound;
    reserved_a = source.reserved_a;
    strength = source.strength;
    reserved_b = 0;
}

// ----------------------------------------------------------- ComponentInfo

ComponentInfo::ComponentInfo(const DateProvider &dates) : dates_(&dates)
{
    Reset();
}

void ComponentInfo::Reset()
{
    const TansyString today = dates_->Today();
    component_name = "\xD0\xC2\xB2\xE2\xC7\xF8"; // 新测区 in GBK, like every model text
    device_version = "xxx";
    device_type = "xxx";
    device_serial = "xxx";
    examine_date = today;
    extra_date = today;
    extra_text.clear();
    component_condition.clear();
    check_num = "xxx";
    stored_tick = 1;
    mortar_kind = 0;
    carbonation_code = 0;
    strength_std_dev = 0.0f;
    k1 = 1.17f;
    k2 = 1.06f;
    mean_strength = 0.0f;
    variation_coefficient = 0.0f;
    areas.clear();
    marked = false;
}

void ComponentInfo::Assign(ComponentInfo &source)
{
    if (&source == this)
        return;
    Reset();
    component_name = source.component_name;
    device_version = source.device_version;
    device_type = source.device_type;
    device_serial = source.device_serial;
    examine_date = source.examine_date;
    extra_date = source.extra_date;
    extra_text = source.extra_text;
    component_condition = source.component_condition;
    check_num = source.check_num;
    stored_tick = source.stored_tick;
    carbonation_code = source.carbonation_code;
    strength_std_dev = source.strength_std_dev;
    mortar_kind = source.mortar_kind;
    k1 = source.k1;
    k2 = source.k2;
    mean_strength = source.mean_strength;
    variation_coefficient = source.variation_coefficient;
    // The positions move over in their order; the source keeps none.
    if (areas.empty()) {
        areas = std::move(source.areas);
    } else {
        areas.insert(areas.end(), source.areas.begin(), source.areas.end());
    }
    source.areas.clear();
}

AreaData &ComponentInfo::AddArea(const AreaData &area)
{
    AreaData &stored = areas.emplace_back();
    stored.Assign(area);
    return stored;
}

bool ComponentInfo::RemoveArea(long long index)
{
    if (index < 0 || static_cast<unsigned long long>(index) >= areas.size())
        return false;
    areas.erase(areas.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

// ------------------------------------------------------------- ReboundFile

ReboundFile::ReboundFile(const DateProvider &dates) : dates_(&dates)
{
    Reset();
}

void ReboundFile::Reset()
{
    const TansyString today = dates_->Today();
    project_name = "\xD0\xC2\xB9\xA4\xB3\xCC"; // 新工程 in GBK
    project_address.clear();
    construction_date = today;
    construction_unit.clear();
    design_unit.clear();
    supervision_unit.clear();
    monitor_unit.clear();
    concrete_producer.clear();
    agent_unit.clear();
    agent_date = today;
    report_serial.clear();
    examine_serial.clear();
    examine_reason.clear();
    examine_basis.clear();
    examine_condition.clear();
    design_strength.clear();
    // raw_material, test_part and the two unstored results are not touched.
    reserved = 0;
    assessed_strength = 0.0f;
    strength_std_dev = 0.0f;
    variation_coefficient = 0.0f;
    project_class = 0;
    components_.clear();
}

ComponentInfo &ReboundFile::AddComponent(ComponentInfo &zone)
{
    auto stored = std::make_unique<ComponentInfo>(*dates_);
    stored->Assign(zone);
    components_.push_back(std::move(stored));
    return *components_.back();
}

void ReboundFile::RemoveComponent(std::size_t index)
{
    if (index >= components_.size())
        return;
    components_.erase(components_.begin() + static_cast<std::ptrdiff_t>(index));
}

ComponentInfo *ReboundFile::GetComponent(std::size_t index)
{
    return index < components_.size() ? components_[index].get() : nullptr;
}

const ComponentInfo *ReboundFile::GetComponent(std::size_t index) const
{
    return index < components_.size() ? components_[index].get() : nullptr;
}

ComponentInfo &ReboundFile::AddDefaultComponent()
{
    ComponentInfo zone(*dates_);
    zone.AddArea(AreaData());
    return AddComponent(zone);
}

void ReboundFile::TakeStoredFieldsFrom(ReboundFile &other)
{
    project_name = std::move(other.project_name);
    project_address = std::move(other.project_address);
    construction_date = std::move(other.construction_date);
    construction_unit = std::move(other.construction_unit);
    design_unit = std::move(other.design_unit);
    supervision_unit = std::move(other.supervision_unit);
    monitor_unit = std::move(other.monitor_unit);
    concrete_producer = std::move(other.concrete_producer);
    agent_unit = std::move(other.agent_unit);
    agent_date = std::move(other.agent_date);
    report_serial = std::move(other.report_serial);
    examine_serial = std::move(other.examine_serial);
    examine_reason = std::move(other.examine_reason);
    examine_basis = std::move(other.examine_basis);
    examine_condition = std::move(other.examine_condition);
    design_strength = std::move(other.design_strength);
    reserved = other.reserved;
    assessed_strength = other.assessed_strength;
    strength_std_dev = other.strength_std_dev;
    variation_coefficient = other.variation_coefficient;
    project_class = other.project_class;
    components_ = std::move(other.components_);
    other.components_.clear();
    // Zones keep a reference to the date provider of the project that made
    // them; both projects share the caller's provider.
}

} // namespace rebound
