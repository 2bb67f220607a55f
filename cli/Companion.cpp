#include "Companion.h"

#include <array>

#include "CommandRun.h"
#include "Commands.h"

namespace ledfont::cli {
namespace {

std::array<const Command*, 11> AllCommands() {
    return {&HexCommand(),     &VerifyCommand(),  &UnhexCommand(),    &CheckCommand(),
            &SheetCommand(),   &PreviewCommand(), &CoverageCommand(), &EncodeCommand(),
            &ComposeCommand(), &NewCommand(),     &ImportCommand()};
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
        << "Exit status: 0 done, 1 check, verify or unhex found problems, 2 bad usage or a failure.\n"
        << "'" << kProgram << " --version' tells the version.\n";
}

}  // namespace

int RunCompanion(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return ReportUsage(MakeError<UsageError>("no command given"), nullptr, err);
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
    if (!command) return ReportUsage(MakeError<UsageError>("unknown command " + name), nullptr, err);
    return RunSingleCommand(*command, args.subspan(1), out, err);
}

}  // namespace ledfont::cli
