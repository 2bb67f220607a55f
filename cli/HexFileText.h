#pragma once

#include <string>

#include "HexImageReader.h"

namespace ledfont::cli {

// The text of the Intel HEX file at path, as verify and unhex read it.
std::string ReadHexFile(const std::string& path);

// A problem of the HEX file at path as its line of a report: "font.hex:3:
// text", or "font.hex: text" for the file as a whole.
std::string HexProblemLine(const std::string& path, const HexProblem& problem);

}  // namespace ledfont::cli
