// ledfont-import: the import command of ledfont, which runs it in its place
// with the arguments that follow "import".
#include "CommandRun.h"
#include "ImportCommand.h"

namespace {

int RunImport(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    return ledfont::cli::RunSingleCommand(ledfont::cli::TypefaceImportCommand(), args, out, err);
}

}  // namespace

int main(int argc, char* argv[]) { return ledfont::cli::RunMain("ledfont import", argc, argv, RunImport); }
