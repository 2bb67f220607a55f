#include "ImportCommand.h"

#include "DefaultTypeface.h"
#include "ImportRun.h"
#include "ImportUsage.h"

namespace ledfont::cli {

const Command& TypefaceImportCommand() {
    static const Command command{
        .name = "import",
        .synopsis = kImportSynopsis,
        .summary = kImportSummary,
        .details =
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
            "64 conjuncts; blank lines and lines starting with \"#\" are skipped. A\n"
            "single consonant and a virama is its half form (\"स् 38 4D\"), drawn\n"
            "before the consonant it joins; \"र्\" (30 4D) is the reph, a mark above the\n"
            "right end of its syllable. A letter with a nukta has its precomposed\n"
            "letter's code byte (ज़ 5B).\n"
            "\n"
            "--corpus TEXTFILE chooses the 64 conjuncts, half forms and reph that\n"
            "join the most consonant + virama + consonant of the UTF-8 text in\n"
            "TEXTFILE (a half form counts for every cluster it serves), imports them,\n"
            "and writes the list it chose beside FONT (jukta.txt: jukta.conjuncts.txt)\n"
            "or to --list-out LIST, to be edited and imported again.\n"
            "\n"
            "Options:\n"
            "  --size PX        pixel size, 4..64; default: the largest at which every\n"
            "                   common sign (consonants, vowels, vowel signs, ँ ं ः ्,\n"
            "                   digits, । ॥) fits 16 rows, a row fitted in at each edge\n"
            "  --baseline ROW   the row (1..16, 1 at the top) that letters stand on;\n"
            "                   default: where the fewest common signs need fitting and\n"
            "                   then the fewest others are cut, in the middle of the room\n"
            "  --hinting MODE   none, light or full (the default)\n"
            "  --threshold N    render in grey and light the pixels above N (0..255);\n"
            "                   without it glyphs are rendered in 1 bit\n"
            "  --corpus TEXTFILE\n"
            "                   with --jukta: choose the glyphs from a text (above)\n"
            "  --list-out LIST  where the list --corpus chose goes\n"
            "\n"
            "Both kinds of font share the size and the baseline, found from U+0900..\n"
            "U+097F, so the headline lies on one row in every glyph. Ink that crosses\n"
            "the top or the bottom by a row is fitted in: a mark moves whole, a letter\n"
            "moves its ink above the headline or below the baseline. Column count: the\n"
            "advance, at least the ink's right edge (of ि the advance: its arc\n"
            "overhangs), 3..16; centre column: where HarfBuzz attaches ु to a consonant\n"
            "or conjunct, ं to another sign, a mark's own attachment point; of ी ो ौ\n"
            "the pen's start, their hook left of it; clamped to 1..15 and the column\n"
            "count, and told. Class (Hindi): ikaar for U+093F, vowel for the marks above and\n"
            "below, consonant for the rest. A sign is drawn alone, without a dotted\n"
            "circle. What the typeface lacks is left blank; ink fitted in or cut off at\n"
            "the edges of the grid is reported with the glyph. The report goes to standard error;\n"
            "the name of the file written to standard output. \"-o -\" writes the font\n"
            "to standard output.\n",
        .rules = {.takesOutput = true,
                  .needsOutput = true,
                  .optionalOperands = {"CONJUNCTS", "TYPEFACE"},
                  .mode = ModeRule::Required,
                  .options = {{.name = "--size", .valueName = "PX"},
                              {.name = "--baseline", .valueName = "ROW"},
                              {.name = "--hinting", .valueName = "MODE"},
                              {.name = "--threshold", .valueName = "N"},
                              {.name = "--corpus", .valueName = "TEXTFILE"},
                              {.name = "--list-out", .valueName = "LIST"}}},
        .run = RunImport,
    };
    return command;
}

}  // namespace ledfont::cli
