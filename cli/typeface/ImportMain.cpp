// ledfont-import: the import command of ledfont, which runs it in its place
// with the arguments that follow "import".
#include <iostream>
#include <string>
#include <vector>

#include "CommandRun.h"
#include "ImportCommand.h"

int main(int argc, char* argv[]) {
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        return ledfont::cli::RunSingleCommand(ledfont::cli::TypefaceImportCommand(), args, std::cout,
                                              std::cerr);
    } catch (...) {
        std::cerr << "ledfont import: out of memory\n";
        return 2;
    }
}
