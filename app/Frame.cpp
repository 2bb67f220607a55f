#include "Frame.h"

#include <QPainter>
#include <QStyle>

namespace ledfont {

namespace {
constexpr int kCaptionLeft = 6;  // pixels from the frame's left edge to the caption's band
constexpr int kCaptionPadding = 2;  // blank on each side of the caption text

// A one-pixel outline as four filled edges: a pen strokes it pixel by pixel,
// at a hundred times the cost.
void Outline(QPainter& painter, const QRect& box, const QColor& colour) {
    painter.fillRect(box.left(), box.top(), box.width() + 1, 1, colour);
    painter.fillRect(box.left(), box.bottom() + 1, box.width() + 1, 1, colour);
    painter.fillRect(box.left(), box.top(), 1, box.height() + 1, colour);
    painter.fillRect(box.right() + 1, box.top(), 1, box.height() + 1, colour);
}
}  // namespace

Frame::Frame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

int Frame::TopLine() const { return fontMetrics().height() / 2; }

QRect Frame::CaptionRect() const {
    if (title().isEmpty()) return {};
    const int width = fontMetrics().horizontalAdvance(title()) + 2 * kCaptionPadding;
    return {kCaptionLeft, 0, width, fontMetrics().height()};
}

void Frame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int top = TopLine();
    // Etched: a shadow line, and a light one a pixel below and to the right of it.
    const QRect shadow(0, top, width() - 2, height() - top - 2);
    Outline(painter, shadow, palette().color(QPalette::Dark));
    Outline(painter, shadow.translated(1, 1), palette().color(QPalette::Light));
    const QRect caption = CaptionRect();
    if (caption.isEmpty()) return;
    painter.fillRect(caption, palette().brush(backgroundRole()));
    style()->drawItemText(&painter, caption, Qt::AlignCenter, palette(), isEnabled(), title(),
                          QPalette::WindowText);
}

}  // namespace ledfont
