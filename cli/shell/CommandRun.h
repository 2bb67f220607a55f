#pragma once

#include <ostream>
#include <span>
#include <string>

#include "Command.h"

namespace ledfont::cli {

// The name every message of ledfont and of its import program starts with.
inline constexpr const char* kProgram = "ledfont";

// Runs one command on the arguments after its name and returns the exit
// status: 0 done, 1 problems found by check or verify, 2 bad usage or any
// failure (reported on err with the file it concerns). Never throws.
int RunSingleCommand(const Command& command, std::span<const std::string> args, std::ostream& out,
                     std::ostream& err);

// Tells err what is wrong with a command line (of command, or of ledfont
// itself when it is null), its synopsis and where to read more; returns 2.
int ReportUsage(const std::string& problem, const Command* command, std::ostream& err);

}  // namespace ledfont::cli
