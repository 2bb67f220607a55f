#include "JuktaEntry.h"

#include <algorithm>

namespace ledfont::cli {

const std::string kRakarBase = "म";

namespace {

// The ink that म्र has and म has not, where the typeface puts it beside म's
// stem: म's stroke stands clear of the rakar, which crosses nothing of it.
std::optional<GlyphInk> RakarInk(ConjunctShaper& shaper) {
    const std::optional<GlyphInk> base = shaper.Draw(kRakarBase);
    const std::optional<GlyphInk> joined = shaper.Draw(kRakarBase + "्र");
    if (!base || !joined) return std::nullopt;
    GlyphInk rakar;  // no advance: a mark
    for (const InkPixel& p : joined->lit)
        if (std::none_of(base->lit.begin(), base->lit.end(), [&](const InkPixel& q) { return q.x == p.x && q.y == p.y; }))
            rakar.lit.push_back(p);
    return rakar;
}

}  // namespace

std::optional<GlyphInk> DrawJuktaEntry(ConjunctShaper& shaper, const Conjunct& entry) {
    static const std::string kZwj = "\u200D";
    switch (entry.kind) {
        case ConjunctKind::HalfForm:
            return shaper.Draw(entry.text.ends_with(kZwj) ? entry.text : entry.text + kZwj);
        case ConjunctKind::Reph:
            return shaper.DrawApart("र्क", "क");
        case ConjunctKind::Rakar:
            return RakarInk(shaper);
        case ConjunctKind::Conjunct:
        case ConjunctKind::WithVowelSign:
            break;
    }
    return shaper.Draw(entry.text);
}

GlyphClass JuktaEntryClass(const Conjunct& entry) {
    const bool mark = entry.kind == ConjunctKind::Reph || entry.kind == ConjunctKind::Rakar;
    return mark ? GlyphClass::Vowel : GlyphClass::Consonant;
}

}  // namespace ledfont::cli
