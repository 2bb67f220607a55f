#include "Arguments.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace ledfont::cli {
namespace {

// Options and operands as they come, before the rules are applied.
struct RawArguments {
    Arguments parsed;
    int modes = 0;
};

[[noreturn]] void Refuse(const std::string& problem) { throw MakeError<UsageError>(problem); }

std::string OperandList(const ArgumentRules& rules) {
    std::string names;
    for (const char* name : rules.operands) names += (names.empty() ? "" : " ") + std::string(name);
    for (const char* name : rules.optionalOperands)
        names += (names.empty() ? "[" : " [") + std::string(name) + "]";
    return names.empty() ? "no operand" : names;
}

const OptionRule* FindOption(const ArgumentRules& rules, const std::string& name) {
    for (const OptionRule& option : rules.options)
        if (name == option.name) return &option;
    return nullptr;
}

bool IsNegativeNumber(const std::string& word) {
    return word.size() > 1 && word[0] == '-' && std::all_of(word.begin() + 1, word.end(), [](char ch) {
               return std::isdigit(static_cast<unsigned char>(ch));
           });
}

// A word that the command line reads as an option: "-" alone is standard
// output, and a negative number is a value (which its option then judges).
bool LooksLikeOption(const std::string& word) {
    return word.size() > 1 && word[0] == '-' && !IsNegativeNumber(word);
}

// The word after an option, as its value; what stands there must not be an option.
const std::string& NextWordAsValue(std::span<const std::string> args, std::size_t& i, const std::string& name,
                                   const std::string& needs, const std::string& howToWrite) {
    if (i + 1 >= args.size()) Refuse(name + " needs " + needs);
    const std::string& next = args[i + 1];
    if (LooksLikeOption(next))
        Refuse(name + " needs " + needs + ", and " + next + " is an option: " + howToWrite);
    return args[++i];
}

void TakeOutput(RawArguments& raw, std::string value) {
    if (raw.parsed.output) Refuse("-o is given twice");
    if (value.empty()) Refuse("-o needs a file name");
    raw.parsed.output = std::move(value);
}

// Reads the command's own option at args[i]; false when it is none of them.
bool TakeCommandOption(std::span<const std::string> args, std::size_t& i, const ArgumentRules& rules,
                       RawArguments& raw) {
    const std::string& word = args[i];
    const auto equals = word.find('=');
    const std::string name = word.substr(0, equals);
    const OptionRule* option = FindOption(rules, name);
    if (!option) return false;
    if (raw.parsed.values.contains(name)) Refuse(name + " is given twice");
    if (!option->valueName) {
        if (equals != std::string::npos) Refuse(name + " takes no value");
        raw.parsed.values[name] = "";
    } else if (equals != std::string::npos) {
        raw.parsed.values[name] = word.substr(equals + 1);
    } else {
        raw.parsed.values[name] =
            NextWordAsValue(args, i, name, "a value (" + std::string(option->valueName) + ")",
                            "a value that starts with \"-\" is written " + name + "=VALUE");
    }
    return true;
}

// Reads one option at args[i]; returns the index of its last word.
std::size_t TakeOption(std::span<const std::string> args, std::size_t i, const ArgumentRules& rules,
                       RawArguments& raw) {
    const std::string& word = args[i];
    if (TakeCommandOption(args, i, rules, raw)) return i;
    if (word == "--help" || word == "-h") {
        raw.parsed.help = true;
    } else if (rules.mode != ModeRule::None && (word == "--hindi" || word == "--jukta")) {
        raw.parsed.mode = word == "--jukta" ? FontMode::Jukta : FontMode::Hindi;
        ++raw.modes;
    } else if (word == "-o" || word == "--output") {
        TakeOutput(raw, NextWordAsValue(args, i, word, "a file name",
                                        "a name that starts with \"-\" is written --output=NAME or ./NAME"));
    } else if (word.starts_with("--output=")) {
        TakeOutput(raw, word.substr(9));
    } else {
        Refuse("unknown option " + word);
    }
    return i;
}

RawArguments Scan(std::span<const std::string> args, const ArgumentRules& rules) {
    RawArguments raw;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (!optionsEnded && word == "--")
            optionsEnded = true;
        else if (!optionsEnded && word.size() > 1 && word[0] == '-')
            i = TakeOption(args, i, rules, raw);
        else
            raw.parsed.operands.push_back(word);
    }
    return raw;
}

void ApplyRules(const RawArguments& raw, const ArgumentRules& rules) {
    const Arguments& a = raw.parsed;
    const std::size_t most = rules.operands.size() + rules.optionalOperands.size();
    if (a.operands.size() < rules.operands.size() || a.operands.size() > most)
        Refuse("expected " + OperandList(rules) + ", got " + std::to_string(a.operands.size()) +
               (a.operands.size() == 1 ? " operand" : " operands"));
    if (rules.mode == ModeRule::Required && raw.modes == 0)
        Refuse("say which kind of font it is: --hindi or --jukta");
    if (raw.modes > 1) Refuse("give one of --hindi and --jukta, once");
    if (a.output && !rules.takesOutput) Refuse("this command writes no file; -o is not for it");
    if (!a.output && rules.needsOutput) Refuse("-o OUT is needed");
}

}  // namespace

std::optional<std::string> Arguments::Value(const std::string& option) const {
    const auto found = values.find(option);
    if (found == values.end()) return std::nullopt;
    return found->second;
}

int Arguments::IntValue(const std::string& option, int lowest, int highest, int fallback) const {
    const std::optional<std::string> text = Value(option);
    if (!text) return fallback;
    int value = 0;
    const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (ec != std::errc() || end != text->data() + text->size() || value < lowest || value > highest)
        Refuse(option + " takes a whole number from " + std::to_string(lowest) + " to " +
               std::to_string(highest) + ", not \"" + *text + "\"");
    return value;
}

Arguments ParseArguments(std::span<const std::string> args, const ArgumentRules& rules) {
    RawArguments raw = Scan(args, rules);
    if (!raw.parsed.help) ApplyRules(raw, rules);
    raw.parsed.words.assign(args.begin(), args.end());
    return raw.parsed;
}

}  // namespace ledfont::cli
