#pragma once

#include "ByteTable.h"
#include "LedCanvas.h"
#include "PicGeometry.h"

namespace ledfont {

// Mouse buttons as the canvas reports them; a move reports the sum of those held.
enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

// The 16 x 16 LED grid drawn on the canvas: cell (c, r) spans units 10c..10c+10,
// its box is 10c+1..10c+9 and its sample point (10c+5, 10r+5).
class LedGrid {
public:
    LedGrid(LedCanvas& canvas, PicGeometry pic) : canvas_(canvas), pic_(pic) {}

    void DrawGrid();              // blue lines at 0, 10, .., 160 over what is there
    void OnLED(int x, int y);     // red box of cell (x, y); no check, clipped
    void OffLED(int x, int y);    // black box of cell (x, y)
    void DrawColumnLine(int n);   // green line at x = 10n across the canvas
    void GetMap(ByteArray<51>& MapBytes) const;  // elements 0..31 from the canvas

    // Mouse events of the canvas; x, y in canvas units. Both end with GetMap
    // when they paint (MouseDown always runs it).
    void MouseDown(int button, int shift, float x, float y, ByteArray<51>& MapBytes);
    void MouseMove(int button, int shift, float x, float y, ByteArray<51>& MapBytes);

    // Cell of a mouse coordinate: round half to even, then divide by 10
    // truncating toward zero (so -4 gives 0 and -12 gives -1).
    static int CellOf(float coordinate);

    LedCanvas& Canvas() { return canvas_; }
    const PicGeometry& Pic() const { return pic_; }

private:
    LedCanvas& canvas_;
    PicGeometry pic_;
};

}  // namespace ledfont
