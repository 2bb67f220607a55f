#include "Companion.h"

#include <array>
#include <exception>

#include "Command.h"

namespace ledfont::cli {
namespace {

constexpr const char* kProgram = "ledfont";

std::array<const Command*, 7> AllCommands() {
    return {&HexCommand(),     &VerifyCommand(), &CheckCommand(), &SheetCommand(),
            &PreviewCommand(), &NewCommand(),    &ImportCommand()};
}

const Command* FindCommand(const std::string& name) {
    for (const Command* command : AllCommands())
        if (name == command->name) return command;
    return nullptr;
}

void ShowOverview(std::ostream& out) {
    out << "Usage: " << kProgram << " COMMAND ARGUMENTS\n"
        << "Batch work on the font files of the LED font editor.\n\nCommands:\n";
    for (const Command* command : AllCommands())
        out << "  " << command->synopsis << "\n      " << command->summary << '\n';
    out << "\nRun '" << kProgram << " COMMAND --help' for one command.\n"
        << "Exit status: 0 done, 1 check or verify found problems, 2 bad usage or a failure.\n"
        << "'" << kProgram << " --version' tells the version.\n";
}

void ShowHelp(const Command& command, std::ostream& out) {
    out << "Usage: " << kProgram << ' ' << command.synopsis << "\n\n" << command.details;
}

int ReportUsage(const std::string& problem, const Command* command, std::ostream& err) {
    const std::string who = command ? std::string(kProgram) + ' ' + command->name : kProgram;
    err << who << ": " << problem << '\n'
        << "Usage: " << kProgram << ' ' << (command ? command->synopsis : "COMMAND ARGUMENTS") << '\n'
        << "Run '" << who << " --help' for more.\n";
    return kExitFailure;
}

int RunCommand(const Command& command, std::span<const std::string> args, Streams& streams) {
    try {
        const Arguments parsed = ParseArguments(args, command.rules);
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

int RunCompanion(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return ReportUsage("no command given", nullptr, err);
    const std::string& name = args[0];
    if (name == "--help" || name == "-h" || name == "help") {
        ShowOverview(out);
        return kExitOk;
    }
    if (name == "--version") {
        out << kProgram << ' ' << LEDFONT_VERSION << '\n';
        return kExitOk;
    }
    const Command* command = FindCommand(name);
    if (!command) return ReportUsage("unknown command " + name, nullptr, err);
    return RunSingleCommand(*command, args.subspan(1), out, err);
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
