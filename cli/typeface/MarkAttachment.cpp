#include "MarkAttachment.h"

#include <algorithm>
#include <vector>

#include "Utf8.h"

namespace ledfont::cli {
namespace {

constexpr char32_t kSignU = 0x0941;
constexpr char32_t kAnusvara = 0x0902;
constexpr char32_t kFirstConsonant = 0x0915;
constexpr char32_t kLastConsonant = 0x0939;

}  // namespace

std::string Utf8Of(char32_t cp) { return sign::EncodeUtf8(std::u32string(1, cp)); }

MarkAttachment::MarkAttachment(const Typeface& typeface) : typeface_(typeface), shaper_(typeface) {}

std::optional<int> MarkAttachment::InkMiddle(unsigned glyph) const {
    const GlyphInk ink = typeface_.Render(glyph);
    if (ink.Empty()) return std::nullopt;
    const InkBounds b = ink.Bounds();
    return (b.left + b.right) / 2;
}

std::optional<int> MarkAttachment::Lands(const std::string& base, char32_t mark) {
    const std::optional<ConjunctShaper::MarkPlace> place = shaper_.PlaceMark(base, Utf8Of(mark));
    if (!place) return std::nullopt;
    // ु's point is the middle of the very glyph HarfBuzz chose (a typeface may have several).
    const std::optional<int> point = mark == kSignU ? InkMiddle(place->glyph) : MarkX(mark);
    if (!point) return std::nullopt;
    return place->x + *point;
}

std::optional<int> MarkAttachment::BaseX(const std::string& base, bool consonant) {
    if (consonant)
        if (const std::optional<int> x = Lands(base, kSignU)) return x;
    return Lands(base, kAnusvara);
}

std::optional<int> MarkAttachment::MarkX(char32_t mark) {
    if (mark == kSignU) {
        const unsigned glyph = typeface_.GlyphOf(kSignU);
        return glyph ? InkMiddle(glyph) : std::nullopt;
    }
    if (const auto known = marks_.find(mark); known != marks_.end()) return known->second;
    marks_[mark] = std::nullopt;  // while it is sought: a mark met again on the way attaches nowhere
    const std::optional<int> x = MedianOverConsonants(mark);
    marks_[mark] = x;
    return x;
}

std::optional<int> MarkAttachment::MedianOverConsonants(char32_t mark) {
    std::vector<int> points;
    for (char32_t c = kFirstConsonant; c <= kLastConsonant; ++c) {
        const std::string base = Utf8Of(c);
        const std::optional<int> u = Lands(base, kSignU);
        const std::optional<ConjunctShaper::MarkPlace> place = shaper_.PlaceMark(base, Utf8Of(mark));
        if (u && place) points.push_back(*u - place->x);
    }
    if (points.empty()) return std::nullopt;
    std::nth_element(points.begin(), points.begin() + static_cast<long>(points.size() / 2), points.end());
    return points[points.size() / 2];
}

}  // namespace ledfont::cli
