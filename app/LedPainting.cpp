#include "LedPainting.h"

#include "LedDigits.h"

namespace ledfont {

namespace {
QRgb ToQRgb(picture::Rgb rgb) { return qRgb(rgb.red, rgb.green, rgb.blue); }

void Fill(QImage& image, int left, int top, int width, int height, QRgb colour) {
    for (int y = top; y < top + height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = left; x < left + width; ++x) line[x] = colour;
    }
}
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
    for (int x = 0; x < columns; ++x)
        for (int y = 0; y < rows; ++y)
            Fill(image, LedLook::LedOffset(x), LedLook::LedOffset(y), LedLook::kLedSize, LedLook::kLedSize,
                 lit(x, y) ? on : off);
    if (lineAfter > 0 && lineAfter <= columns)
        Fill(image, lineAfter * LedLook::kLedPitch, 0, 1, image.height(), ToQRgb(LedLook::kColumnLine));
    return image;
}

}  // namespace ledfont
