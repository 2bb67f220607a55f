#include "GlyphCode.h"

#include <cstdio>

namespace ledfont {

std::string GlyphCodeText(FontMode mode, int index) {
    char buf[16];
    if (mode == FontMode::Jukta)
        std::snprintf(buf, sizeof buf, "%02X", static_cast<unsigned>(index));
    else
        std::snprintf(buf, sizeof buf, "%04X", static_cast<unsigned>(0x0900 + index));
    return buf;
}

std::string GlyphNameText(FontMode mode, int index) {
    return "glyph " + std::to_string(index) + " (" + GlyphCodeText(mode, index) + ")";
}

}  // namespace ledfont
