#pragma once

#include <ostream>

#include "Arguments.h"

namespace ledfont::cli {

// Exit statuses of every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitProblemsFound = 1;  // check, verify or unhex found something wrong
inline constexpr int kExitFailure = 2;        // bad usage, unreadable input, a refused or failed write

struct Streams {
    std::ostream& out;  // results: findings, "ok", data written to "-"
    std::ostream& err;  // failures
};

// One subcommand of the companion, or the one the import program runs.
struct Command {
    const char* name;
    const char* synopsis;  // "hex FONT --hindi|--jukta [-o OUT]"
    const char* summary;   // one line for the list of commands
    const char* details;   // the rest of its --help
    ArgumentRules rules;
    int (*run)(const Arguments& args, Streams& streams);
};

}  // namespace ledfont::cli
