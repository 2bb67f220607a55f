// The sheet module: draws a whole font into one PNG picture with QtGui.
#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <exception>
#include <type_traits>

#include "HexText.h"
#include "GlyphRecord.h"
#include "LedDigits.h"
#include "SheetLayout.h"
#include "SheetModule.h"

namespace ledfont::cli {
namespace {

using L = SheetLayout;

const QColor kBackground(48, 48, 48);
const QColor kBoxColour(0, 0, 0);
const QColor kLitColour(255, 0, 0);
const QColor kDarkColour(36, 36, 36);
const QColor kColumnLineColour(0, 255, 0);
const QColor kLabelColour(220, 220, 220);

void DrawLeds(QPainter& painter, const FontTable& records, int c) {
    const GlyphView record(records, c);
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y)
            painter.fillRect(L::LedLeft(c, x), L::LedTop(c, y), L::kLedSize, L::kLedSize,
                             record.IsLit(x, y) ? kLitColour : kDarkColour);
}

// A green line in the gap after the last column; none for a count the grid cannot hold.
void DrawColumnLine(QPainter& painter, int c, int columnCount) {
    if (columnCount > 16) return;
    painter.fillRect(L::BoxLeft(c) + columnCount * L::kLedPitch, L::BoxTop(c), 1, L::kBox, kColumnLineColour);
}

void DrawLabel(QPainter& painter, const std::string& text, int c) {
    const int width = static_cast<int>(text.size()) * L::kDigitAdvance - L::kDotSize;
    const int left = L::BoxLeft(c) + (L::kBox - width) / 2;
    const int top = L::BoxTop(c) + L::kBox + L::kLabelGap;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto rows = DigitRows(text[i]);
        for (int row = 0; row < kDigitRows; ++row)
            for (int dot = 0; dot < kDigitColumns; ++dot)
                if ((rows[static_cast<std::size_t>(row)] >> (kDigitColumns - 1 - dot)) & 1)
                    painter.fillRect(left + static_cast<int>(i) * L::kDigitAdvance + dot * L::kDotSize,
                                     top + row * L::kDotSize, L::kDotSize, L::kDotSize, kLabelColour);
    }
}

QImage DrawSheet(const FontState& font, FontMode mode) {
    QImage image(L::Width(), L::Height(mode), QImage::Format_RGB32);
    image.fill(kBackground);
    QPainter painter(&image);
    for (int c = 0; c < GlyphCount(mode); ++c) {
        painter.fillRect(L::BoxLeft(c), L::BoxTop(c), L::kBox, L::kBox, kBoxColour);
        DrawLeds(painter, font.FontBytes, c);
        DrawColumnLine(painter, c, font.FontBytes(c, 0));
        DrawLabel(painter, GlyphCodeText(mode, c), c);
    }
    return image;
}

bool EncodePng(const QImage& image, std::string& png, std::string& problem) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) {
        problem = writer.errorString().toStdString();
        return false;
    }
    png.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}

}  // namespace
}  // namespace ledfont::cli

extern "C" __attribute__((visibility("default"))) bool LedFontSheetPng(const ledfont::FontState& font,
                                                                       bool isJukta, std::string& png,
                                                                       std::string& problem) {
    try {
        const QImage image = ledfont::cli::DrawSheet(font, ledfont::ModeOf(isJukta));
        return ledfont::cli::EncodePng(image, png, problem);
    } catch (const std::exception& e) {
        problem = e.what();
    } catch (...) {
        problem = "unknown failure";
    }
    return false;
}

static_assert(std::is_same_v<decltype(&LedFontSheetPng), ledfont::cli::FontSheetPngEntry>,
              "the program calls the entry through FontSheetPngEntry");
