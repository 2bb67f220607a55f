#include "Command.h"
#include "FontFiles.h"
#include "SheetModule.h"

namespace ledfont::cli {
namespace {

int RunSheet(const Arguments& args, Streams& streams) {
    const std::string& fontPath = args.operands[0];
    const FontState font = LoadFontFile(fontPath, args.mode);
    const std::string png = FontSheetPng(font);
    OnFile(*args.output, [&] { WriteOutput(*args.output, fontPath, png, streams.out); });
    return kExitOk;
}

}  // namespace

const Command& SheetCommand() {
    static const Command command{
        "sheet",
        "sheet FONT --hindi|--jukta -o OUT.png",
        "draw every glyph of a font in one PNG picture",
        "Draws FONT as one PNG picture, 16 glyphs to a row: each glyph as its\n"
        "16 x 16 LEDs (lit red, dark near black), a green line after its last\n"
        "column (the column count), and its code under it (0900..097F for Hindi,\n"
        "00..3F for Jukta). \"-o -\" writes the picture to standard output.\n"
        "Needs no display.\n",
        {{"FONT"}, true, true, {}, ModeRule::Required, {}},
        RunSheet,
    };
    return command;
}

}  // namespace ledfont::cli
