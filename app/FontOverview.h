#pragma once

#include <QImage>
#include <QStringList>
#include <QWidget>
#include <array>
#include <vector>

#include "EditorGlyph.h"
#include "FontMode.h"

namespace ledfont {

class FrmFont;

// Every glyph of the font being edited, as LEDs in the look of the font
// sheet, four to a row, its code under it (and a Jukta glyph's code pair).
// The glyph on the canvas is framed and drawn as it is being painted;
// glyphs changed since the last Save, blank ones and ones `ledfont check`
// would report carry a mark, and the tooltip says why. A click, or the
// arrow keys, go to a glyph, storing the current one first as a step does.
class FontOverview : public QWidget {
public:
    static constexpr int kGlyphsPerRow = 4;

    explicit FontOverview(FrmFont& form, QWidget* parent = nullptr);

    // Brings every glyph and mark up to date with the form; repaints only
    // the glyphs that changed.
    void Refresh();

    // Where glyph index's LEDs stand; the glyph whose cell holds point, or -1.
    QRect GlyphRect(int index) const;
    int GlyphAt(QPoint point) const;
    // The tooltip of a glyph: its code and every mark's reason.
    QString Explanation(int index) const;
    bool IsMarkedChanged(int index) const { return cells_.at(static_cast<std::size_t>(index)).changed; }
    bool IsMarkedBlank(int index) const { return cells_.at(static_cast<std::size_t>(index)).blank; }
    bool IsMarkedFaulty(int index) const { return !cells_.at(static_cast<std::size_t>(index)).faults.isEmpty(); }

    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Cell {
        RecordBytes record{};
        std::array<Byte, 2> codes{};
        QImage leds;
        QImage code;  // its labels in the sheet's dot digits
        QImage pair;
        bool drawn = false;
        bool changed = false;
        bool blank = false;
        QStringList faults;
    };
    static bool ShowsAlike(const Cell& a, const Cell& b);
    int CellHeight() const;
    QRect CellRect(int index) const;
    void PaintCell(QPainter& painter, int index) const;
    void Go(int index);

    FrmFont& form_;
    FontMode mode_ = FontMode::Hindi;
    int current_ = 0;
    mutable std::vector<Cell> cells_;  // labels are drawn when first painted
};

}  // namespace ledfont
