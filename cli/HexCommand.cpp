#include "Commands.h"
#include "HexExport.h"
#include "LoadFontFile.h"
#include "OnFile.h"
#include "WriteOutput.h"

namespace ledfont::cli {
namespace {

int RunHex(const Arguments& args, Streams& streams) {
    const std::string& fontPath = args.operands[0];
    FontState font = LoadFontFile(fontPath, args.mode);
    if (!args.output) {
        // Exactly the window's Make HEX File for this font file.
        MakeHexFile(font);
        streams.out << HexOutputName(fontPath) << '\n';
    } else {
        const std::string text = HexImageText(font);
        const bool named =
            OnFile(*args.output, [&] { return WriteOutput(*args.output, fontPath, text, streams.out); });
        if (named) streams.out << *args.output << '\n';
    }
    return kExitOk;
}

}  // namespace

const Command& HexCommand() {
    static const Command command{
        .name = "hex",
        .synopsis = "hex FONT [--hindi|--jukta] [-o OUT]",
        .summary = "write the Intel HEX image of a font, as Make HEX File does",
        .details =
            "Loads FONT as a Hindi or a Jukta font and writes its Intel HEX image, the\n"
            "same file the editor's Make HEX File writes: beside FONT, with the last\n"
            "three characters of its name replaced by \"hex\" (font.txt -> font.hex),\n"
            "or to OUT. \"-o -\" writes to standard output; a named pipe or a device\n"
            "(/dev/stdout, /dev/null) is written into. A file is replaced only once\n"
            "the new one is complete; the font file itself is never overwritten.\n"
            "Prints the name of the file written (not of a pipe or a device).\n",
        .rules = {.operands = {"FONT"}, .takesOutput = true, .mode = ModeRule::FromFile},
        .run = RunHex,
    };
    return command;
}

}  // namespace ledfont::cli
