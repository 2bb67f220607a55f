#include <optional>

#include "Commands.h"
#include "LedLine.h"
#include "LineArt.h"
#include "LineLayout.h"
#include "LinePicture.h"
#include "LineText.h"
#include "LoadFontFile.h"
#include "OnFile.h"
#include "OutputGuard.h"
#include "PngOutput.h"
#include "PngWriter.h"
#include "WriteOutput.h"

namespace ledfont::cli {
namespace {

using picture::DrawLinePicture;
using picture::EncodePng;
using picture::kMostPictureColumns;
using picture::LineArt;
using sign::DrawLine;
using sign::LayOutLine;
using sign::LedLine;
using sign::LineFonts;
using sign::LineLayout;
using sign::LineNote;
using sign::DecodeLineText;

constexpr int kDefaultSpace = 4;
constexpr int kWidestSpace = 64;

std::string Columns(int n) { return std::to_string(n) + (n == 1 ? " column" : " columns"); }

// "37 columns", and with a sign width whether the line fits it.
std::string Summary(int columns, int signColumns) {
    std::string text = Columns(columns) + '\n';
    if (signColumns == 0) return text;
    if (columns <= signColumns) return text + "fits a sign of " + Columns(signColumns) + '\n';
    return text + "needs " + std::to_string(columns - signColumns) + " more " +
           (columns - signColumns == 1 ? "column" : "columns") + " than a sign of " + Columns(signColumns) +
           '\n';
}

int RunPreview(const Arguments& args, Streams& streams) {
    const std::optional<std::string> hindiPath = args.Value("--hindi");
    if (!hindiPath)
        throw MakeError<UsageError>("--hindi FONT is needed: the Hindi font to draw the text with");
    const std::optional<std::string> juktaPath = args.Value("--jukta");
    const int spaceColumns = args.IntValue("--space", 0, kWidestSpace, kDefaultSpace);
    const int signColumns = args.IntValue("--width", 1, kMostPictureColumns, 0);
    if (args.output) RefuseUnlessPngOutput(*args.output);

    const std::string& text = args.operands[0];
    DecodeLineText(text);  // refused before any font is read
    const FontState hindi = LoadFontFile(*hindiPath, FontMode::Hindi);
    std::optional<FontState> jukta;
    if (juktaPath) jukta = LoadFontFile(*juktaPath, FontMode::Jukta);
    const LineFonts fonts{hindi, jukta ? &*jukta : nullptr};

    const LineLayout layout = LayOutLine(text, fonts, spaceColumns);
    for (const LineNote& note : layout.notes) streams.err << "ledfont preview: " << note.text << '\n';
    // The line is drawn all the same; a script learns that it does not read as written.
    const int status = sign::TellsMissing(layout.notes) ? kExitProblemsFound : kExitOk;
    const LedLine line = DrawLine(layout, fonts);
    if (!args.output) {
        streams.out << LineArt(line) << Summary(line.Columns(), signColumns);
        return status;
    }
    const std::string& output = *args.output;
    const std::string png = EncodePng(DrawLinePicture(line, signColumns));
    const bool named = OnFile(output, [&] {
        if (juktaPath && output != "-") RefuseOverwritingFont(output, *juktaPath);
        return WriteOutput(output, *hindiPath, png, streams.out);
    });
    if (named) streams.out << Summary(line.Columns(), signColumns);
    return status;
}

}  // namespace

const Command& PreviewCommand() {
    static const Command command{
        "preview",
        "preview TEXT --hindi FONT [--jukta FONT] [--width COLS] [--space COLS] [-o OUT.png]",
        "show a line of Hindi text as the sign shows it",
        "Draws TEXT (UTF-8) with the glyphs of the Hindi font FONT, as a sign\n"
        "shows it:\n"
        "  - U+09xx is Hindi glyph xx; a space is --space dark columns (default 4);\n"
        "    ZWJ and ZWNJ draw nothing; any other character (a Latin letter, a\n"
        "    digit, punctuation) is a placeholder, a box 5 columns wide;\n"
        "  - consonant + virama + consonant is one glyph of the Jukta font, when\n"
        "    --jukta is given and it has a glyph with the code pair of the two\n"
        "    consonants (the low bytes of their code points: 15 37 for the\n"
        "    conjunct U+0915 U+094D U+0937); else the first one's half form, the\n"
        "    Jukta glyph of the pair (consonant, 4D), and the second; else the three\n"
        "    glyphs. A letter with a nukta has its precomposed letter's byte (5B);\n"
        "  - U+0930 + virama at the start of a cluster is the reph, the Jukta glyph\n"
        "    30 4D, drawn over the base or the ा ी ो ौ after it (a conjunct of र and\n"
        "    the consonant wins); after a virama, ZWNJ asks for the three glyphs\n"
        "    and ZWJ for the half form;\n"
        "  - a consonant glyph (class 0) takes its column count in columns, and\n"
        "    every lit LED of a glyph is drawn, those right of its column count\n"
        "    too: they overhang the glyphs after it;\n"
        "  - ी, ो and ौ (class 0) reach left: their columns left of the centre\n"
        "    column are drawn over the glyph before, and they take the rest;\n"
        "  - a vowel glyph (class 1) takes none: it is drawn over the glyph before\n"
        "    it, its centre column on that glyph's centre column;\n"
        "  - an ikaar glyph (class 2) is drawn before the consonant or the whole\n"
        "    conjunct it follows, and takes its columns; its arc overhangs them.\n"
        "Prints the line as 16 rows of LEDs ('#' lit, '.' dark) and the number of\n"
        "columns it takes; with --width COLS also whether it fits a sign that wide.\n"
        "With -o, draws it as a PNG picture instead, in the LEDs of 'sheet', with\n"
        "a green line where a sign of --width columns ends. OUT must end in .png\n"
        "(any case); \"-o -\" writes the picture to standard output.\n"
        "A glyph the editor could not show (a column count outside 3..16, a class\n"
        "outside 0..2), a vowel glyph with nothing before it, and lit LEDs that\n"
        "fall outside the line are drawn as their record says and reported on\n"
        "standard error. So are a character drawn as a placeholder and a glyph\n"
        "of the text that is blank, with their position; then the exit status\n"
        "is 1. Broken UTF-8 or a font that cannot be loaded stops it, with exit\n"
        "status 2.\n",
        {.operands = {"TEXT"},
         .takesOutput = true,
         .mode = ModeRule::None,
         .options = {{"--hindi", "FONT"}, {"--jukta", "FONT"}, {"--width", "COLS"}, {"--space", "COLS"}}},
        RunPreview,
    };
    return command;
}

}  // namespace ledfont::cli
