// The project file and the zone record: a flat little-endian dump of the
// stored fields, texts as a uint32 length followed by their GBK bytes.

#include "io/atomic_file.h"
#include "io/binary_io.h"
#include "model/rebound_file.h"

#include <string>

namespace rebound {

namespace {

std::string Ordinal(std::size_t number, const char *what)
{
    return "第" + std::to_string(number) + "个" + what;
}

} // namespace

// Stops the enclosing reader at the first failure.
#define REBOUND_TRY(expr)                                                                                              \
    do {                                                                                                               \
        IoResult result_ = (expr);                                                                                     \
        if (!result_)                                                                                                  \
            return result_;                                                                                            \
    } while (false)

// ---------------------------------------------------------------- AreaData

void AreaData::WriteRecord(BinaryWriter &out) const
{
    for (std::uint8_t reading : readings)
        out.WriteU8(reading);
    out.WriteU8(carbonation_code);
    out.WriteF32(avg_rebound);
    out.WriteU8(reserved_a);
    out.WriteU8(reserved_b);
    out.WriteF32(corrected_rebound);
    out.WriteF32(strength);
}

IoResult AreaData::ReadRecord(BinaryReader &in)
{
    if (in.remaining() < kAreaRecordSize)
        return in.ShortRead("测位记录", kAreaRecordSize);
    for (std::uint8_t &reading : readings)
        in.ReadU8(reading);
    in.ReadU8(carbonation_code);
    in.ReadF32(avg_rebound);
    in.ReadU8(reserved_a);
    in.ReadU8(reserved_b);
    in.ReadF32(corrected_rebound);
    in.ReadF32(strength);
    return IoResult::Success();
}

// ----------------------------------------------------------- ComponentInfo

void ComponentInfo::WriteRecord(BinaryWriter &out) const
{
    // The calibration number comes fifth, before the dates.
    out.WriteText(component_name);
    out.WriteText(device_version);
    out.WriteText(device_type);
    out.WriteText(device_serial);
    out.WriteText(check_num);
    out.WriteText(examine_date);
    out.WriteText(extra_date);
    out.WriteText(extra_text);
    out.WriteText(component_condition);
    out.WriteU8(stored_tick);
    out.WriteU8(carbonation_code);
    out.WriteF32(strength_std_dev);
    out.WriteU8(mortar_kind);
    out.WriteF32(k1);
    out.WriteF32(k2);
    out.WriteF32(mean_strength);
    out.WriteF32(variation_coefficient);
    out.WriteU32(static_cast<std::uint32_t>(areas.size()));
    for (const AreaData &area : areas)
        area.WriteRecord(out);
}

IoResult ComponentInfo::ReadRecord(BinaryReader &in)
{
    Reset();
    REBOUND_TRY(in.ReadText(component_name, "测区编号"));
    REBOUND_TRY(in.ReadText(device_version, "版本号"));
    REBOUND_TRY(in.ReadText(device_type, "仪器型号"));
    REBOUND_TRY(in.ReadText(device_serial, "仪器编号"));
    REBOUND_TRY(in.ReadText(check_num, "标定号"));
    REBOUND_TRY(in.ReadText(examine_date, "检测日期"));
    REBOUND_TRY(in.ReadText(extra_date, "第二日期"));
    REBOUND_TRY(in.ReadText(extra_text, "备用文字"));
    REBOUND_TRY(in.ReadText(component_condition, "测区状况"));
    REBOUND_TRY(in.ReadU8(stored_tick, "勾选标记"));
    REBOUND_TRY(in.ReadU8(carbonation_code, "碳化深度"));
    REBOUND_TRY(in.ReadF32(strength_std_dev, "强度标准差"));
    REBOUND_TRY(in.ReadU8(mortar_kind, "砂浆种类"));
    REBOUND_TRY(in.ReadF32(k1, "回弹干湿修正系数"));
    REBOUND_TRY(in.ReadF32(k2, "强度干湿修正系数"));
    REBOUND_TRY(in.ReadF32(mean_strength, "砂浆强度平均值"));
    REBOUND_TRY(in.ReadF32(variation_coefficient, "变异系数"));
    std::uint32_t count = 0;
    REBOUND_TRY(in.ReadU32(count, "测位数"));
    REBOUND_TRY(in.CheckCount("测位数", count, kAreaRecordSize));
    areas.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        AreaData area;
        const IoResult read = area.ReadRecord(in);
        if (!read)
            return IoResult::Failure(Ordinal(i + 1, "测位的") + read.message);
        AddArea(area);
    }
    return IoResult::Success();
}

// ------------------------------------------------------------- ReboundFile

void ReboundFile::WriteTo(BinaryWriter &out) const
{
    for (const TansyString *text :
         {&project_name, &project_address, &construction_date, &construction_unit, &design_unit, &supervision_unit,
          &monitor_unit, &concrete_producer, &agent_unit, &agent_date, &report_serial, &examine_serial,
          &examine_reason, &examine_basis, &examine_condition, &design_strength})
        out.WriteText(*text);
    out.WriteU8(reserved);
    out.WriteF32(assessed_strength);
    out.WriteF32(strength_std_dev);
    out.WriteF32(variation_coefficient);
    out.WriteU8(project_class);
    out.WriteU32(static_cast<std::uint32_t>(components_.size()));
    for (const auto &zone : components_)
        zone->WriteRecord(out);
}

IoResult ReboundFile::ReadFrom(BinaryReader &in)
{
    Reset();
    const struct {
        TansyString *field;
        const char *label;
    } texts[] = {
        {&project_name, "工程名称"},      {&project_address, "工程地址"},   {&construction_date, "施工日期"},
        {&construction_unit, "施工单位"}, {&design_unit, "设计单位"},       {&supervision_unit, "监理单位"},
        {&monitor_unit, "监督单位"},      {&concrete_producer, "砂浆生产单位"}, {&agent_unit, "委托单位"},
        {&agent_date, "委托日期"},        {&report_serial, "报告编号"},     {&examine_serial, "检测编号"},
        {&examine_reason, "检测原因"},    {&examine_basis, "检测依据"},     {&examine_condition, "检测环境"},
        {&design_strength, "设计强度"},
    };
    for (const auto &text : texts)
        REBOUND_TRY(in.ReadText(*text.field, text.label));
    REBOUND_TRY(in.ReadU8(reserved, "保留字节"));
    REBOUND_TRY(in.ReadF32(assessed_strength, "砂浆强度评定值"));
    REBOUND_TRY(in.ReadF32(strength_std_dev, "强度标准差"));
    REBOUND_TRY(in.ReadF32(variation_coefficient, "变异系数"));
    REBOUND_TRY(in.ReadU8(project_class, "工程分类"));
    std::uint32_t count = 0;
    REBOUND_TRY(in.ReadU32(count, "测区数"));
    // Every zone record takes at least kMinComponentRecordSize bytes, so a
    // count the file cannot hold is refused before any zone is built.
    REBOUND_TRY(in.CheckCount("测区数", count, kMinComponentRecordSize));
    // Each zone is read straight into its place: the same zone the copy rule
    // of AddComponent would give (a fresh zone is unmarked and its positions
    // went through AddArea), without building every zone twice.
    components_.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        auto zone = std::make_unique<ComponentInfo>(*dates_);
        const IoResult read = zone->ReadRecord(in);
        if (!read)
            return IoResult::Failure(Ordinal(i + 1, "测区的") + read.message);
        components_.push_back(std::move(zone));
    }
    return IoResult::Success();
}

IoResult ReboundFile::Save(const std::string &path) const
{
    BinaryWriter out;
    WriteTo(out);
    return WriteFileAtomically(path, out.data());
}

IoResult ReboundFile::Load(const std::string &path)
{
    std::string bytes;
    REBOUND_TRY(ReadWholeFile(path, bytes));
    if (bytes.empty())
        return IoResult::Failure("文件[" + path + "]已损坏：文件是空的");
    ReboundFile fresh(*dates_);
    BinaryReader in(bytes);
    const IoResult read = fresh.ReadFrom(in);
    if (!read)
        return IoResult::Failure("文件[" + path + "]已损坏：" + read.message);
    TakeStoredFieldsFrom(fresh);
    return IoResult::Success();
}

#undef REBOUND_TRY

} // namespace rebound
