#pragma once

#include <string>

#include "Picture.h"

namespace ledfont::picture {

// The PNG file of picture, in memory: 8-bit RGB, not interlaced, and nothing
// but the picture (no time, no text), so the same picture always gives the
// same bytes. Throws InvalidCallError with libpng's reason when it refuses
// (an empty picture) or fails.
std::string EncodePng(const Picture& picture);

// Whether a file name ends in ".png", in any case. A picture goes only to a
// name that says it is one, so that a slip such as "-o font.hex" cannot put a
// PNG where a script expects something else.
bool IsPngName(const std::string& name);

}  // namespace ledfont::picture
