#pragma once

class QString;
class QStyle;

namespace ledfont {

// Gives the application the editor's style: the platform's own, or the one
// the user chose with -style, drawing exactly as that style does, minus two
// costs nobody sees.
// - Qt's raster engine shares every fill of 96 rows or more among threads.
//   For a scroll bar's gradient, a few pixels wide, the threads cost far more
//   than the fill: starting them is about a tenth of the window's start, and
//   every paint of a bar waits for them after. At the usual scale, scroll
//   bars are drawn in bands short enough to stay on the painting thread.
// - The menu bar's overflow button takes its icon at creation, decoding it
//   from the style's images, though a window as wide as its menus never shows
//   it. The icon is made when it is first drawn.
// And every window, dialogs included, reads in the small dialog font the
// layout was made for: one font, whose glyphs are loaded and drawn once (a
// line edit lays its text out in the application's font before it learns its
// window's).
// Call it once the QApplication exists, before the first widget.
void UseEditorStyle();
// The style alone, standing on the style named base.
QStyle* NewEditorStyle(const QString& base);

inline constexpr int kDialogFontPixels = 11;

}  // namespace ledfont
