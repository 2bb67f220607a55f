#include "CommandRun.h"

#include <exception>
#include <iostream>
#include <new>
#include <vector>

namespace ledfont::cli {
namespace {

void ShowHelp(const Command& command, std::ostream& out) {
    out << "Usage: " << kProgram << ' ' << command.synopsis << "\n\n" << command.details;
    if (command.rules.mode == ModeRule::FromFile)
        out << "Without --hindi or --jukta, the font file's size tells which it is, as the\n"
               "editor's Load sees it: 4352 items or more are a Hindi font, 2304 to 4351 a\n"
               "Jukta font.\n";
}

Arguments ReadArguments(std::span<const std::string> args, const ArgumentRules& rules) {
    if (!rules.readByItsProgram) return ParseArguments(args, rules);
    Arguments asGiven;
    asGiven.words.assign(args.begin(), args.end());
    return asGiven;
}

int RunCommand(const Command& command, std::span<const std::string> args, Streams& streams) {
    const std::string who = std::string(kProgram) + ' ' + command.name;
    try {
        const Arguments parsed = ReadArguments(args, command.rules);
        if (parsed.help) {
            ShowHelp(command, streams.out);
            return kExitOk;
        }
        return command.run(parsed, streams);
    } catch (const UsageError& e) {
        return ReportUsage(e, &command, streams.err);
    } catch (const Error& e) {
        streams.err << who << ": " << e.Description() << '\n';
    } catch (...) {
        ReportUnexpected(who, streams.err);
    }
    return kExitFailure;
}

}  // namespace

int ReportUsage(const UsageError& problem, const Command* command, std::ostream& err) {
    const std::string who = command ? std::string(kProgram) + ' ' + command->name : kProgram;
    err << who << ": " << problem.Description() << '\n'
        << "Usage: " << kProgram << ' ' << (command ? command->synopsis : "COMMAND ARGUMENTS") << '\n'
        << "Run '" << who << " --help' for more.\n";
    return kExitFailure;
}

void ReportUnexpected(const std::string& who, std::ostream& err) {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        err << who << ": out of memory\n";
    } catch (const std::exception& e) {
        err << who << ": unexpected failure: " << e.what() << '\n';
    } catch (...) {
        err << who << ": unexpected failure of an unknown kind\n";
    }
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

int RunMain(const char* who, int argc, char* argv[], Program program) {
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        return program(args, std::cout, std::cerr);
    } catch (...) {
        ReportUnexpected(who, std::cerr);
        return kExitFailure;
    }
}

}  // namespace ledfont::cli
