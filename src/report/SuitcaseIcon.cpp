#include "SuitcaseIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace kelvara {

namespace {

QPixmap Suitcase(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 16.0;
    const QColor leather(0x8a, 0x55, 0x2a), edge(0x4a, 0x2c, 0x12), brass(0xd9, 0xa4, 0x41);

    // The handle above the lid.
    painter.setPen(QPen(edge, 1.4 * unit));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(5.5 * unit, 1.5 * unit, 5 * unit, 3.5 * unit), 1.2 * unit, 1.2 * unit);

    // The case, its two straps and the clasp.
    const QRectF body(1 * unit, 4.5 * unit, 14 * unit, 10 * unit);
    painter.setPen(QPen(edge, 1 * unit));
    painter.setBrush(leather);
    painter.drawRoundedRect(body, 1.8 * unit, 1.8 * unit);
    painter.setPen(Qt::NoPen);
    painter.setBrush(edge);
    painter.drawRect(QRectF(3.8 * unit, body.top(), 1.3 * unit, body.height()));
    painter.drawRect(QRectF(10.9 * unit, body.top(), 1.3 * unit, body.height()));
    painter.setBrush(brass);
    painter.drawRect(QRectF(7 * unit, 6.5 * unit, 2 * unit, 1.6 * unit));
    return pixmap;
}

}  // namespace

QIcon SuitcaseIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48}) icon.addPixmap(Suitcase(size));
    return icon;
}

}  // namespace kelvara
