#pragma once

#include <ostream>
#include <span>
#include <string>

#include "Command.h"

namespace ledfont::cli {

// The name every message of ledfont and of its import program starts with.
inline constexpr const char* kProgram = "ledfont";

// Runs one command on the arguments after its name and returns the exit
// status: 0 done, 1 problems found by check, verify or unhex, 2 bad usage or
// any failure (reported on err with the file it concerns). Never throws.
int RunSingleCommand(const Command& command, std::span<const std::string> args, std::ostream& out,
                     std::ostream& err);

// Tells err what is wrong with a command line (of command, or of ledfont
// itself when it is null), its synopsis and where to read more; returns 2.
int ReportUsage(const UsageError& problem, const Command* command, std::ostream& err);

// Tells err, as who ("ledfont hex"), the failure being handled that is no
// Error of the program: memory running out as such, anything else as an
// unexpected failure, with its own words where it has them. Only inside a
// handler.
void ReportUnexpected(const std::string& who, std::ostream& err);

// A program as its main runs it: the arguments after its name, its streams,
// and the exit status it returns.
using Program = int (*)(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// The whole of a main: runs program on argv and returns its exit status; a
// failure that escapes it is told on standard error as who's and gives 2, so
// that nothing ends the program unreported.
int RunMain(const char* who, int argc, char* argv[], Program program);

}  // namespace ledfont::cli
