#include "LineLayout.h"

#include <algorithm>

#include "Error.h"
#include "HexText.h"
#include "LineText.h"
#include "sign_compose.h"

namespace ledfont::sign {
namespace {

FontMode ModeOfCore(std::uint8_t font) { return font == SIGN_JUKTA ? FontMode::Jukta : FontMode::Hindi; }

std::string Counted(unsigned n, const char* one, const char* many) {
    return std::to_string(n) + (n == 1 ? one : many);
}

// What the user reads for a warning of the core.
std::string WarningText(const SignWarning& w) {
    const std::string n = std::to_string(w.detail);
    switch (static_cast<SignWarningCode>(w.code)) {
        case SIGN_WARN_COLUMN_COUNT:
            return "column count " + n + " is outside 3..16; drawn " + n + " columns wide";
        case SIGN_WARN_CLASS:
            return "class " + n + " is outside 0..2; drawn as a consonant";
        case SIGN_WARN_MARK_ALONE:
            return "a mark with no glyph before it to stand on; drawn where it is, " + n + " columns wide";
        case SIGN_WARN_LEDS_OUTSIDE:
            return Counted(w.detail, " lit LED falls", " lit LEDs fall") + " outside the line; not shown";
        case SIGN_WARN_BLANK_GLYPH:
            return "the glyph is blank; nothing shows for it";
        case SIGN_WARN_PLACEHOLDER:
            break;  // told by PlaceholderNote
    }
    return "warning " + std::to_string(w.code);
}

// "character 2, U+0041: not in the fonts; drawn as a box"
LineNote PlaceholderNote(std::size_t character, char32_t ch) {
    return {character,
            "character " + std::to_string(character) + ", " + CodePointText(ch) +
                ": not in the fonts; drawn as a box",
            true};
}

LineNote NoteOf(const SignWarning& w, const std::u32string& text) {
    const std::size_t character = w.character + std::size_t{1};
    if (w.code == SIGN_WARN_PLACEHOLDER) return PlaceholderNote(character, text.at(w.character));
    const FontMode font = ModeOfCore(w.font);
    return {character,
            "character " + std::to_string(character) + ", " + ModeName(font) + " " +
                GlyphNameText(font, w.glyph) + ": " + WarningText(w),
            w.code == SIGN_WARN_BLANK_GLYPH};
}

PlacedGlyph PlacedOf(const SignGlyph& g) {
    return {ModeOfCore(g.font), g.glyph, static_cast<int>(g.column), g.columns, g.character + std::size_t{1},
            (g.flags & SIGN_GLYPH_PLACEHOLDER) != 0};
}

[[noreturn]] void Refuse(SignStatus status, const SignLine& line) {
    switch (status) {
        case SIGN_NOT_UTF8:
            throw NotUtf8Error(line.error_character + 1, line.error_offset + 1);
        case SIGN_NOT_DEVANAGARI:
            throw NotDevanagariError(line.error_character + 1, line.error_code_point);
        case SIGN_TOO_LONG:
            throw InvalidCallError("Invalid procedure call or argument (the text holds more than " +
                                   std::to_string(SIGN_MOST_CHARACTERS) + " characters)");
        default:
            throw UnreadableFontsError();
    }
}

}  // namespace

LineLayout LayOutLine(std::string_view utf8, const LineFonts& fonts, int spaceColumns) {
    if (spaceColumns < 0 || spaceColumns > 255)
        throw InvalidCallError("Invalid procedure call or argument (a space of " +
                               std::to_string(spaceColumns) + " columns)");
    const SignFonts core = fonts.Core();
    // A character gives at most one glyph and a glyph two warnings; a second
    // round takes what the first said it needs, should that ever be more.
    std::vector<SignGlyph> glyphs(utf8.size());
    std::vector<SignWarning> warnings(2 * utf8.size());
    SignLine line{};
    const auto compose = [&] {
        line = SignLine{};
        line.glyphs = glyphs.data();
        line.glyph_capacity = glyphs.size();
        line.warnings = warnings.data();
        line.warning_capacity = warnings.size();
        return sign_compose_utf8(&core, utf8.data(), utf8.size(), static_cast<std::uint8_t>(spaceColumns),
                                 &line);
    };
    SignStatus status = compose();
    if (status == SIGN_NO_ROOM) {
        glyphs.resize(std::max(glyphs.size(), line.glyph_count));
        warnings.resize(std::max(warnings.size(), line.warning_count));
        status = compose();
    }
    if (status != SIGN_OK) Refuse(status, line);

    LineLayout layout;
    layout.columns = static_cast<int>(line.columns);
    for (std::size_t i = 0; i < line.glyph_count; ++i) layout.glyphs.push_back(PlacedOf(glyphs[i]));
    const std::u32string text = line.warning_count > 0 ? DecodeLineText(utf8) : std::u32string();
    for (std::size_t i = 0; i < line.warning_count; ++i) layout.notes.push_back(NoteOf(warnings[i], text));
    return layout;
}

bool TellsMissing(const std::vector<LineNote>& notes) {
    return std::any_of(notes.begin(), notes.end(), [](const LineNote& note) { return note.missing; });
}

}  // namespace ledfont::sign
