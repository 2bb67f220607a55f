// ledfont-import: the import command of ledfont, which runs it in its place
// with the arguments that follow "import".
#include <iostream>
#include <string>
#include <vector>

#include "Command.h"
#include "Companion.h"
#include "ImportRun.h"

int main(int argc, char* argv[]) {
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        ledfont::cli::Command command = ledfont::cli::ImportCommand();  // its usage and options
        command.run = ledfont::cli::RunImport;
        return ledfont::cli::RunSingleCommand(command, args, std::cout, std::cerr);
    } catch (...) {
        std::cerr << "ledfont import: out of memory\n";
        return 2;
    }
}
