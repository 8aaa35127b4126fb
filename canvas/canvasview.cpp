#include "canvasview.h"

#include <cmath>

#include <QMouseEvent>
#include <QPainter>

namespace picturecraft {

namespace {

int outerPixels(double units, double unitsPerPixel) {
    return static_cast<int>(std::lround(units / unitsPerPixel));
}

}  // namespace

CanvasView::CanvasView(Canvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    syncSize();
}

QSize CanvasView::sizeHint() const {
    return {outerPixels(canvas_.width(), canvas_.unitsPerPixel()),
            outerPixels(canvas_.height(), canvas_.unitsPerPixel())};
}

void CanvasView::syncSize() {
    resize(sizeHint());
    update();
}

void CanvasView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect all = rect();
    const int edge = canvas_.edgePixels();
    painter.fillRect(all, QColor::fromRgb(canvas_.background()));
    switch (canvas_.edge()) {
        case CanvasEdge::None:
            break;
        case CanvasEdge::FlatBorder:
            painter.setPen(Qt::black);
            painter.drawRect(all.adjusted(0, 0, -1, -1));
            break;
        case CanvasEdge::SunkenFrame: {
            // Outer ring: shadow top-left, light bottom-right; inner ring: dark, then face.
            const QColor shadow(128, 128, 128), dark(64, 64, 64), light(255, 255, 255),
                face(212, 208, 200);
            const QRect outer = all.adjusted(0, 0, -1, -1);
            const QRect inner = all.adjusted(1, 1, -2, -2);
            painter.setPen(shadow);
            painter.drawLine(outer.topLeft(), outer.topRight());
            painter.drawLine(outer.topLeft(), outer.bottomLeft());
            painter.setPen(light);
            painter.drawLine(outer.bottomLeft(), outer.bottomRight());
            painter.drawLine(outer.topRight(), outer.bottomRight());
            painter.setPen(dark);
            painter.drawLine(inner.topLeft(), inner.topRight());
            painter.drawLine(inner.topLeft(), inner.bottomLeft());
            painter.setPen(face);
            painter.drawLine(inner.bottomLeft(), inner.bottomRight());
            painter.drawLine(inner.topRight(), inner.bottomRight());
            break;
        }
    }
    painter.drawImage(QPoint(edge, edge), canvas_.raster());
}

void CanvasView::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event->button());
    QWidget::mousePressEvent(event);
}

}  // namespace picturecraft
