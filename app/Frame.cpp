#include "Frame.h"

#include <QPainter>
#include <QStyle>

namespace ledfont {

namespace {
constexpr int kCaptionLeft = 6;  // pixels from the frame's left edge to the caption's band
constexpr int kCaptionPadding = 2;  // blank on each side of the caption text
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
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(shadow);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(shadow.translated(1, 1));
    const QRect caption = CaptionRect();
    if (caption.isEmpty()) return;
    painter.fillRect(caption, palette().brush(backgroundRole()));
    style()->drawItemText(&painter, caption, Qt::AlignCenter, palette(), isEnabled(), title(),
                          QPalette::WindowText);
}

}  // namespace ledfont
