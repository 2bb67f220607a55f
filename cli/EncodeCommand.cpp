#include "Commands.h"
#include "HexText.h"
#include "LineFontFiles.h"
#include "LineLayout.h"
#include "LineText.h"

namespace ledfont::cli {
namespace {

using sign::LayOutLine;
using sign::LineLayout;
using sign::LineNote;
using sign::PlacedGlyph;

// The width of a space on the sign as preview draws it; the codes do not depend on it.
constexpr int kSpaceColumns = 4;
constexpr const char* kSpaceCode = "_";

// A placeholder has no code: firmware has no glyph for the character either.
constexpr const char* kPlaceholderCode = "?";

std::string GlyphCode(const PlacedGlyph& glyph) {
    if (glyph.placeholder) return kPlaceholderCode;
    return (glyph.font == FontMode::Jukta ? "J" : "H") + HexCh(static_cast<Byte>(glyph.glyph));
}

// A glyph stands as many columns further right in the wider layout as there
// are spaces before it in the text, so the difference tells where the spaces go.
std::string Codes(const LineLayout& line, const LineLayout& wider) {
    std::string codes;
    const auto append = [&](const std::string& code) { codes += (codes.empty() ? "" : " ") + code; };
    int spacesSoFar = 0;
    const auto appendSpacesUpTo = [&](int spaces) {
        for (; spacesSoFar < spaces; ++spacesSoFar) append(kSpaceCode);
    };
    for (std::size_t i = 0; i < line.glyphs.size(); ++i) {
        appendSpacesUpTo(wider.glyphs[i].column - line.glyphs[i].column);
        append(GlyphCode(line.glyphs[i]));
    }
    appendSpacesUpTo(wider.columns - line.columns);
    return codes + '\n';
}

int RunEncode(const Arguments& args, Streams& streams) {
    const std::string& text = args.operands[0];
    sign::DecodeLineText(text);  // refused before any font is read
    const LineFontFiles files = LoadLineFontFiles(args);
    const sign::LineFonts fonts = files.Fonts();
    const LineLayout line = LayOutLine(text, fonts, kSpaceColumns);
    const LineLayout wider = LayOutLine(text, fonts, kSpaceColumns + 1);
    for (const LineNote& note : line.notes) streams.err << "ledfont encode: " << note.text << '\n';
    streams.out << Codes(line, wider);
    return sign::TellsMissing(line.notes) ? kExitProblemsFound : kExitOk;
}

}  // namespace

const Command& EncodeCommand() {
    static const Command command{
        "encode",
        "encode TEXT --hindi FONT [--jukta FONT]",
        "print the glyph codes the sign shows a line of Hindi text with",
        "Composes TEXT (UTF-8) as preview does and prints the glyphs it is drawn\n"
        "with, in the order they are drawn, on one line: H and two hexadecimal\n"
        "digits for a glyph of the Hindi font (H15 is glyph 15, U+0915), J and two\n"
        "for a glyph of the Jukta font (J07 is its glyph 07), _ for each space of\n"
        "the text, and ? for a character the fonts lack. An ikaar stands\n"
        "before the cluster it is drawn before; a vowel sign after the glyph it is\n"
        "drawn on. This is what firmware that keeps its messages as glyph codes\n"
        "stores. What preview reports about the glyphs is reported on standard\n"
        "error; a placeholder or a blank glyph makes the exit status 1; broken\n"
        "UTF-8 or a font that cannot be loaded stops it, with exit status 2.\n",
        {.operands = {"TEXT"}, .mode = ModeRule::None, .options = {{"--hindi", "FONT"}, {"--jukta", "FONT"}}},
        RunEncode,
    };
    return command;
}

}  // namespace ledfont::cli
