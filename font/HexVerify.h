#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "FontMode.h"
#include "FontState.h"
#include "HexImageReader.h"

namespace ledfont {

// Reads an Intel HEX image back and compares it with the font it should hold.
// The file is read as ReadHexImage reads it; data may only fall on the
// controller map of the mode, each address once, with the font's byte; the
// end record must close the file, and every byte of the map must have been
// written. Returns the first problem in the order of the file, or nothing
// when the file holds exactly the font.
std::optional<HexProblem> VerifyHexImage(std::string_view hexText, const FontState& font, FontMode mode);

}  // namespace ledfont
