#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "FontMode.h"
#include "FontState.h"
#include "HexImageReader.h"

namespace ledfont {

// Which fonts' maps a HEX image puts data on, whatever else is wrong with it.
struct HexFontsHeld {
    bool hindi = false;
    bool jukta = false;

    bool Holds(FontMode mode) const { return mode == FontMode::Jukta ? jukta : hindi; }
    // The mode of the one font the image holds; nothing for both or none.
    std::optional<FontMode> Only() const {
        if (hindi == jukta) return std::nullopt;
        return hindi ? FontMode::Hindi : FontMode::Jukta;
    }
};
HexFontsHeld FontsInHexImage(std::string_view hexText);

// One thing a HEX image told about the font it holds.
struct HexNote {
    HexProblem note;
    bool isProblem = true;  // false for addresses outside the map, which are only listed
};

struct HexFont {
    FontState font;              // in the mode asked for (IsJukta), no FontFile
    std::vector<HexNote> notes;  // in the order of the file, then the runs of missing bytes
    bool HasProblems() const;
};

// The font of mode that a HEX image holds, as the controller would hold it
// once the image is loaded: each byte of the map from the last record that
// writes it, and where no record does, the byte of a blank font (BlankFont).
// The image is read as ReadHexImage reads it, on past what it cannot use;
// the notes tell every line that is no record (its data skipped), every byte
// written again, every run of addresses outside the map (ignored), a missing
// end record, and every run of bytes of the map that no record writes.
HexFont FontFromHexImage(std::string_view hexText, FontMode mode);

}  // namespace ledfont
