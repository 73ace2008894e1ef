#pragma once
// rebound-cli: batch work on project, zone and instrument files from
// scripts. RunCli holds everything but the process itself, so tests drive
// it with string streams and a pinned date.

#include "model/date_provider.h"
#include "model/tansy_string.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace rebound::cli {

enum ExitCode : int {
    kExitOk = 0,
    kExitFailure = 1, // an input or output failed, or a calculation was refused
    kExitUsage = 2,   // wrong usage
};

struct CliContext {
    std::ostream &out;
    std::ostream &err;
    // Today's date text for new projects and zones.
    const DateProvider &dates;
    // The test date text of an instrument file: its creation date as the
    // locale writes a short date. Asked before the file is read.
    std::function<TansyString(const std::string &path)> instrument_test_date;
    // Where the report command looks for "Setting/Config.ini" and the
    // template directories; empty: the process's working directory.
    std::string working_dir = {};
};

// `args` without the program name.
int RunCli(const std::vector<std::string> &args, CliContext &context);

// The usage text (UTF-8), every subcommand with its synopsis.
std::string UsageText();

} // namespace rebound::cli
