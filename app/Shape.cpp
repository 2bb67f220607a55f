#include "Shape.h"

#include <QPainter>

#include "Twips.h"

namespace ledfont {

Shape::Shape(QColor colour, QWidget* parent) : QWidget(parent), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::SetLeft(float twips) {
    leftTwips_ = twips;
    move(TwipsToPixels(twips), y());
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
}

}  // namespace ledfont
