#include "Commands.h"
#include "FontCheck.h"
#include "LoadFontFile.h"

namespace ledfont::cli {
namespace {

int RunCheck(const Arguments& args, Streams& streams) {
    const std::string& fontPath = args.operands[0];
    LoadReport seen;
    const FontState font = LoadFontFile(fontPath, args.mode, &seen);
    const std::vector<FontFinding> findings = CheckFont(font, font.Mode(), seen);
    for (const FontFinding& finding : findings)
        streams.out << fontPath << ':' << finding.line << ": " << finding.text << '\n';
    if (!findings.empty()) return kExitProblemsFound;
    streams.out << "ok\n";
    return kExitOk;
}

}  // namespace

const Command& CheckCommand() {
    static const Command command{
        .name = "check",
        .synopsis = "check FONT [--hindi|--jukta]",
        .summary = "list what the editor cannot show or would change in a font",
        .details =
            "Loads FONT and lists, as FONT:LINE: glyph INDEX (CODE): problem, every\n"
            "column count outside 3..16, class outside 0..2, centre column outside\n"
            "1..15 or right of the column count, lit cells right of the column count\n"
            "(of a consonant or a vowel glyph: an ikaar's arc is meant to overhang),\n"
            "and in a Jukta font every empty (00 00) or repeated code pair. LINE is\n"
            "the line of the byte in FONT. Prints \"ok\" when there is nothing, and\n"
            "exits with 1 when there is something.\n",
        .rules = {.operands = {"FONT"}, .mode = ModeRule::FromFile},
        .run = RunCheck,
    };
    return command;
}

}  // namespace ledfont::cli
