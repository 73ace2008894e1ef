#include "field_tree.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace rebound::cli {

namespace {

Field Text(const char *key, const char *label, const TansyString &text)
{
    return {key, label, GbkToUtf8(text)};
}

Field Integer(const char *key, const char *label, std::uint64_t value)
{
    return {key, label, value};
}

Field Float(const char *key, const char *label, float value)
{
    return {key, label, value};
}

Node AreaNode(const AreaData &area, bool from_instrument)
{
    Node node;
    node.fields.push_back({"readings", "回弹值", area.readings});
    node.fields.push_back(Integer("carbonation_code", "碳化深度代码", area.carbonation_code));
    node.fields.push_back(Float("avg_rebound", "平均回弹", area.avg_rebound));
    node.fields.push_back(Float("strength", "砂浆强度", area.strength));
    if (!from_instrument) {
        node.fields.push_back(Integer("reserved_a", "保留字节A", area.reserved_a));
        node.fields.push_back(Integer("reserved_b", "保留字节B", area.reserved_b));
        node.fields.push_back(Float("corrected_rebound", "修正后回弹", area.corrected_rebound));
    }
    return node;
}

void AppendJsonString(std::string &out, std::string_view text)
{
    out += '"';
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (byte < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

void AppendJsonValue(std::string &out, const FieldValue &value)
{
    if (const auto *text = std::get_if<std::string>(&value)) {
        AppendJsonString(out, *text);
    } else if (const auto *integer = std::get_if<std::uint64_t>(&value)) {
        out += std::to_string(*integer);
    } else if (const auto *number = std::get_if<float>(&value)) {
        if (std::isfinite(*number))
            out += FloatText(*number);
        else
            AppendJsonString(out, FloatText(*number));
    } else {
        const auto &readings = std::get<std::array<std::uint8_t, 12>>(value);
        out += '[';
        for (std::size_t i = 0; i < readings.size(); ++i) {
            if (i)
                out += ", ";
            out += std::to_string(readings[i]);
        }
        out += ']';
    }
}

void AppendJsonObject(std::string &out, const Node &node, int depth)
{
    const std::string indent(static_cast<std::size_t>(depth + 1) * 2, ' ');
    out += "{\n";
    bool first = true;
    for (const Field &field : node.fields) {
        if (!first)
            out += ",\n";
        first = false;
        out += indent;
        AppendJsonString(out, field.key);
        out += ": ";
        AppendJsonValue(out, field.value);
    }
    if (node.children_key) {
        if (!first)
            out += ",\n";
        out += indent;
        AppendJsonString(out, node.children_key);
        out += ": [";
        const std::string item_indent = indent + "  ";
        for (std::size_t i = 0; i < node.children.size(); ++i) {
            out += i ? ",\n" : "\n";
            out += item_indent;
            AppendJsonObject(out, node.children[i], depth + 2);
        }
        out += node.children.empty() ? "]" : "\n" + indent + "]";
    }
    out += "\n" + std::string(static_cast<std::size_t>(depth) * 2, ' ') + "}";
}

std::string PlainValue(const FieldValue &value)
{
    if (const auto *text = std::get_if<std::string>(&value))
        return *text;
    if (const auto *integer = std::get_if<std::uint64_t>(&value))
        return std::to_string(*integer);
    if (const auto *number = std::get_if<float>(&value))
        return FloatText(*number);
    std::string out;
    for (std::uint8_t reading : std::get<std::array<std::uint8_t, 12>>(value)) {
        if (!out.empty())
            out += ' ';
        out += std::to_string(reading);
    }
    return out;
}

void AppendPlain(std::string &out, const Node &node, const std::string &indent)
{
    for (const Field &field : node.fields)
        out += indent + field.label + "：" + PlainValue(field.value) + "\n";
    if (!node.children_key)
        return;
    out += indent + node.count_label + "：" + std::to_string(node.children.size()) + "\n";
    for (std::size_t i = 0; i < node.children.size(); ++i) {
        out += indent + node.child_label + std::to_string(i + 1) + "：\n";
        AppendPlain(out, node.children[i], indent + "  ");
    }
}

} // namespace

Node ZoneNode(const ComponentInfo &zone, bool from_instrument)
{
    Node node;
    auto &f = node.fields;
    f.push_back(Text("component_name", "测区编号", zone.component_name));
    f.push_back(Text("device_version", "版本号", zone.device_version));
    f.push_back(Text("device_type", "仪器型号", zone.device_type));
    f.push_back(Text("device_serial", "仪器编号", zone.device_serial));
    if (!from_instrument) {
        f.push_back(Text("examine_date", "检测日期", zone.examine_date));
        f.push_back(Text("extra_date", "第二日期", zone.extra_date));
        f.push_back(Text("extra_text", "备用文字", zone.extra_text));
        f.push_back(Text("component_condition", "测区状况", zone.component_condition));
    }
    f.push_back(Text("check_num", "标定号", zone.check_num));
    if (!from_instrument)
        f.push_back(Integer("stored_tick", "勾选标记", zone.stored_tick));
    f.push_back(Integer("mortar_kind", "砂浆种类", zone.mortar_kind));
    f.push_back(Integer("carbonation_code", "碳化深度代码", zone.carbonation_code));
    f.push_back(Float("strength_std_dev", "强度标准差", zone.strength_std_dev));
    f.push_back(Float("k1", "回弹干湿修正系数", zone.k1));
    f.push_back(Float("k2", "强度干湿修正系数", zone.k2));
    f.push_back(Float("mean_strength", "砂浆强度平均值", zone.mean_strength));
    f.push_back(Float("variation_coefficient", "变异系数", zone.variation_coefficient));
    node.children_key = "areas";
    node.child_label = "测位";
    node.count_label = "测位数";
    for (const AreaData &area : zone.areas)
        node.children.push_back(AreaNode(area, from_instrument));
    return node;
}

Node ProjectNode(const ReboundFile &project)
{
    Node node;
    auto &f = node.fields;
    f.push_back(Text("project_name", "工程名称", project.project_name));
    f.push_back(Text("project_address", "工程地址", project.project_address));
    f.push_back(Text("construction_date", "施工日期", project.construction_date));
    f.push_back(Text("construction_unit", "施工单位", project.construction_unit));
    f.push_back(Text("design_unit", "设计单位", project.design_unit));
    f.push_back(Text("supervision_unit", "监理单位", project.supervision_unit));
    f.push_back(Text("monitor_unit", "监督单位", project.monitor_unit));
    f.push_back(Text("concrete_producer", "砂浆生产单位", project.concrete_producer));
    f.push_back(Text("agent_unit", "委托单位", project.agent_unit));
    f.push_back(Text("agent_date", "委托日期", project.agent_date));
    f.push_back(Text("report_serial", "报告编号", project.report_serial));
    f.push_back(Text("examine_serial", "检测编号", project.examine_serial));
    f.push_back(Text("examine_reason", "检测原因", project.examine_reason));
    f.push_back(Text("examine_basis", "检测依据", project.examine_basis));
    f.push_back(Text("examine_condition", "检测环境", project.examine_condition));
    f.push_back(Text("design_strength", "设计强度", project.design_strength));
    f.push_back(Integer("reserved", "保留字节", project.reserved));
    f.push_back(Float("assessed_strength", "砂浆强度评定值", project.assessed_strength));
    f.push_back(Float("strength_std_dev", "强度标准差", project.strength_std_dev));
    f.push_back(Float("variation_coefficient", "变异系数", project.variation_coefficient));
    f.push_back(Integer("project_class", "工程分类", project.project_class));
    node.children_key = "components";
    node.child_label = "测区";
    node.count_label = "测区数目";
    for (std::size_t i = 0; i < project.ComponentCount(); ++i)
        node.children.push_back(ZoneNode(*project.GetComponent(i), false));
    return node;
}

std::string FloatText(float value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)error; // 32 bytes hold any float
    return std::string(buffer, end);
}

std::string RenderJson(const char *root_key, const Node &node)
{
    std::string out = "{\n  ";
    AppendJsonString(out, root_key);
    out += ": ";
    AppendJsonObject(out, node, 1);
    out += "\n}\n";
    return out;
}

std::string RenderPlain(const Node &node)
{
    std::string out;
    AppendPlain(out, node, "");
    return out;
}

} // namespace rebound::cli
