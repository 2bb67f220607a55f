#pragma once

#include <ostream>
#include <span>
#include <string>

namespace ledfont::cli {

// Runs the command line args (without the program name) and returns the exit
// status: 0 done, 1 problems found by check, verify or unhex, 2 bad usage or any
// failure (reported on err with the file it concerns). Never throws.
int RunCompanion(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace ledfont::cli
