#include "PictureBox.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>

#include "UserEvent.h"

namespace ledfont {

namespace {
constexpr int kUnits = LedCanvas::kUnits;

int ButtonValue(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton: return 1;
        case Qt::RightButton: return 2;
        case Qt::MiddleButton: return 4;
        default: return 0;
    }
}

int ButtonsHeld(Qt::MouseButtons buttons) {
    int sum = 0;
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if (buttons.testFlag(button)) sum += ButtonValue(button);
    }
    return sum;
}

int ShiftValue(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) + (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) +
           (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}
}  // namespace

PictureBox::PictureBox(LedCanvas& canvas, QWidget* parent) : QFrame(parent), canvas_(canvas) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The canvas is a plain object; a guarded pointer keeps a late change
    // notice from reaching a picture box that is gone.
    QPointer<PictureBox> self(this);
    canvas.SetChangeListener([self] {
        if (self) self->update();
    });
}

int PictureBox::Scale() const {
    const QRect area = contentsRect();
    return std::max(1, std::min(area.width(), area.height()) / kUnits);
}

QPointF PictureBox::ToCanvas(QPointF pixel) const {
    const QPointF origin = contentsRect().topLeft();
    const double scale = Scale();
    return {(pixel.x() - origin.x()) / scale, (pixel.y() - origin.y()) / scale};
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QImage image(kUnits, kUnits, QImage::Format_RGB32);
    const Colour* source = canvas_.Pixels();
    for (int y = 0; y < kUnits; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kUnits; ++x) line[x] = 0xFF000000u | source[y * kUnits + x];
    }
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setClipRect(area);
    painter.fillRect(area, Qt::black);
    const int scale = Scale();
    painter.drawImage(QRect(area.topLeft(), QSize(kUnits * scale, kUnits * scale)), image);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    const int button = ButtonValue(event->button());
    if (button != 0) Report(mouseDown_, button, *event);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) { Report(mouseMove_, ButtonsHeld(event->buttons()), *event); }

void PictureBox::Report(const MouseHandler& handler, int button, const QMouseEvent& event) {
    if (!handler) return;
    const QPointF units = ToCanvas(event.position());
    const int shift = ShiftValue(event.modifiers());
    RunUserEvent(this, [&] {
        handler(button, shift, static_cast<float>(units.x()), static_cast<float>(units.y()));
    });
}

}  // namespace ledfont
