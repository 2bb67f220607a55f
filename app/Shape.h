#pragma once

#include <QColor>
#include <QWidget>

namespace ledfont {

// A filled square marker. Its Left is set in twips of its container.
class Shape : public QWidget {
public:
    Shape(QColor colour, QWidget* parent = nullptr);

    void SetLeft(float twips);
    float Left() const { return leftTwips_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
    float leftTwips_ = 0.0f;
};

}  // namespace ledfont
