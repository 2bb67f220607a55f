#include "FontOverview.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QToolTip>
#include <algorithm>
#include <map>

#include "FontCheck.h"
#include "FrmFont.h"
#include "GlyphEdits.h"
#include "GlyphLimits.h"
#include "HexText.h"
#include "FontSheetLayout.h"
#include "LedPainting.h"
#include "SavedFont.h"

namespace ledfont {

namespace {
constexpr int kMargin = LedLook::kMargin;
constexpr int kBox = LedLook::BoxSide(kGridSide);
constexpr int kCellWidth = kBox + kMargin;
constexpr int kLabelGap = picture::FontSheetLayout::kLabelGap;
const QColor kFrame(255, 220, 0);       // the glyph on the canvas
const QColor kChangedMark(0, 160, 255);  // changed since the last Save
const QColor kFaultMark(255, 96, 0);     // `ledfont check` would report it
const QColor kBlankMark(140, 140, 140);  // no LED lit

// The file a Save writes: item i on line i + 1, so a finding's line names its glyph.
LoadReport SavedFileReport(FontMode mode) {
    LoadReport report;
    for (int item = 0; item < FileItemCount(mode); ++item) report.lines.push_back(item + 1);
    return report;
}

int GlyphOfItem(FontMode mode, long item) {
    if (mode == FontMode::Jukta && item >= kCodePairsItem)
        return static_cast<int>((item - kCodePairsItem) / kCodePairBytes);
    return static_cast<int>(item / kRecordBytes);
}

bool IsBlank(const RecordBytes& record) {
    return std::all_of(record.begin() + 2, record.end(), [](Byte b) { return b == 0xFF; });
}

// The sheet's green line: after the last column, none past the grid.
int ColumnLine(const RecordBytes& record) { return record[0] >= 1 && record[0] <= kGridSide ? record[0] : 0; }

QString CodeText(FontMode mode, int index) { return QString::fromStdString(GlyphCodeText(mode, index)); }
}  // namespace

FontOverview::FontOverview(FrmFont& form, QWidget* parent) : QWidget(parent), form_(form) {
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, ToQColor(LedLook::kBackground));
    grey.setColor(QPalette::WindowText, ToQColor(LedLook::kLabel));
    setPalette(grey);
    setMinimumSize(sizeHint());
}

int FontOverview::CellHeight() const {
    const int lines = mode_ == FontMode::Jukta ? 2 : 1;
    return kBox + lines * (kLabelGap + picture::kDigitHeight) + kMargin;
}

QSize FontOverview::sizeHint() const {
    const int rows = (GlyphCount(mode_) + kGlyphsPerRow - 1) / kGlyphsPerRow;
    return {kMargin + kGlyphsPerRow * kCellWidth, kMargin + rows * CellHeight()};
}

QRect FontOverview::CellRect(int index) const {
    return {kMargin + (index % kGlyphsPerRow) * kCellWidth, kMargin + (index / kGlyphsPerRow) * CellHeight(),
            kBox, CellHeight() - kMargin};
}

QRect FontOverview::GlyphRect(int index) const { return {CellRect(index).topLeft(), QSize(kBox, kBox)}; }

int FontOverview::GlyphAt(QPoint point) const {
    for (int index = 0; index < static_cast<int>(cells_.size()); ++index)
        if (CellRect(index).contains(point)) return index;
    return -1;
}

void FontOverview::Refresh() {
    const FontState live = form_.LiveFont();
    const FontMode mode = live.Mode();
    if (mode != mode_ || cells_.empty()) {
        mode_ = mode;
        cells_.assign(static_cast<std::size_t>(GlyphCount(mode)), Cell{});
        setMinimumSize(sizeHint());
        resize(sizeHint());  // a Jukta font has half the rows and a second label line
        update();
    }
    std::vector<Cell> next(cells_.size());
    if (form_.FontLoaded()) {
        for (int c : form_.Saved().ChangedRecords(live)) next[static_cast<std::size_t>(c)].changed = true;
        if (mode == FontMode::Jukta)
            for (int c : form_.Saved().ChangedCodes(live)) next[static_cast<std::size_t>(c)].changed = true;
    }
    // Before a Load or New the table is zeros that no file holds: nothing to check.
    const std::vector<FontFinding> findings =
        form_.FontLoaded() ? CheckFont(live, mode, SavedFileReport(mode)) : std::vector<FontFinding>{};
    for (const FontFinding& finding : findings) {
        const int glyph = GlyphOfItem(mode, finding.line - 1);
        if (glyph >= 0 && glyph < static_cast<int>(next.size()))
            next[static_cast<std::size_t>(glyph)].faults << QString::fromStdString(finding.text);
    }
    const int current = live.CurChar;
    if (current != current_) {
        update(CellRect(current_).adjusted(-3, -3, 3, 3));
        update(CellRect(current).adjusted(-3, -3, 3, 3));
        current_ = current;
    }
    // Glyphs drawn alike share one image: a new font is 128 blank glyphs.
    std::map<RecordBytes, QImage> drawn;
    const auto imageOf = [this, &drawn](const RecordBytes& record) {
        if (drawn.empty())
            for (const Cell& cell : cells_)
                if (cell.drawn) drawn.emplace(cell.record, cell.leds);
        auto known = drawn.find(record);
        if (known != drawn.end()) return known->second;
        QImage leds = LedBoxImage(kGridSide, kGridSide, [&record](int x, int y) { return IsLitIn(record, x, y); },
                                  ColumnLine(record));
        drawn.emplace(record, leds);
        return leds;
    };
    for (std::size_t c = 0; c < cells_.size(); ++c) {
        Cell& cell = next[c];
        for (int k = 0; k < kRecordBytes; ++k) cell.record[static_cast<std::size_t>(k)] = live.FontBytes(static_cast<int>(c), k);
        if (mode == FontMode::Jukta) cell.codes = {live.JuktaCodes(static_cast<int>(c), 0), live.JuktaCodes(static_cast<int>(c), 1)};
        cell.blank = IsBlank(cell.record);
        Cell& old = cells_[c];
        cell.leds = old.leds;
        cell.code = old.code;
        if (old.codes == cell.codes) cell.pair = old.pair;  // else drawn again when next painted
        cell.drawn = old.drawn && old.record == cell.record;
        if (!cell.drawn) {
            cell.leds = imageOf(cell.record);
            cell.drawn = true;
        }
        if (!ShowsAlike(cell, old)) {
            old = std::move(cell);
            update(CellRect(static_cast<int>(c)).adjusted(-3, -3, 3, 3));
        }
    }
}

bool FontOverview::ShowsAlike(const Cell& a, const Cell& b) {
    return a.drawn == b.drawn && a.record == b.record && a.codes == b.codes && a.changed == b.changed &&
           a.blank == b.blank && a.faults == b.faults;
}

void FontOverview::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    for (int index = 0; index < static_cast<int>(cells_.size()); ++index)
        if (event->rect().intersects(CellRect(index).adjusted(-3, -3, 3, 3))) PaintCell(painter, index);
}

void FontOverview::PaintCell(QPainter& painter, int index) const {
    Cell& cell = cells_[static_cast<std::size_t>(index)];
    const QRect box = GlyphRect(index);
    painter.drawImage(box.topLeft(), cell.leds);
    // Marks in the box's corners: a triangle for a change, a dot for a
    // fault, a bar for a blank glyph.
    painter.setPen(Qt::NoPen);
    if (cell.changed) {
        painter.setBrush(kChangedMark);
        const QPoint corner[] = {box.topRight() + QPoint(1, 0), box.topRight() + QPoint(-12, 0),
                                 box.topRight() + QPoint(1, 13)};
        painter.drawPolygon(corner, 3);
    }
    if (!cell.faults.isEmpty()) {
        painter.setBrush(kFaultMark);
        painter.drawEllipse(QRect(box.left() + 2, box.top() + 2, 10, 10));
    }
    if (cell.blank) painter.fillRect(QRect(box.left() + 2, box.bottom() - 4, box.width() - 4, 3), kBlankMark);
    if (index == current_) {
        painter.setPen(QPen(kFrame, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.adjusted(-2, -2, 1, 1));
    }
    // The labels of the font sheet: the code, and a conjunct's code pair.
    const int top = box.bottom() + 1 + kLabelGap;
    // Drawn when first seen: most of a font's labels may never be scrolled to.
    if (cell.code.isNull()) cell.code = LedLabelImage(GlyphCodeText(mode_, index), kBox);
    if (mode_ == FontMode::Jukta && cell.pair.isNull())
        cell.pair = LedLabelImage(HexCh(cell.codes[0]) + ' ' + HexCh(cell.codes[1]), kBox);
    painter.drawImage(box.left(), top, cell.code);
    if (mode_ == FontMode::Jukta) painter.drawImage(box.left(), top + kLabelGap + picture::kDigitHeight, cell.pair);
}

QString FontOverview::Explanation(int index) const {
    const Cell& cell = cells_.at(static_cast<std::size_t>(index));
    QStringList lines{QStringLiteral("Glyph %1 (%2)").arg(index).arg(CodeText(mode_, index))};
    if (index == current_) lines << QStringLiteral("On the canvas");
    if (cell.changed) lines << QStringLiteral("Changed since the last Save");
    if (cell.blank) lines << QStringLiteral("Blank: no LED is lit");
    for (const QString& fault : cell.faults) lines << QStringLiteral("ledfont check: ") + fault;
    return lines.join(QLatin1Char('\n'));
}

bool FontOverview::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const int index = GlyphAt(help->pos());
    if (index < 0) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(help->globalPos(), Explanation(index), this, CellRect(index));
    }
    return true;
}

void FontOverview::Go(int index) {
    if (index < 0 || index >= static_cast<int>(cells_.size()) || index == form_.Font().CurChar) return;
    form_.GoTo(index);
}

void FontOverview::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Go(GlyphAt(event->position().toPoint()));
}

// The arrows step through the glyphs as they stand: left and right one,
// up and down a row.
void FontOverview::keyPressEvent(QKeyEvent* event) {
    const int current = form_.Font().CurChar;
    switch (event->key()) {
        case Qt::Key_Left: Go(current - 1); break;
        case Qt::Key_Right: Go(current + 1); break;
        case Qt::Key_Up: Go(current - kGlyphsPerRow); break;
        case Qt::Key_Down: Go(current + kGlyphsPerRow); break;
        default: QWidget::keyPressEvent(event); return;
    }
}

}  // namespace ledfont
