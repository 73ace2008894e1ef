#pragma once
// The subcommands of rebound-cli, one file each, and the helpers they share.

#include "arguments.h"
#include "cli.h"

#include <string>
#include <vector>

namespace rebound::cli {

struct CliCommand {
    const char *name;
    const char *synopsis; // the arguments, as the usage text shows them
    const char *summary;  // one line
    OptionSpec options;
    int (*run)(const ParsedArgs &args, CliContext &context);
};

// Every subcommand, in the order the usage text lists them.
const std::vector<CliCommand> &Commands();

int RunInfo(const ParsedArgs &args, CliContext &context);
int RunCalc(const ParsedArgs &args, CliContext &context);
int RunImport(const ParsedArgs &args, CliContext &context);
int RunExport(const ParsedArgs &args, CliContext &context);
int RunExportXlsx(const ParsedArgs &args, CliContext &context);
int RunExportCsv(const ParsedArgs &args, CliContext &context);
int RunReport(const ParsedArgs &args, CliContext &context);

// One line on stderr; kExitFailure.
int Fail(CliContext &context, const std::string &message);
// The problem and the usage text on stderr; kExitUsage.
int UsageError(CliContext &context, const std::string &message);
// The value of a required option, or nullptr after reporting its absence.
const std::string *RequiredOption(const ParsedArgs &args, const std::string &option, CliContext &context,
                                  int &exit_code);

} // namespace rebound::cli
