#include "EditorStyle.h"

#include <algorithm>
#include <map>
#include <optional>

#include <QApplication>
#include <QIconEngine>
#include <QPaintEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>

namespace ledfont {

namespace {
constexpr int kBandRows = 90;  // under the 96 rows from which Qt shares a fill among threads

// A standard icon of a style, asked for when it is first drawn or measured.
class LaterIcon : public QIconEngine {
public:
    LaterIcon(const QStyle& style, QStyle::StandardPixmap which) : style_(&style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        Real().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Real().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Real().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return Real().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Real().availableSizes(mode, state);
    }
    bool isNull() override { return Real().isNull(); }
    QIconEngine* clone() const override { return new LaterIcon(*this); }

private:
    const QIcon& Real() {
        if (!real_) real_ = style_ ? style_->standardIcon(which_) : QIcon();
        return *real_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap which_;
    std::optional<QIcon> real_;
};

// The scale of the pixels a painter draws on: a widget's painter may draw on
// another device (a grab, a render), of a scale of its own.
qreal DrawnAtScale(QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    return (engine && engine->paintDevice() ? engine->paintDevice() : painter.device())->devicePixelRatio();
}

class EditorStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override {
        // At a higher scale, frames and buttons reach 96 rows too, and smoothed
        // edges would round apart in a band's picture: bars are drawn whole.
        const QRect whole = option->rect;
        if (control != CC_ScrollBar || whole.height() <= kBandRows || DrawnAtScale(*painter) != 1) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        for (int top = whole.top(); top <= whole.bottom(); top += kBandRows)
            DrawBand(QRect(whole.left(), top, whole.width(), std::min(kBandRows, whole.bottom() + 1 - top)), option,
                     painter, widget);
    }

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override {
        switch (which) {
            case SP_ToolBarHorizontalExtensionButton:
            case SP_ToolBarVerticalExtensionButton:
                return QIcon(new LaterIcon(*baseStyle(), which));
            case SP_TitleBarNormalButton:
            case SP_TitleBarCloseButton:
            case SP_DockWidgetCloseButton: {
                // A dock asks for its title buttons' icons at every measure of
                // its title, and the style decodes them from its images each time.
                QIcon& icon = titleIcons_[which];
                if (icon.isNull()) icon = QProxyStyle::standardIcon(which, option, widget);
                return icon;
            }
            default:
                return QProxyStyle::standardIcon(which, option, widget);
        }
    }

private:
    mutable std::map<StandardPixmap, QIcon> titleIcons_;

    // On an image of its own: the style sets clips of its own, which would
    // undo a clip of the band's.
    void DrawBand(const QRect& band, const QStyleOptionComplex* option, QPainter* painter,
                  const QWidget* widget) const {
        QImage image(band.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter bandPainter(&image);
        bandPainter.translate(-band.topLeft());
        QProxyStyle::drawComplexControl(CC_ScrollBar, option, &bandPainter, widget);
        bandPainter.end();
        painter->drawImage(band.topLeft(), image);
    }
};
}  // namespace

QStyle* NewEditorStyle(const QString& base) { return new EditorStyle(base); }

void UseEditorStyle() {
    QApplication::setStyle(NewEditorStyle(QApplication::style()->name()));
    QFont small = QApplication::font();
    small.setPixelSize(kDialogFontPixels);
    QApplication::setFont(small);
}

}  // namespace ledfont
