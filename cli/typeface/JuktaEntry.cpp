#include "JuktaEntry.h"

#include <algorithm>

namespace ledfont::cli {

const std::string kRakarBase = "म";
const std::string kMarkBase = "क";

namespace {

// The ink that text has and base alone has not, where the typeface puts it
// beside base: the rakar beside म's stem (म's strokes stand clear of it), ें
// over क, the reph over क's right end.
std::optional<GlyphInk> InkBeside(ConjunctShaper& shaper, const std::string& text, const std::string& base) {
    const std::optional<GlyphInk> alone = shaper.Draw(base);
    const std::optional<GlyphInk> joined = shaper.Draw(text);
    if (!alone || !joined) return std::nullopt;
    GlyphInk ink;  // no advance: a mark
    for (const InkPixel& p : joined->lit)
        if (std::none_of(alone->lit.begin(), alone->lit.end(), [&](const InkPixel& q) { return q.x == p.x && q.y == p.y; }))
            ink.lit.push_back(p);
    return ink;
}

}  // namespace

std::optional<GlyphInk> DrawJuktaEntry(ConjunctShaper& shaper, const Conjunct& entry) {
    static const std::string kZwj = "\u200D";
    switch (entry.kind) {
        case ConjunctKind::HalfForm:
            return shaper.Draw(entry.text.ends_with(kZwj) ? entry.text : entry.text + kZwj);
        case ConjunctKind::Reph:
            return InkBeside(shaper, "र्" + kMarkBase, kMarkBase);
        case ConjunctKind::Rakar:
            return InkBeside(shaper, kRakarBase + entry.text, kRakarBase);
        case ConjunctKind::SignPair:
            return InkBeside(shaper, kMarkBase + entry.text, kMarkBase);
        case ConjunctKind::Conjunct:
        case ConjunctKind::WithVowelSign:
            break;
    }
    return shaper.Draw(entry.text);
}

GlyphClass JuktaEntryClass(const Conjunct& entry) {
    const bool mark = entry.kind == ConjunctKind::Reph || entry.kind == ConjunctKind::Rakar ||
                      entry.kind == ConjunctKind::SignPair;
    return mark ? GlyphClass::Vowel : GlyphClass::Consonant;
}

}  // namespace ledfont::cli
