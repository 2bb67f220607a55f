#include "Arguments.h"

namespace ledfont::cli {
namespace {

// Options and operands as they come, before the rules are applied.
struct RawArguments {
    Arguments parsed;
    int modes = 0;
};

std::string OperandList(const ArgumentRules& rules) {
    std::string names;
    for (const char* name : rules.operands) names += (names.empty() ? "" : " ") + std::string(name);
    return names;
}

void TakeOutput(RawArguments& raw, std::string value) {
    if (raw.parsed.output) throw UsageError("-o is given twice");
    if (value.empty()) throw UsageError("-o needs a file name");
    raw.parsed.output = std::move(value);
}

// Reads one option at args[i]; returns the index of its last word.
std::size_t TakeOption(std::span<const std::string> args, std::size_t i, RawArguments& raw) {
    const std::string& word = args[i];
    if (word == "--help" || word == "-h") {
        raw.parsed.help = true;
    } else if (word == "--hindi" || word == "--jukta") {
        raw.parsed.mode = word == "--jukta" ? FontMode::Jukta : FontMode::Hindi;
        ++raw.modes;
    } else if (word == "-o" || word == "--output") {
        if (i + 1 >= args.size()) throw UsageError(word + " needs a file name");
        TakeOutput(raw, args[++i]);
    } else if (word.starts_with("--output=")) {
        TakeOutput(raw, word.substr(9));
    } else {
        throw UsageError("unknown option " + word);
    }
    return i;
}

RawArguments Scan(std::span<const std::string> args) {
    RawArguments raw;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (!optionsEnded && word == "--")
            optionsEnded = true;
        else if (!optionsEnded && word.size() > 1 && word[0] == '-')
            i = TakeOption(args, i, raw);
        else
            raw.parsed.operands.push_back(word);
    }
    return raw;
}

void ApplyRules(const RawArguments& raw, const ArgumentRules& rules) {
    const Arguments& a = raw.parsed;
    if (a.operands.size() != rules.operands.size())
        throw UsageError("expected " + OperandList(rules) + ", got " + std::to_string(a.operands.size()) +
                         (a.operands.size() == 1 ? " operand" : " operands"));
    if (raw.modes == 0) throw UsageError("say which kind of font it is: --hindi or --jukta");
    if (raw.modes > 1) throw UsageError("give one of --hindi and --jukta, once");
    if (a.output && !rules.takesOutput) throw UsageError("this command writes no file; -o is not for it");
    if (!a.output && rules.needsOutput) throw UsageError("-o OUT is needed");
}

}  // namespace

Arguments ParseArguments(std::span<const std::string> args, const ArgumentRules& rules) {
    RawArguments raw = Scan(args);
    if (!raw.parsed.help) ApplyRules(raw, rules);
    return raw.parsed;
}

}  // namespace ledfont::cli
