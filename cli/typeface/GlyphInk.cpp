#include "GlyphInk.h"

#include <algorithm>

namespace ledfont::cli {

InkBounds GlyphInk::Bounds() const {
    InkBounds b{lit.front().x, lit.front().x, lit.front().y, lit.front().y};
    for (const InkPixel& p : lit) {
        b.left = std::min(b.left, p.x);
        b.right = std::max(b.right, p.x);
        b.top = std::max(b.top, p.y);
        b.bottom = std::min(b.bottom, p.y);
    }
    return b;
}

void GlyphInk::Add(const GlyphInk& other, int dx, int dy) {
    for (const InkPixel& p : other.lit) lit.push_back({p.x + dx, p.y + dy});
}

}  // namespace ledfont::cli
