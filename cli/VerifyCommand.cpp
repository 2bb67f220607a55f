#include "Commands.h"
#include "ControllerMap.h"
#include "HexFileText.h"
#include "HexFontImage.h"
#include "HexVerify.h"
#include "LoadFontFile.h"
#include "OnFile.h"

namespace ledfont::cli {
namespace {

// Without a mode, the font file's size tells it; a HEX file whose addresses
// tell the other mode cannot hold that font, which is the problem found.
std::optional<HexProblem> VerifyInModeOfFiles(const std::string& hexText, const std::string& fontPath) {
    const FontMode mode = OnFile(fontPath, [&] { return FontFileMode(fontPath); });
    if (const std::optional<FontMode> imageMode = FontsInHexImage(hexText).Only();
        imageMode && *imageMode != mode)
        return HexProblem{0, std::string("the HEX file holds a ") + ModeName(*imageMode) + " font (" +
                                 ControllerMapText(*imageMode) + "), and " + fontPath + " a " +
                                 ModeName(mode) + " font"};
    return VerifyHexImage(hexText, LoadFontFile(fontPath, mode), mode);
}

int RunVerify(const Arguments& args, Streams& streams) {
    const std::string& hexPath = args.operands[0];
    const std::string& fontPath = args.operands[1];
    const std::string hexText = ReadHexFile(hexPath);
    const std::optional<HexProblem> problem =
        args.mode ? VerifyHexImage(hexText, LoadFontFile(fontPath, args.mode), *args.mode)
                  : VerifyInModeOfFiles(hexText, fontPath);
    if (!problem) {
        streams.out << "ok\n";
        return kExitOk;
    }
    streams.out << HexProblemLine(hexPath, *problem) << '\n';
    return kExitProblemsFound;
}

}  // namespace

const Command& VerifyCommand() {
    static const Command command{
        .name = "verify",
        .synopsis = "verify HEX FONT [--hindi|--jukta]",
        .summary = "check that an Intel HEX file holds exactly a font",
        .details =
            "Reads the Intel HEX file HEX back and compares it with FONT: every record\n"
            "well formed with a right checksum, only data, address and end records,\n"
            "data only at the controller addresses of the font (9000..A0FF for Hindi;\n"
            "A100..A97F and AA00..AA7F for Jukta), each byte once and equal to the\n"
            "font's, every byte present, and the end record last.\n"
            "Prints \"ok\", or the first problem as HEX:LINE: with the address, the\n"
            "glyph and the byte, and exits with 1. Without --hindi or --jukta, a HEX\n"
            "file whose addresses hold the other kind of font than FONT is that problem.\n",
        .rules = {.operands = {"HEX", "FONT"}, .mode = ModeRule::FromFile},
        .run = RunVerify,
    };
    return command;
}

}  // namespace ledfont::cli
