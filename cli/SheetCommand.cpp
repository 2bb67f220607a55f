#include "Commands.h"
#include "FontFiles.h"
#include "FontSheet.h"
#include "PngWriter.h"

namespace ledfont::cli {
namespace {

using picture::DrawFontSheet;
using picture::EncodePng;
using picture::IsPngName;

int RunSheet(const Arguments& args, Streams& streams) {
    const std::string& output = *args.output;
    if (output != "-" && !IsPngName(output))
        throw UsageError("OUT must end in .png, or be - for standard output");
    const std::string& fontPath = args.operands[0];
    const FontState font = LoadFontFile(fontPath, args.mode);
    const std::string png = EncodePng(DrawFontSheet(font, args.mode));
    OnFile(output, [&] { WriteOutput(output, fontPath, png, streams.out); });
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
        "00..3F for Jukta); a Jukta glyph also has its code pair (\"15 37\") on a\n"
        "second line. OUT must end in .png (any case); \"-o -\" writes the picture\n"
        "to standard output. Needs no display.\n",
        {.operands = {"FONT"}, .takesOutput = true, .needsOutput = true},
        RunSheet,
    };
    return command;
}

}  // namespace ledfont::cli
