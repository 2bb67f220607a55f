#include "GlyphRecord.h"

#include <string>

#include "GlyphLimits.h"

namespace ledfont {

int GlyphView::CellByte(int x, int y) {
    if (x < 0 || x >= kGridSide || y < 0 || y >= kGridSide)
        throw MakeError<SubscriptError>("cell (" + std::to_string(x) + ", " + std::to_string(y) +
                                        ") is outside the " + std::to_string(kGridSide) + " x " +
                                        std::to_string(kGridSide) + " grid");
    return 2 + 2 * x + y / 8;
}

bool GlyphView::IsLit(int x, int y) const {
    const Byte half = table_(c_, CellByte(x, y));
    return ((half >> (y % 8)) & 1) == 0;
}

void GlyphRecord::SetLit(int x, int y, bool lit) {
    Byte& half = table_(c_, CellByte(x, y));
    const auto bit = static_cast<Byte>(1u << (y % 8));
    half = lit ? static_cast<Byte>(half & ~bit) : static_cast<Byte>(half | bit);
}

void GlyphRecord::SetClassAndCentre(int glyphClass, int centre) {
    const int value = glyphClass * 16 + centre;
    if (value < 0 || value > 255)
        throw MakeError<OverflowError>("class " + std::to_string(glyphClass) + " and centre " +
                                       std::to_string(centre) + " do not fit in one byte");
    table_(c_, 1) = static_cast<Byte>(value);
}

}  // namespace ledfont
