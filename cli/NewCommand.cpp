#include "BlankGlyph.h"
#include "Commands.h"
#include "FontFile.h"
#include "OnFile.h"
#include "WriteOutput.h"

namespace ledfont::cli {
namespace {

int RunNew(const Arguments& args, Streams& streams) {
    const std::string& output = *args.output;
    const std::string text = FontText(BlankFont(*args.mode));
    const bool named = OnFile(output, [&] { return WriteOutput(output, "", text, streams.out); });
    if (args.mode == FontMode::Jukta)
        streams.err << (output == "-" ? "(standard output)" : output)
                    << ": the 64 code pairs are 00 00, empty until they are typed in\n";
    if (named) streams.out << output << '\n';
    return kExitOk;
}

}  // namespace

const Command& NewCommand() {
    static const Command command{
        .name = "new",
        .synopsis = "new --hindi|--jukta -o FONT",
        .summary = "write a blank font that the editor loads",
        .details =
            "Writes a font of blank glyphs, as the editor shows a glyph at start-up:\n"
            "column count 10, centre column 1, class consonant, every LED dark; a Jukta\n"
            "font's code pairs are 00 00. A file is replaced only once the new one is\n"
            "complete; \"-o -\" writes to standard output. Prints the name of the file\n"
            "written.\n",
        .rules = {.takesOutput = true, .needsOutput = true, .mode = ModeRule::Required},
        .run = RunNew,
    };
    return command;
}

}  // namespace ledfont::cli
