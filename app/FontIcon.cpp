#include "FontIcon.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <array>
#include <string_view>

namespace ledfont {

namespace {
// '#' a lit LED, '.' a dark one.
constexpr std::array<std::string_view, kIconLeds> kPattern = {
    "................",
    ".##############.",
    "........#.......",
    "........#.......",
    "..###...#..###..",
    ".#...#..#.#...#.",
    ".#....#.##....#.",
    "..#...###....#..",
    "...####.#.###...",
    "........#.......",
    "........#.......",
    "........#.......",
    "........#.......",
    "........#.......",
    "................",
    "................",
};

const QColor kBackground(0x00, 0x00, 0x00);
const QColor kLit(0xE0, 0x00, 0x00);
const QColor kLitCorner(0xFF, 0x60, 0x60);  // the glint of a lit LED
const QColor kDark(0x40, 0x00, 0x00);

constexpr std::string_view kSvgBackground = "#000000";
constexpr std::string_view kSvgLit = "#E00000";
constexpr std::string_view kSvgLitCorner = "#FF6060";
constexpr std::string_view kSvgDark = "#400000";

// One LED of pitch x pitch pixels with its top left corner at x, y.
void PaintLed(QPainter& painter, int x, int y, int pitch, bool lit) {
    if (pitch == 1) {
        if (lit) painter.fillRect(x, y, 1, 1, kLit);
    } else if (pitch == 2) {
        // Lit LEDs touch, so strokes read as lines at this size.
        if (lit) painter.fillRect(x, y, 2, 2, kLit);
        painter.fillRect(x, y, 1, 1, lit ? kLitCorner : kDark);
    } else if (pitch < 6) {
        // Too few pixels for a round LED: a square one with a gap to the next.
        painter.fillRect(x, y, pitch - 1, pitch - 1, lit ? kLit : kDark);
        if (lit) painter.fillRect(x, y, 1, 1, kLitCorner);
    } else {
        const double diameter = pitch * 0.8;
        const QPointF centre(x + pitch / 2.0, y + pitch / 2.0);
        painter.setBrush(lit ? kLit : kDark);
        painter.drawEllipse(centre, diameter / 2, diameter / 2);
        if (lit) {
            painter.setBrush(kLitCorner);
            painter.drawEllipse(centre - QPointF(diameter / 5, diameter / 5), diameter / 7, diameter / 7);
        }
    }
}
}  // namespace

bool IconLedLit(int row, int column) {
    if (row < 0 || row >= kIconLeds || column < 0 || column >= kIconLeds) return false;
    return kPattern[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] == '#';
}

QImage FontIconImage(int size) {
    const int pitch = std::max(1, size / kIconLeds);
    const int side = std::max(size, kIconLeds);
    const int margin = (side - pitch * kIconLeds) / 2;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(kBackground);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setRenderHint(QPainter::Antialiasing, pitch > 2);
    for (int row = 0; row < kIconLeds; ++row)
        for (int column = 0; column < kIconLeds; ++column)
            PaintLed(painter, margin + column * pitch, margin + row * pitch, pitch, IconLedLit(row, column));
    return image;
}

std::string FontIconSvg() {
    // 16 units to an LED: whole numbers, which every renderer reads alike.
    constexpr int unit = 16;
    const std::string side = std::to_string(kIconLeds * unit);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      side + "\" height=\"" + side + "\" viewBox=\"0 0 " + side + ' ' + side + "\">\n  <rect width=\"" +
                      side + "\" height=\"" + side + "\" fill=\"" + std::string(kSvgBackground) + "\"/>\n";
    const auto circle = [&svg](int x, int y, int radius, std::string_view colour) {
        svg += "  <circle cx=\"" + std::to_string(x) + "\" cy=\"" + std::to_string(y) + "\" r=\"" +
               std::to_string(radius) + "\" fill=\"" + std::string(colour) + "\"/>\n";
    };
    for (int row = 0; row < kIconLeds; ++row) {
        for (int column = 0; column < kIconLeds; ++column) {
            const bool lit = IconLedLit(row, column);
            const int x = column * unit + unit / 2;
            const int y = row * unit + unit / 2;
            circle(x, y, 6, lit ? kSvgLit : kSvgDark);
            if (lit) circle(x - 3, y - 3, 2, kSvgLitCorner);
        }
    }
    svg += "</svg>\n";
    return svg;
}

QIcon FontIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(FontIconImage(32)));
    icon.addPixmap(QPixmap::fromImage(FontIconImage(16)));
    return icon;
}

}  // namespace ledfont
