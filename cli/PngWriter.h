#pragma once

#include <string>

#include "Picture.h"

namespace ledfont::cli {

// The PNG file of picture, in memory: 8-bit RGB, not interlaced, and nothing
// but the picture (no time, no text), so the same picture always gives the
// same bytes. Throws InvalidCallError with libpng's reason when it refuses
// (an empty picture) or fails.
std::string EncodePng(const Picture& picture);

}  // namespace ledfont::cli
