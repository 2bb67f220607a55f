#pragma once

#include <vector>

#include "ByteTable.h"
#include "FontMode.h"
#include "FontState.h"

namespace ledfont {

// The font as it was last loaded or saved: the records and code pairs of its
// mode, which is all a font file holds. Tells which of them changed since.
class SavedFont {
public:
    // Takes the mode's records (and code pairs) of font as the saved state.
    void Remember(const FontState& font);

    // Glyphs whose record differs from the saved one, in index order; every
    // glyph when the mode itself changed.
    std::vector<int> ChangedRecords(const FontState& font) const;
    // Conjuncts whose code pair differs (a Jukta font only).
    std::vector<int> ChangedCodes(const FontState& font) const;
    bool Differs(const FontState& font) const;

    FontMode Mode() const { return mode_; }

private:
    FontMode mode_ = FontMode::Hindi;
    std::vector<Byte> records_;  // 34 bytes per glyph of the mode
    std::vector<Byte> codes_;    // 2 per conjunct, Jukta only
};

}  // namespace ledfont
