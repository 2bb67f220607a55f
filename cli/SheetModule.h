#pragma once

#include <string>

#include "FontState.h"

namespace ledfont::cli {

// The picture of a font is drawn by a module of its own (ledfont-sheet.so,
// beside the program), loaded only when a sheet is asked for: it needs Qt,
// and loading Qt would more than double the start-up time of every other
// command.

// The module's entry point. Draws font as a PNG into png and returns true, or
// returns false with the reason in problem; never throws.
using FontSheetPngEntry = bool (*)(const FontState& font, bool isJukta, std::string& png,
                                   std::string& problem);
inline constexpr const char* kFontSheetPngSymbol = "LedFontSheetPng";
inline constexpr const char* kSheetModuleName = "ledfont-sheet.so";

// The PNG picture of font, through the module beside the running program.
// Throws PathFileAccessError when the module cannot be loaded or fails.
std::string FontSheetPng(const FontState& font);

}  // namespace ledfont::cli
