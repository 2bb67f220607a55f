#include "Commands.h"
#include "FontSheet.h"
#include "LoadFontFile.h"
#include "OnFile.h"
#include "PngOutput.h"
#include "PngWriter.h"
#include "WriteOutput.h"

namespace ledfont::cli {
namespace {

using picture::DrawFontSheet;
using picture::EncodePng;

int RunSheet(const Arguments& args, Streams& streams) {
    const std::string& output = *args.output;
    RefuseUnlessPngOutput(output);
    const std::string& fontPath = args.operands[0];
    const FontState font = LoadFontFile(fontPath, args.mode);
    const std::string png = EncodePng(DrawFontSheet(font, font.Mode()));
    OnFile(output, [&] { WriteOutput(output, fontPath, png, streams.out); });
    return kExitOk;
}

}  // namespace

const Command& SheetCommand() {
    static const Command command{
        .name = "sheet",
        .synopsis = "sheet FONT [--hindi|--jukta] -o OUT.png",
        .summary = "draw every glyph of a font in one PNG picture",
        .details =
            "Draws FONT as one PNG picture, 16 glyphs to a row: each glyph as its\n"
            "16 x 16 LEDs (lit red, dark near black), a green line after its last\n"
            "column (the column count), and its code under it (0900..097F for Hindi,\n"
            "00..3F for Jukta); a Jukta glyph also has its code pair (\"15 37\") on a\n"
            "second line. OUT must end in .png (any case); \"-o -\" writes the picture\n"
            "to standard output. Needs no display.\n",
        .rules = {.operands = {"FONT"}, .takesOutput = true, .needsOutput = true, .mode = ModeRule::FromFile},
        .run = RunSheet,
    };
    return command;
}

}  // namespace ledfont::cli
