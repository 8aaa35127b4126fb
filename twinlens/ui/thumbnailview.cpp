#include "thumbnailview.h"

#include <QMouseEvent>
#include <QPainter>

namespace picturecraft::twinlens {

ThumbnailView::ThumbnailView(QWidget* parent) : QWidget(parent) {}

void ThumbnailView::setPicture(const QImage& picture) {
    picture_ = picture;
    stretched_ = QPixmap();
    update();
}

void ThumbnailView::resizeEvent(QResizeEvent* event) {
    stretched_ = QPixmap();
    QWidget::resizeEvent(event);
}

void ThumbnailView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    if (!picture_.isNull() && !inside.isEmpty()) {
        if (stretched_.size() != inside.size())
            stretched_ = QPixmap::fromImage(
                picture_.scaled(inside.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        painter.drawPixmap(inside.topLeft(), stretched_);
    }
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ThumbnailView::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event->button());
    QWidget::mousePressEvent(event);
}

}  // namespace picturecraft::twinlens
