#include "CommandRun.h"

#include <exception>

namespace ledfont::cli {
namespace {

void ShowHelp(const Command& command, std::ostream& out) {
    out << "Usage: " << kProgram << ' ' << command.synopsis << "\n\n" << command.details;
}

Arguments ReadArguments(std::span<const std::string> args, const ArgumentRules& rules) {
    if (!rules.readByItsProgram) return ParseArguments(args, rules);
    Arguments asGiven;
    asGiven.words.assign(args.begin(), args.end());
    return asGiven;
}

int RunCommand(const Command& command, std::span<const std::string> args, Streams& streams) {
    try {
        const Arguments parsed = ReadArguments(args, command.rules);
        if (parsed.help) {
            ShowHelp(command, streams.out);
            return kExitOk;
        }
        return command.run(parsed, streams);
    } catch (const UsageError& e) {
        return ReportUsage(e.Description(), &command, streams.err);
    } catch (const Error& e) {
        streams.err << kProgram << ' ' << command.name << ": " << e.Description() << '\n';
    } catch (const std::exception& e) {
        streams.err << kProgram << ' ' << command.name << ": unexpected failure: " << e.what() << '\n';
    }
    return kExitFailure;
}

}  // namespace

int ReportUsage(const std::string& problem, const Command* command, std::ostream& err) {
    const std::string who = command ? std::string(kProgram) + ' ' + command->name : kProgram;
    err << who << ": " << problem << '\n'
        << "Usage: " << kProgram << ' ' << (command ? command->synopsis : "COMMAND ARGUMENTS") << '\n'
        << "Run '" << who << " --help' for more.\n";
    return kExitFailure;
}

int RunSingleCommand(const Command& command, std::span<const std::string> args, std::ostream& out,
                     std::ostream& err) {
    Streams streams{out, err};
    const int status = RunCommand(command, args, streams);
    out.flush();
    if (!out) {
        err << kProgram << ' ' << command.name << ": cannot write to standard output\n";
        return kExitFailure;
    }
    return status;
}

}  // namespace ledfont::cli
