#include "export_rows.h"

#include "evaluation/strength.h"

#include <cstdio>

namespace rebound::exporting {

std::string Cell::Formatted() const
{
    if (!is_number)
        return text;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, number);
    return buffer;
}

namespace {

Cell Gbk(const TansyString &value)
{
    return Cell::Text(GbkToUtf8(value));
}

Cell Float(float value, int decimals)
{
    return Cell::Number(static_cast<double>(value), decimals);
}

// Codes 0 to 6 are a depth in millimetres; 7 and above mean "more than 3.0".
Cell Carbonation(std::uint8_t code)
{
    if (code >= 7)
        return Cell::Text(CarbonationText(code));
    return Cell::Number(static_cast<double>(CarbonationDepth(code)), code == 0 ? 1 : 2);
}

} // namespace

std::vector<Row> ProjectRows(const ReboundFile &p)
{
    const char *project_class = p.project_class == 0 ? "在建或新建砌体工程" : "既有砌体工程";
    return {
        {Cell::Text("工程名称"), Gbk(p.project_name)},
        {Cell::Text("工程地址"), Gbk(p.project_address)},
        {Cell::Text("施工日期"), Gbk(p.construction_date)},
        {Cell::Text("施工单位"), Gbk(p.construction_unit)},
        {Cell::Text("设计单位"), Gbk(p.design_unit)},
        {Cell::Text("监理单位"), Gbk(p.supervision_unit)},
        {Cell::Text("监督单位"), Gbk(p.monitor_unit)},
        {Cell::Text("砂浆生产单位"), Gbk(p.concrete_producer)},
        {Cell::Text("委托单位"), Gbk(p.agent_unit)},
        {Cell::Text("委托日期"), Gbk(p.agent_date)},
        {Cell::Text("报告编号"), Gbk(p.report_serial)},
        {Cell::Text("检测编号"), Gbk(p.examine_serial)},
        {Cell::Text("检测原因"), Gbk(p.examine_reason)},
        {Cell::Text("检测依据"), Gbk(p.examine_basis)},
        {Cell::Text("检测环境"), Gbk(p.examine_condition)},
        {Cell::Text("设计强度"), Gbk(p.design_strength)},
        {Cell::Text("原材料"), Gbk(p.raw_material)},
        {Cell::Text("测试部位"), Gbk(p.test_part)},
        {Cell::Text("工程分类"), Cell::Text(project_class)},
        {Cell::Text("测区数目"), Cell::Number(static_cast<double>(p.ComponentCount()), 0)},
        {Cell::Text("测区强度平均值(MPa)"), Float(p.zone_strength_mean, 2)},
        {Cell::Text("测区强度最小值(MPa)"), Float(p.zone_strength_min, 2)},
        {Cell::Text("强度标准差(MPa)"), Float(p.strength_std_dev, 2)},
        {Cell::Text("变异系数"), Float(p.variation_coefficient, 2)},
        {Cell::Text("砂浆强度评定值(MPa)"), Float(p.assessed_strength, 1)},
    };
}

Row ZoneHeader()
{
    return {Cell::Text("序号"), Cell::Text("测区编号"), Cell::Text("测位数"), Cell::Text("检测日期"),
            Cell::Text("砂浆强度平均值(MPa)")};
}

std::vector<Row> ZoneRows(const ReboundFile &project)
{
    std::vector<Row> rows;
    rows.reserve(project.ComponentCount());
    for (std::size_t i = 0; i < project.ComponentCount(); ++i) {
        const ComponentInfo &zone = *project.GetComponent(i);
        rows.push_back({Cell::Number(static_cast<double>(i + 1), 0), Gbk(zone.component_name),
                        Cell::Number(static_cast<double>(zone.AreaCount()), 0), Gbk(zone.examine_date),
                        Float(zone.mean_strength, 2)});
    }
    return rows;
}

Row PositionHeader()
{
    Row header = {Cell::Text("测区序号"), Cell::Text("测区编号"), Cell::Text("测位序号")};
    for (int i = 1; i <= 12; ++i)
        header.push_back(Cell::Text(std::to_string(i)));
    for (const char *title : {"碳化(mm)", "平均回弹", "砂浆强度(MPa)", "测区强度(MPa)"})
        header.push_back(Cell::Text(title));
    return header;
}

std::vector<Row> PositionRows(const ReboundFile &project)
{
    std::vector<Row> rows;
    for (std::size_t i = 0; i < project.ComponentCount(); ++i) {
        const ComponentInfo &zone = *project.GetComponent(i);
        const Cell zone_name = Gbk(zone.component_name);
        for (std::size_t j = 0; j < zone.AreaCount(); ++j) {
            const AreaData &area = zone.areas[j];
            Row row = {Cell::Number(static_cast<double>(i + 1), 0), zone_name,
                       Cell::Number(static_cast<double>(j + 1), 0)};
            for (std::uint8_t reading : area.readings)
                row.push_back(Cell::Number(reading, 0));
            row.push_back(Carbonation(area.carbonation_code));
            row.push_back(Float(area.avg_rebound, 1));
            row.push_back(Float(area.strength, 1));
            row.push_back(Float(zone.mean_strength, 2));
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

} // namespace rebound::exporting
