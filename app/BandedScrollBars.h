#pragma once

class QAbstractScrollArea;

namespace ledfont {

// Qt's raster engine shares every fill of 96 rows or more among threads. For
// a scroll bar's gradient, a few pixels wide, the threads cost far more than
// the fill: starting them is about a tenth of the window's start, and each
// paint of the bar waits for them after. The bars of area are drawn by the
// application's style in bands short enough to stay on the painting thread.
void PaintScrollBarsInBands(QAbstractScrollArea& area);

}  // namespace ledfont
