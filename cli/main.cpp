// ledfont: the command-line companion of the LED font editor.
#include <iostream>
#include <string>
#include <vector>

#include "Companion.h"

int main(int argc, char* argv[]) {
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        return ledfont::cli::RunCompanion(args, std::cout, std::cerr);
    } catch (...) {
        // Only memory exhaustion can get here; no failure may end the program unreported.
        std::cerr << "ledfont: out of memory\n";
        return 2;
    }
}
