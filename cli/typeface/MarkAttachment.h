#pragma once

#include <map>
#include <optional>
#include <string>

#include "ConjunctShaper.h"
#include "Typeface.h"

namespace ledfont::cli {

// Where the typeface attaches marks, as HarfBuzz places them (the marks'
// anchors): for a base, the pixel x at which ु's attachment point lands on it,
// which is also where the sign stands the marks above; for a mark, its own
// attachment point. Both counted in pixels from the glyph's pen start, at the
// typeface's current size.
class MarkAttachment {
public:
    // typeface must keep its size while this lives.
    explicit MarkAttachment(const Typeface& typeface);

    // Of base (UTF-8: a letter or a conjunct): where ु lands on a consonant or
    // a conjunct, and where ं does on any other sign or where ु becomes part
    // of a ligature (रु); nothing when HarfBuzz puts neither apart.
    std::optional<int> BaseX(const std::string& base, bool consonant);
    // Of mark: for ु the middle of its ink; for any other, where it meets ु's
    // point on the consonants, the median over them; nothing when it attaches
    // to none of them.
    std::optional<int> MarkX(char32_t mark);

private:
    std::optional<int> InkMiddle(unsigned glyph) const;
    // Where mark's attachment point lands on base.
    std::optional<int> Lands(const std::string& base, char32_t mark);
    std::optional<int> MedianOverConsonants(char32_t mark);

    const Typeface& typeface_;
    ConjunctShaper shaper_;
    std::map<char32_t, std::optional<int>> marks_;
};

// The UTF-8 of one code point.
std::string Utf8Of(char32_t codePoint);

}  // namespace ledfont::cli
