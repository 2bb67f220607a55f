#pragma once

#include <string>

#include "LedLine.h"

namespace ledfont::picture {

// The line for a terminal: 16 rows, one character per LED, '#' lit and '.' dark.
std::string LineArt(const sign::LedLine& line);

}  // namespace ledfont::picture
