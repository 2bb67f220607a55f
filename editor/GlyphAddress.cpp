#include "GlyphAddress.h"

#include <optional>
#include <string>
#include <vector>

#include "Error.h"
#include "HexText.h"

namespace ledfont {
namespace {

constexpr char32_t kFirstCode = 0x0900;
constexpr char32_t kVirama = 0x094D;

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<int> HexValue(std::string_view digits) {
    int value = 0;
    for (const char ch : digits) {
        if (DigitValue(ch) < 0) return std::nullopt;
        value = value * 16 + DigitValue(ch);
    }
    return value;
}

// Code points of UTF-8 text; nothing for broken UTF-8.
std::optional<std::vector<char32_t>> CodePoints(std::string_view text) {
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80         ? 1
                           : (lead >> 5) == 6  ? 2
                           : (lead >> 4) == 14 ? 3
                           : (lead >> 3) == 30 ? 4
                                               : 0;
        if (length == 0 || i + static_cast<std::size_t>(length) > text.size()) return std::nullopt;
        char32_t point = length == 1 ? char32_t{lead} : static_cast<char32_t>(lead & (0x7Fu >> length));
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((next >> 6) != 2) return std::nullopt;
            point = (point << 6) | static_cast<char32_t>(next & 0x3Fu);
        }
        points.push_back(point);
        i += static_cast<std::size_t>(length);
    }
    return points;
}

bool IsDevanagari(char32_t point) { return point >= kFirstCode && point < kFirstCode + 128; }

[[noreturn]] void Refuse(std::string_view text, const std::string& why) {
    throw MakeError<InvalidCallError>("\"" + std::string(text) + "\" " + why);
}

std::int16_t ConjunctOf(const std::vector<char32_t>& points, const FontState& font, std::string_view text) {
    if (points.size() != 3 || points[1] != kVirama || !IsDevanagari(points[0]) || !IsDevanagari(points[2]))
        Refuse(text, "is not a conjunct: a consonant, a virama and a consonant");
    const auto first = static_cast<Byte>(points[0] - kFirstCode),
               second = static_cast<Byte>(points[2] - kFirstCode);
    for (int c = 0; c < GlyphCount(FontMode::Jukta); ++c)
        if (font.JuktaCodes(c, 0) == first && font.JuktaCodes(c, 1) == second)
            return static_cast<std::int16_t>(c);
    Refuse(text, "has no glyph in this font: no code pair " + HexCh(first) + " " + HexCh(second));
}

}  // namespace

std::int16_t GlyphOfAddress(std::string_view input, const FontState& font) {
    const std::string_view text = Trimmed(input);
    const FontMode mode = font.Mode();
    const auto value = HexValue(text);
    if (value && text.size() == 2) {
        if (*value > LastGlyph(mode))
            Refuse(text, "is past the last glyph, " + GlyphCodeText(mode, LastGlyph(mode)));
        return static_cast<std::int16_t>(*value);
    }
    if (value && text.size() == 4) {
        if (mode == FontMode::Jukta)
            Refuse(text, "is a code point: a Jukta font's glyphs go by index (00 to 3F)");
        if (!IsDevanagari(static_cast<char32_t>(*value)))
            Refuse(text, "is not a code of the font, 0900 to 097F");
        return static_cast<std::int16_t>(*value - static_cast<int>(kFirstCode));
    }
    const auto points = CodePoints(text);
    if (!points || points->empty() || (*points)[0] < 0x80)
        Refuse(text, "is no glyph: give a code (0915), an index (1F) or the character itself");
    if (mode == FontMode::Jukta) return ConjunctOf(*points, font, text);
    if (points->size() != 1 || !IsDevanagari((*points)[0]))
        Refuse(text, "is not one character of U+0900 to U+097F");
    return static_cast<std::int16_t>((*points)[0] - kFirstCode);
}

}  // namespace ledfont
