#include "Commands.h"
#include "ControllerMap.h"
#include "FontFile.h"
#include "HexFileText.h"
#include "HexFontImage.h"
#include "OnFile.h"
#include "WriteOutput.h"

namespace ledfont::cli {
namespace {

// The font to take from the image: the one asked for, or the one its
// addresses hold; a dump of both needs to be told which.
FontMode ImageMode(const std::string& hexPath, const std::string& hexText, std::optional<FontMode> asked) {
    const HexFontsHeld held = FontsInHexImage(hexText);
    const std::string quoted = "\"" + hexPath + "\"";
    if (asked && !held.Holds(*asked))
        throw MakeError<BadFileModeError>(quoted + " holds no byte of a " + ModeName(*asked) + " font (" +
                                          ControllerMapText(*asked) + ")");
    if (asked) return *asked;
    if (const std::optional<FontMode> only = held.Only()) return *only;
    const std::string maps = "a Hindi font at " + ControllerMapText(FontMode::Hindi) + ", a Jukta font at " +
                             ControllerMapText(FontMode::Jukta);
    if (held.hindi)
        throw MakeError<UsageError>(quoted + " holds two fonts, " + maps +
                                    ": say which to write, --hindi or --jukta");
    throw MakeError<BadFileModeError>(quoted + " holds no byte of a font (" + maps + ")");
}

int RunUnhex(const Arguments& args, Streams& streams) {
    const std::string& hexPath = args.operands[0];
    const std::string& output = *args.output;
    const std::string hexText = ReadHexFile(hexPath);
    const HexFont image = FontFromHexImage(hexText, ImageMode(hexPath, hexText, args.mode));
    for (const HexNote& note : image.notes) streams.err << HexProblemLine(hexPath, note.note) << '\n';
    const std::string text = FontText(image.font);
    const bool named = OnFile(output, [&] { return WriteOutput(output, hexPath, text, streams.out); });
    if (named) streams.out << output << '\n';
    return image.HasProblems() ? kExitProblemsFound : kExitOk;
}

}  // namespace

const Command& UnhexCommand() {
    static const Command command{
        .name = "unhex",
        .synopsis = "unhex HEX [--hindi|--jukta] -o FONT",
        .summary = "write the font file that an Intel HEX image holds",
        .details =
            "Reads the Intel HEX file HEX, a controller image that hex or the editor's\n"
            "Make HEX File wrote, another tool's (srec_cat, objcopy) or a dump read back\n"
            "from a controller, and writes the font it holds as the editor's Save\n"
            "writes it. The kind of font is the one whose controller addresses the\n"
            "image holds (9000..A0FF for Hindi; A100..A97F and AA00..AA7F for Jukta);\n"
            "an image that holds both needs --hindi or --jukta to say which to write.\n"
            "Addresses outside that map are listed and ignored. On standard error,\n"
            "as verify tells them: lines that are no record (their data is skipped),\n"
            "addresses written twice (the last record wins, as in the controller),\n"
            "a missing end record, and bytes of the map no record writes, which are\n"
            "written as in a blank font (see new). The font is written all the same,\n"
            "and the exit status is 1 when any of these was found. A file is replaced\n"
            "only once the new one is complete; \"-o -\" writes to standard output.\n"
            "Prints the name of the file written.\n",
        .rules = {.operands = {"HEX"}, .takesOutput = true, .needsOutput = true, .mode = ModeRule::FromFile},
        .run = RunUnhex,
    };
    return command;
}

}  // namespace ledfont::cli
