#include "Commands.h"
#include "FontFiles.h"
#include "HexVerify.h"
#include "ReadableFile.h"

namespace ledfont::cli {
namespace {

// A font image is about 12 KB; anything this large cannot be one.
constexpr std::size_t kLargestHexFile = 64 * 1024 * 1024;

int RunVerify(const Arguments& args, Streams& streams) {
    const std::string& hexPath = args.operands[0];
    const FontState font = LoadFontFile(args.operands[1], args.mode);
    const std::string hexText = OnFile(hexPath, [&] { return ReadWholeFile(hexPath, kLargestHexFile); });
    const std::optional<HexProblem> problem = VerifyHexImage(hexText, font, args.mode);
    if (!problem) {
        streams.out << "ok\n";
        return kExitOk;
    }
    streams.out << hexPath << ':';
    if (problem->line > 0) streams.out << problem->line << ':';
    streams.out << ' ' << problem->text << '\n';
    return kExitProblemsFound;
}

}  // namespace

const Command& VerifyCommand() {
    static const Command command{
        "verify",
        "verify HEX FONT --hindi|--jukta",
        "check that an Intel HEX file holds exactly a font",
        "Reads the Intel HEX file HEX back and compares it with FONT: every record\n"
        "well formed with a right checksum, only data, address and end records,\n"
        "data only at the controller addresses of the font (9000..A0FF for Hindi;\n"
        "A100..A97F and AA00..AA7F for Jukta), each byte once and equal to the\n"
        "font's, every byte present, and the end record last.\n"
        "Prints \"ok\", or the first problem as HEX:LINE: with the address, the\n"
        "glyph and the byte, and exits with 1.\n",
        {.operands = {"HEX", "FONT"}},
        RunVerify,
    };
    return command;
}

}  // namespace ledfont::cli
