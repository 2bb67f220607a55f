// ledfont: the command-line companion of the LED font editor.
#include "CommandRun.h"
#include "Companion.h"

int main(int argc, char* argv[]) {
    return ledfont::cli::RunMain("ledfont", argc, argv, ledfont::cli::RunCompanion);
}
