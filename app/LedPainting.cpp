#include "LedPainting.h"

#include <algorithm>

#include "LedDigits.h"

namespace ledfont {

namespace {
QRgb ToQRgb(picture::Rgb rgb) { return qRgb(rgb.red, rgb.green, rgb.blue); }

// The pixels of a 32-bit image, asked of the image once: each access of
// the image's own checks whether it must copy them.
class Pixels {
public:
    explicit Pixels(QImage& image)
        : first_(reinterpret_cast<QRgb*>(image.bits())), stride_(image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb))) {}

    void Fill(int left, int top, int width, int height, QRgb colour) {
        for (int y = top; y < top + height; ++y) std::fill_n(first_ + y * stride_ + left, width, colour);
    }

private:
    QRgb* first_;
    qsizetype stride_;
};
}  // namespace

QImage LedLabelImage(std::string_view text, int width) {
    picture::Picture label(width, picture::kDigitHeight, LedLook::kBackground);
    picture::DrawDigits(label, text, (width - picture::DigitsWidth(text)) / 2, 0, LedLook::kLabel);
    const auto* rgb = label.Bytes().data();
    return QImage(rgb, label.Width(), label.Height(), 3 * label.Width(), QImage::Format_RGB888)
        .convertToFormat(QImage::Format_RGB32);
}

// Pixels are written directly: a glyph is 256 small squares, and a painter
// would cost more than the squares themselves.
QImage LedBoxImage(int columns, int rows, const LitLeds& lit, int lineAfter) {
    QImage image(LedLook::BoxSide(columns), LedLook::BoxSide(rows), QImage::Format_RGB32);
    image.fill(ToQRgb(LedLook::kBox));
    const QRgb on = ToQRgb(LedLook::kLit), off = ToQRgb(LedLook::kDark);
    Pixels pixels(image);
    for (int x = 0; x < columns; ++x)
        for (int y = 0; y < rows; ++y)
            pixels.Fill(LedLook::LedOffset(x), LedLook::LedOffset(y), LedLook::kLedSize, LedLook::kLedSize,
                        lit(x, y) ? on : off);
    if (lineAfter > 0 && lineAfter <= columns)
        pixels.Fill(lineAfter * LedLook::kLedPitch, 0, 1, image.height(), ToQRgb(LedLook::kColumnLine));
    return image;
}

}  // namespace ledfont
