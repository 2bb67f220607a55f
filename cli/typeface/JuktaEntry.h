#pragma once

#include <optional>

#include "ConjunctList.h"
#include "ConjunctShaper.h"
#include "GlyphLimits.h"

namespace ledfont::cli {

extern const std::string kRakarBase;
extern const std::string kMarkBase;

// How the typeface draws an entry of a Jukta font: a conjunct as it shapes
// it, a half form as the consonant, virama and ZWJ shape, the reph as the
// ink that "र्क" has and "क" (kMarkBase) has not, over क's right end, the rakar as the ink that "म्र" has
// and "म" (kRakarBase) has not, where it stands beside म's stem, a pair of
// signs above as the ink that "कें" has and "क" (kMarkBase) has not.
std::optional<GlyphInk> DrawJuktaEntry(ConjunctShaper& shaper, const Conjunct& entry);

// The reph, the rakar and a pair of signs are marks; conjuncts and half forms take their columns.
GlyphClass JuktaEntryClass(const Conjunct& entry);

}  // namespace ledfont::cli
