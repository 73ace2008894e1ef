#pragma once
// Splits a subcommand's arguments into operands, options with a value and
// flags. "--name=value" is accepted for long options; "--" ends options.

#include <map>
#include <set>
#include <string>
#include <vector>

namespace rebound::cli {

struct OptionSpec {
    std::vector<std::string> with_value; // e.g. "-o", "--zone"
    std::vector<std::string> flags;      // e.g. "--json"
};

struct ParsedArgs {
    std::vector<std::string> operands;
    std::map<std::string, std::string> values;
    std::set<std::string> flags;
    std::string error; // the usage problem, empty when the arguments parse

    bool Has(const std::string &flag) const { return flags.count(flag) != 0; }
    const std::string *Value(const std::string &option) const
    {
        const auto it = values.find(option);
        return it == values.end() ? nullptr : &it->second;
    }
};

// "--help" and "-h" are flags of every subcommand.
ParsedArgs ParseArguments(const std::vector<std::string> &args, const OptionSpec &spec);

// A zone number counted from 1: decimal digits only, 1 to 2^32-1.
bool ParseZoneNumber(const std::string &text, unsigned long &number);

} // namespace rebound::cli
