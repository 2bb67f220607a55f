#include "LineArt.h"

#include "GlyphLimits.h"

namespace ledfont::picture {

std::string LineArt(const sign::LedLine& line) {
    std::string art;
    art.reserve(static_cast<std::size_t>(line.Columns() + 1) * kGridSide);
    for (int y = 0; y < kGridSide; ++y) {
        for (int x = 0; x < line.Columns(); ++x) art += line.IsLit(x, y) ? '#' : '.';
        art += '\n';
    }
    return art;
}

}  // namespace ledfont::picture
