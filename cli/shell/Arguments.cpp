#include "Arguments.h"

#include <charconv>

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
    for (const char* name : rules.optionalOperands) names += (names.empty() ? "[" : " [") + std::string(name) + "]";
    return names.empty() ? "no operand" : names;
}

const OptionRule* FindOption(const ArgumentRules& rules, const std::string& name) {
    for (const OptionRule& option : rules.options)
        if (name == option.name) return &option;
    return nullptr;
}

void TakeOutput(RawArguments& raw, std::string value) {
    if (raw.parsed.output) throw UsageError("-o is given twice");
    if (value.empty()) throw UsageError("-o needs a file name");
    raw.parsed.output = std::move(value);
}

// A valued option's value: after "=" in the same word, or the next word.
std::string TakeValue(std::span<const std::string> args, std::size_t& i, const std::string& name,
                      const std::optional<std::string>& attached, const char* valueName) {
    if (attached) return *attached;
    if (i + 1 >= args.size()) throw UsageError(name + " needs a value (" + valueName + ")");
    return args[++i];
}

// Reads the command's own option at args[i]; false when it is none of them.
bool TakeCommandOption(std::span<const std::string> args, std::size_t& i, const ArgumentRules& rules,
                       RawArguments& raw) {
    const std::string& word = args[i];
    const auto equals = word.find('=');
    const std::string name = word.substr(0, equals);
    const OptionRule* option = FindOption(rules, name);
    if (!option) return false;
    std::optional<std::string> attached;
    if (equals != std::string::npos) attached = word.substr(equals + 1);
    if (raw.parsed.values.contains(name)) throw UsageError(name + " is given twice");
    if (!option->valueName && attached) throw UsageError(name + " takes no value");
    raw.parsed.values[name] = option->valueName ? TakeValue(args, i, name, attached, option->valueName) : "";
    return true;
}

// Reads one option at args[i]; returns the index of its last word.
std::size_t TakeOption(std::span<const std::string> args, std::size_t i, const ArgumentRules& rules,
                       RawArguments& raw) {
    const std::string& word = args[i];
    if (TakeCommandOption(args, i, rules, raw)) return i;
    if (word == "--help" || word == "-h") {
        raw.parsed.help = true;
    } else if (rules.mode == ModeRule::Required && (word == "--hindi" || word == "--jukta")) {
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
        throw UsageError("expected " + OperandList(rules) + ", got " + std::to_string(a.operands.size()) +
                         (a.operands.size() == 1 ? " operand" : " operands"));
    if (rules.mode == ModeRule::Required && raw.modes == 0)
        throw UsageError("say which kind of font it is: --hindi or --jukta");
    if (raw.modes > 1) throw UsageError("give one of --hindi and --jukta, once");
    if (a.output && !rules.takesOutput) throw UsageError("this command writes no file; -o is not for it");
    if (!a.output && rules.needsOutput) throw UsageError("-o OUT is needed");
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
        throw UsageError(option + " takes a whole number from " + std::to_string(lowest) + " to " +
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
