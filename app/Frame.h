#pragma once

#include <QGroupBox>

namespace ledfont {

// A frame drawn the way the design's frames are: an etched border on the
// frame's own rectangle, its top line at half the caption's height, and the
// caption over that line near the left, breaking it. Children keep the places
// the layout gives them from the frame's top-left corner; nothing is inset,
// so the border passes above, beside and below them.
class Frame : public QGroupBox {
public:
    explicit Frame(const QString& caption = QString(), QWidget* parent = nullptr);

    // The band of the top line the caption covers; empty without a caption.
    QRect CaptionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int TopLine() const;  // pixel row of the border's top line
};

}  // namespace ledfont
