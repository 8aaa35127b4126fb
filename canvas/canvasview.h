#pragma once

// CanvasView: the window area that shows a Canvas. It paints the canvas's edge (flat border or
// sunken frame) and raster from the canvas itself, so the contents survive being covered or
// hidden. Its widget size is the canvas's outer size in pixels; call syncSize() after the
// canvas is resized.

#include <functional>

#include <QWidget>

#include "canvas.h"

namespace picturecraft {

class CanvasView : public QWidget {
    Q_OBJECT
  public:
    // The view does not own the canvas; the canvas must outlive it.
    explicit CanvasView(Canvas& canvas, QWidget* parent = nullptr);

    Canvas& canvas() { return canvas_; }
    const Canvas& canvas() const { return canvas_; }

    // Matches the widget to the canvas's outer size and repaints.
    void syncSize();

    QSize sizeHint() const override;

  signals:
    void mousePressed(Qt::MouseButton button);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    Canvas& canvas_;
};

}  // namespace picturecraft
