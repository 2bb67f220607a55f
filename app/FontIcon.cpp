#include "FontIcon.h"

#include <QPixmap>

namespace ledfont {

namespace {
// The letter ka as lit LEDs of a 16 x 16 grid: one pixel per LED in the small
// image, a 2 x 2 LED with a bright corner in the large one, dark LEDs as faint dots.
const char* const kIcon32[] = {
    "32 32 4 1",
    ". c #000000",
    "r c #E00000",
    "R c #FF6060",
    "d c #400000",
    "d.d.d.d.d.d.d.d.d.d.d.d.d.d.d.d.",
    "................................",
    "d.RrRrRrRrRrRrRrRrRrRrRrRrRrRrd.",
    "..rrrrrrrrrrrrrrrrrrrrrrrrrrrr..",
    "d.d.d.d.d.d.d.d.Rrd.d.d.d.d.d.d.",
    "................rr..............",
    "d.d.d.d.d.d.d.d.Rrd.d.d.d.d.d.d.",
    "................rr..............",
    "d.d.RrRrRrd.d.d.Rrd.d.RrRrRrd.d.",
    "....rrrrrr......rr....rrrrrr....",
    "d.Rrd.d.d.Rrd.d.Rrd.Rrd.d.d.Rrd.",
    "..rr......rr....rr..rr......rr..",
    "d.Rrd.d.d.d.Rrd.RrRrd.d.d.d.Rrd.",
    "..rr........rr..rrrr........rr..",
    "d.d.Rrd.d.d.RrRrRrd.d.d.d.Rrd.d.",
    "....rr......rrrrrr........rr....",
    "d.d.d.RrRrRrRrd.Rrd.RrRrRrd.d.d.",
    "......rrrrrrrr..rr..rrrrrr......",
    "d.d.d.d.d.d.d.d.Rrd.d.d.d.d.d.d.",
    "................rr..............",
    "d.d.d.d.d.d.d.d.Rrd.d.d.d.d.d.d.",
    "................rr..............",
    "d.d.d.d.d.d.d.d.Rrd.d.d.d.d.d.d.",
    "................rr..............",
    "d.d.d.d.d.d.d.d.Rrd.d.d.d.d.d.d.",
    "................rr..............",
    "d.d.d.d.d.d.d.d.Rrd.d.d.d.d.d.d.",
    "................rr..............",
    "d.d.d.d.d.d.d.d.d.d.d.d.d.d.d.d.",
    "................................",
    "d.d.d.d.d.d.d.d.d.d.d.d.d.d.d.d.",
    "................................"
};

const char* const kIcon16[] = {
    "16 16 2 1",
    ". c #000000",
    "r c #E00000",
    "................",
    ".rrrrrrrrrrrrrr.",
    "........r.......",
    "........r.......",
    "..rrr...r..rrr..",
    ".r...r..r.r...r.",
    ".r....r.rr....r.",
    "..r...rrr....r..",
    "...rrrr.r.rrr...",
    "........r.......",
    "........r.......",
    "........r.......",
    "........r.......",
    "........r.......",
    "................",
    "................"
};
}  // namespace

QIcon FontIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap(kIcon32));
    icon.addPixmap(QPixmap(kIcon16));
    return icon;
}

}  // namespace ledfont
