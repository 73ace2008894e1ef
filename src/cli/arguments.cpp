#include "arguments.h"

#include <algorithm>
#include <charconv>

namespace rebound::cli {

namespace {

bool Contains(const std::vector<std::string> &list, const std::string &item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

} // namespace

ParsedArgs ParseArguments(const std::vector<std::string> &args, const OptionSpec &spec)
{
    ParsedArgs parsed;
    bool options_done = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        if (options_done || arg.size() < 2 || arg[0] != '-') {
            parsed.operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            options_done = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            parsed.flags.insert("--help");
            continue;
        }
        std::string value;
        bool inline_value = false;
        if (arg.rfind("--", 0) == 0) {
            const auto equals = arg.find('=');
            if (equals != std::string::npos) {
                value = arg.substr(equals + 1);
                arg.resize(equals);
                inline_value = true;
            }
        }
        if (Contains(spec.flags, arg) && !inline_value) {
            parsed.flags.insert(arg);
        } else if (Contains(spec.with_value, arg)) {
            if (!inline_value) {
                if (i + 1 >= args.size()) {
                    parsed.error = "选项" + arg + "缺少参数";
                    return parsed;
                }
                value = args[++i];
            }
            if (!parsed.values.emplace(arg, value).second) {
                parsed.error = "选项" + arg + "只能给一次";
                return parsed;
            }
        } else {
            parsed.error = "未知选项：" + args[i];
            return parsed;
        }
    }
    return parsed;
}

bool ParseZoneNumber(const std::string &text, unsigned long &number)
{
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    unsigned long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value == 0 || value > 0xFFFFFFFFul)
        return false;
    number = value;
    return true;
}

} // namespace rebound::cli
