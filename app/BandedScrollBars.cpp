#include "BandedScrollBars.h"

#include <algorithm>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleOption>

namespace ledfont {

namespace {
constexpr int kBandRows = 64;  // under the 96 rows from which Qt shares a fill among threads

class BandedStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override {
        const QRect whole = option->rect;
        const qreal ratio = painter->device()->devicePixelRatio();
        const int rows = std::max(1, static_cast<int>(kBandRows / ratio));  // the limit is in device pixels
        if (control != CC_ScrollBar || whole.height() <= rows) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        // Each band is drawn on an image of its own: the style may set clips of
        // its own, which would undo a clip of the band's.
        for (int top = whole.top(); top <= whole.bottom(); top += rows) {
            const QRect band(whole.left(), top, whole.width(), std::min(rows, whole.bottom() + 1 - top));
            QImage image(band.size() * ratio, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::transparent);
            QPainter bandPainter(&image);
            bandPainter.translate(-band.topLeft());
            QProxyStyle::drawComplexControl(control, option, &bandPainter, widget);
            bandPainter.end();
            painter->drawImage(band.topLeft(), image);
        }
    }
};

// One for the application, of the application's own style, gone with it.
QStyle& Banded() {
    static QPointer<QStyle> style;
    if (!style) {
        style = new BandedStyle(QApplication::style()->name());
        style->setParent(qApp);
    }
    return *style;
}
}  // namespace

void PaintScrollBarsInBands(QAbstractScrollArea& area) {
    area.verticalScrollBar()->setStyle(&Banded());
    area.horizontalScrollBar()->setStyle(&Banded());
}

}  // namespace ledfont
