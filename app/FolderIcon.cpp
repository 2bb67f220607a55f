#include "FolderIcon.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace ledfont {

namespace {
constexpr int kSide = 16;
const QColor kOutline(0x8a, 0x6d, 0x1e);
const QColor kBack(0xe8, 0xb9, 0x3a);
const QColor kFront(0xf6, 0xd3, 0x6b);
}  // namespace

QIcon FolderIcon(bool open) {
    QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(kOutline);
    painter.setBrush(kBack);
    painter.drawRect(1, 4, 13, 9);        // the back
    painter.drawRect(1, 2, 5, 2);         // its tab
    painter.setBrush(kFront);
    if (open) {
        const QPoint flap[] = {{3, 7}, {15, 7}, {13, 13}, {1, 13}};
        painter.drawPolygon(flap, 4);     // the front, tipped forward
    } else {
        painter.drawRect(1, 6, 13, 7);    // the front, closed
    }
    painter.end();
    return QIcon(QPixmap::fromImage(image));
}

}  // namespace ledfont
