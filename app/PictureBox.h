#pragma once

#include <QFrame>
#include <QPointF>
#include <functional>

#include "LedCanvas.h"

namespace ledfont {

// The LED picture box: shows the retained canvas image, black around it, and
// reports the mouse in canvas units. The image is drawn at a whole-number
// scale (nearest neighbour) from the drawing area's top-left corner, so every
// unit has the same size on screen.
class PictureBox : public QFrame {
public:
    // Button is 1 left, 2 right, 4 middle (a move reports the sum of those
    // held); Shift is 1 shift, 2 ctrl, 4 alt; x, y in canvas units.
    using MouseHandler = std::function<void(int button, int shift, float x, float y)>;

    // Repaints whenever the canvas reports a change.
    explicit PictureBox(LedCanvas& canvas, QWidget* parent = nullptr);

    void SetMouseDownHandler(MouseHandler handler) { mouseDown_ = std::move(handler); }
    void SetMouseMoveHandler(MouseHandler handler) { mouseMove_ = std::move(handler); }

    // Screen pixels per canvas unit, at least 1.
    int Scale() const;
    // Canvas units of a point in widget pixels.
    QPointF ToCanvas(QPointF pixel) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void Report(const MouseHandler& handler, int button, const QMouseEvent& event);

    const LedCanvas& canvas_;
    MouseHandler mouseDown_;
    MouseHandler mouseMove_;
};

}  // namespace ledfont
