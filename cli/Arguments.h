#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "Error.h"
#include "FontMode.h"

namespace ledfont::cli {

// What a command accepts besides its options.
struct ArgumentRules {
    std::vector<const char*> operands;  // names, in order: {"HEX", "FONT"}
    bool takesOutput = false;           // -o OUT
    bool needsOutput = false;
};

// A command line after its command name.
struct Arguments {
    std::vector<std::string> operands;
    FontMode mode = FontMode::Hindi;
    std::optional<std::string> output;  // "-" for standard output
    bool help = false;
};

// Reads --hindi, --jukta, -o OUT (also --output OUT, --output=OUT), --help
// and the operands; "--" ends the options. Throws UsageError for an unknown
// option, a wrong number of operands, no mode or both, or a missing output.
// With --help nothing else is checked.
Arguments ParseArguments(std::span<const std::string> args, const ArgumentRules& rules);

}  // namespace ledfont::cli
