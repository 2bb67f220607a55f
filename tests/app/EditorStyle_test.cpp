#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <memory>

#include "EditorStyle.h"

namespace {

QImage Drawn(QWidget& widget, QStyle* style, qreal ratio) {
    widget.setStyle(style);
    QImage image(widget.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    widget.render(&image);
    return image;
}

// The editor's style draws as the style it stands on: a scroll bar far taller
// than its bands, with its slider over several of them, and at twice the
// scale; the icons it makes later or keeps are the base style's own.
TEST(EditorStyle, DrawsPixelForPixelAsTheStyleItStandsOn) {
    const std::unique_ptr<QStyle> base(QStyleFactory::create(QStringLiteral("Fusion")));
    const std::unique_ptr<QStyle> editor(ledfont::NewEditorStyle(QStringLiteral("Fusion")));
    QScrollBar bar(Qt::Vertical);
    bar.setRange(0, 100);
    bar.setPageStep(150);
    bar.setValue(40);
    bar.resize(15, 431);
    for (qreal ratio : {1.0, 2.0}) EXPECT_EQ(Drawn(bar, editor.get(), ratio), Drawn(bar, base.get(), ratio)) << ratio;
    bar.setStyle(nullptr);
    for (QStyle::StandardPixmap icon : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_TitleBarCloseButton})
        for (int twice = 0; twice < 2; ++twice)
            EXPECT_EQ(editor->standardIcon(icon).pixmap(16).toImage(), base->standardIcon(icon).pixmap(16).toImage())
                << icon;
}

}  // namespace
