#include "LinePicture.h"

#include <algorithm>
#include <string>

#include "Error.h"
#include "LedDrawing.h"
#include "LedLook.h"

namespace ledfont::picture {

Picture DrawLinePicture(const sign::LedLine& line, int signColumns) {
    const int columns = std::max(line.Columns(), signColumns);
    if (columns > kMostPictureColumns)
        throw InvalidCallError("Invalid procedure call or argument (the line takes " +
                               std::to_string(columns) + " columns; a picture shows at most " +
                               std::to_string(kMostPictureColumns) + ")");
    constexpr int kMargin = LedLook::kMargin;
    Picture picture(2 * kMargin + LedLook::BoxSide(columns), 2 * kMargin + LedLook::BoxSide(kGridSide),
                    LedLook::kBackground);
    DrawLedBox(picture, kMargin, kMargin, columns, kGridSide);
    for (int x = 0; x < columns; ++x)
        for (int y = 0; y < kGridSide; ++y)
            DrawLed(picture, kMargin, kMargin, x, y, x < line.Columns() && line.IsLit(x, y));
    if (signColumns > 0) DrawColumnLine(picture, kMargin, kMargin, signColumns);
    return picture;
}

}  // namespace ledfont::picture
