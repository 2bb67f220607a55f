#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "FontMode.h"
#include "FontState.h"

namespace ledfont {

// The first thing wrong with a HEX file, where it stands.
struct HexProblem {
    long line = 0;  // from 1; 0 for the file as a whole (a missing end record or byte)
    std::string text;
};

// Reads an Intel HEX image back and compares it with the font it should hold.
// Every line must be a well-formed record (see ParseHexRecord); line ends may
// be CR LF or LF. Data may only fall on the controller map of the mode, each
// address once, with the font's byte; the end record must close the file, and
// every byte of the map must have been written. Extended segment and linear
// address records move the data that follows; start address records are
// allowed and ignored. Returns the first problem in the order of the file,
// or nothing when the file holds exactly the font.
std::optional<HexProblem> VerifyHexImage(std::string_view hexText, const FontState& font, FontMode mode);

}  // namespace ledfont
