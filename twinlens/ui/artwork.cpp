#include "artwork.h"

#include <QPainter>
#include <QPainterPath>

namespace picturecraft::twinlens {

QImage GlassesPicture(int size) {
    QImage picture(size, size, QImage::Format_RGB32);
    picture.fill(QColor(0xFF, 0xFF, 0xE0));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 50.0, size / 50.0);
    const QRectF leftLens(4, 16, 18, 14);
    const QRectF rightLens(28, 16, 18, 14);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 40, 40));
    painter.drawRoundedRect(leftLens, 4, 4);
    painter.setBrush(QColor(0, 220, 255));
    painter.drawRoundedRect(rightLens, 4, 4);
    QPen frame(QColor(40, 40, 40), 2.5);
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(leftLens, 4, 4);
    painter.drawRoundedRect(rightLens, 4, 4);
    QPainterPath bridge;
    bridge.moveTo(22, 21);
    bridge.quadTo(25, 17, 28, 21);
    painter.drawPath(bridge);
    painter.drawLine(QPointF(4, 20), QPointF(1, 17));
    painter.drawLine(QPointF(46, 20), QPointF(49, 17));
    return picture;
}

}  // namespace picturecraft::twinlens
