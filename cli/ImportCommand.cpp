#include <unistd.h>

#include <cerrno>
#include <iostream>
#include <vector>

#include "Command.h"
#include "DataFile.h"
#include "SystemError.h"

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
        "import",
        "import --hindi|--jukta [CONJUNCTS] -o FONT [TYPEFACE] [options]",
        "start a font from a TrueType or OpenType typeface",
        "Renders a typeface into a font: with --hindi every code point U+0900..U+097F\n"
        "into its glyph, with --jukta every conjunct of the list CONJUNCTS (or of the\n"
        "list of 64 common Hindi conjuncts that comes with ledfont), shaped as one\n"
        "glyph. TYPEFACE defaults to " LEDFONT_DEFAULT_TYPEFACE
        ".\n"
        "A Jukta import given one operand tells a typeface from a list by its first\n"
        "bytes (00 01 00 00, \"OTTO\", \"true\" or \"ttcf\").\n"
        "\n"
        "CONJUNCTS holds one conjunct a line as Devanagari text (UTF-8), optionally\n"
        "followed by its two code bytes in hexadecimal: \"क्ष 15 37\". Without them\n"
        "the code pair is the low bytes of the first and the last consonant. At most\n"
        "64 conjuncts; blank lines and lines starting with \"#\" are skipped.\n"
        "\n"
        "Options:\n"
        "  --size PX        pixel size, 4..64; default: the largest at which the ink\n"
        "                   of U+0900..U+097F fits 16 rows\n"
        "  --baseline ROW   the row (1..16, 1 at the top) that letters stand on;\n"
        "                   default: where the ink of the fewest glyphs of U+0900..\n"
        "                   U+097F is cut, in the middle of the room left\n"
        "  --hinting MODE   none, light or full (the default)\n"
        "  --threshold N    render in grey and light the pixels above N (0..255);\n"
        "                   without it glyphs are rendered in 1 bit\n"
        "\n"
        "Both kinds of font share the size and the baseline, found from U+0900..\n"
        "U+097F, so the headline lies on one row in every glyph. Column count: the\n"
        "advance, at least the ink's right edge (3..16); centre column: the middle\n"
        "of the ink; class (Hindi): ikaar for U+093F, vowel for the marks above and\n"
        "below, consonant for the rest. A sign is drawn alone, without a dotted\n"
        "circle. What the typeface lacks is left blank; ink cut off at the edges of\n"
        "the grid is reported with the glyph. The report goes to standard error;\n"
        "the name of the file written to standard output. \"-o -\" writes the font\n"
        "to standard output.\n",
        {{},
         true,
         true,
         {"CONJUNCTS", "TYPEFACE"},
         ModeRule::Required,
         {{"--size", "PX"}, {"--baseline", "ROW"}, {"--hinting", "MODE"}, {"--threshold", "N"}}},
        RunImportProgram,
    };
    return command;
}

}  // namespace ledfont::cli
