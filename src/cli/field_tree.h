#pragma once
// The model's fields as a tree of (name, label, value), the one place that
// lists which fields `info` shows; rendered as JSON or as labelled lines.

#include "model/rebound_file.h"

#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace rebound::cli {

using FieldValue = std::variant<std::string /* UTF-8 text */, std::uint64_t, float, std::array<std::uint8_t, 12>>;

struct Field {
    const char *key;   // the model's field name
    const char *label; // the label a person reads
    FieldValue value;
};

struct Node {
    std::vector<Field> fields;
    const char *children_key = nullptr;  // "components" or "areas"
    const char *child_label = nullptr;   // "测区" or "测位"
    const char *count_label = nullptr;   // "测区数目" or "测位数"
    std::vector<Node> children;
};

// The fields a project file stores.
Node ProjectNode(const ReboundFile &project);
// The fields a zone record stores, or with `from_instrument` only those an
// instrument file carries.
Node ZoneNode(const ComponentInfo &zone, bool from_instrument);

// The shortest decimal that reads back to the same float; "nan", "inf",
// "-inf" for the others.
std::string FloatText(float value);

// {"<root_key>": {...}} with two-space indentation and a final newline.
std::string RenderJson(const char *root_key, const Node &node);
// One "label：value" line per field, children numbered from 1 and indented.
std::string RenderPlain(const Node &node);

} // namespace rebound::cli
