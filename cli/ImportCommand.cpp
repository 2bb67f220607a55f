#include <unistd.h>

#include <cerrno>
#include <iostream>
#include <vector>

#include "Commands.h"
#include "DataFile.h"
#include "SystemError.h"
#include "typeface/ImportUsage.h"

namespace ledfont::cli {
namespace {

constexpr const char* kImportProgram = "ledfont-import";

// The import runs as a program of its own, in this one's place, so that only
// it loads FreeType and HarfBuzz; it gets the same arguments, standard
// streams and exit status. Only strings cross: there is no interface to keep
// in step between the two.
int RunImportProgram(const Arguments& args, Streams& streams) {
    const std::string program = FindHelperProgram(kImportProgram);
    std::vector<std::string> words{program};
    words.insert(words.end(), args.words.begin(), args.words.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    streams.out.flush();
    streams.err.flush();
    std::cout.flush();
    ::execv(program.c_str(), argv.data());
    ThrowFileError(errno, "run", program);
}

}  // namespace

const Command& ImportCommand() {
    static const Command command{
        .name = "import",
        .synopsis = kImportSynopsis,
        .summary = kImportSummary,
        .details = nullptr,  // the import program tells its own --help
        .rules = {.readByItsProgram = true},
        .run = RunImportProgram,
    };
    return command;
}

}  // namespace ledfont::cli
