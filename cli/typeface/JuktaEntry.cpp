#include "JuktaEntry.h"

namespace ledfont::cli {

std::optional<GlyphInk> DrawJuktaEntry(ConjunctShaper& shaper, const Conjunct& entry) {
    static const std::string kZwj = "\u200D";
    switch (entry.kind) {
        case ConjunctKind::HalfForm:
            return shaper.Draw(entry.text.ends_with(kZwj) ? entry.text : entry.text + kZwj);
        case ConjunctKind::Reph:
            return shaper.DrawApart("र्क", "क");
        case ConjunctKind::Conjunct:
            break;
    }
    return shaper.Draw(entry.text);
}

GlyphClass JuktaEntryClass(const Conjunct& entry) {
    return entry.kind == ConjunctKind::Reph ? GlyphClass::Vowel : GlyphClass::Consonant;
}

}  // namespace ledfont::cli
