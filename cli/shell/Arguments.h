#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "Error.h"
#include "FontMode.h"

namespace ledfont::cli {

// An option of one command besides --help, -o and the mode: "--size" with a
// value named "PX", or a flag when valueName is null.
struct OptionRule {
    const char* name;
    const char* valueName = nullptr;
};

// Whether a command reads --hindi and --jukta as the kind of its font.
enum class ModeRule {
    Required,  // exactly one of --hindi and --jukta, as flags
    FromFile,  // at most one: without it, the command takes the kind its file tells
    None,      // the command gives them meanings of its own in its options
};

// What a command accepts.
struct ArgumentRules {
    std::vector<const char*> operands{};  // names of the operands it needs, in order: {"HEX", "FONT"}
    bool takesOutput = false;             // -o OUT
    bool needsOutput = false;
    std::vector<const char*> optionalOperands{};  // names of operands that may follow those
    ModeRule mode = ModeRule::Required;
    std::vector<OptionRule> options{};
    // The command line goes as it is to the program that runs the command
    // (the import): it is not read here, and only words is set.
    bool readByItsProgram = false;
};

// A command line after its command name.
struct Arguments {
    std::vector<std::string> words;  // the command line as given, after the command's name
    std::vector<std::string> operands;
    std::optional<FontMode> mode;       // always there where the command requires it
    std::optional<std::string> output;  // "-" for standard output
    bool help = false;
    std::map<std::string, std::string> values;  // the command's own options given, by name ("" for a flag)

    bool Has(const std::string& option) const { return values.contains(option); }
    // The value of an option, or nothing when it was not given.
    std::optional<std::string> Value(const std::string& option) const;
    // The value of an option read as a whole number in lowest..highest, or
    // fallback when it was not given. Throws UsageError for anything else.
    int IntValue(const std::string& option, int lowest, int highest, int fallback) const;
};

// Reads --hindi, --jukta, -o OUT (also --output OUT, --output=OUT), --help,
// the command's own options (--name VALUE or --name=VALUE) and the operands;
// "--" ends the options. A value in the next word may not look like an
// option: it may start with "-" only as "-" itself (standard output) or as a
// negative number, so "--size -o out.txt" is a --size without its value, not
// a size "-o"; any other value starting with "-" is written after "=" in the
// same word (--output=-x.txt). Throws UsageError for an unknown option, an
// option given twice or without its value, a wrong number of operands, no
// mode (where one is required) or both, or a missing output. With --help
// nothing else is checked.
Arguments ParseArguments(std::span<const std::string> args, const ArgumentRules& rules);

}  // namespace ledfont::cli
