#pragma once

// ThumbnailView: a picture area that shows its photograph stretched to its own size inside a
// single black border (an empty thumbnail shows the border alone). It reports mouse presses
// by button; the window decides what each button does.

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace picturecraft::twinlens {

class ThumbnailView : public QWidget {
    Q_OBJECT
  public:
    explicit ThumbnailView(QWidget* parent = nullptr);

    // A null picture empties the thumbnail.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

  signals:
    void mousePressed(Qt::MouseButton button);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QImage picture_;
    // The photograph scaled once to the inside of the border: a large photograph is not
    // rescaled on every repaint.
    QPixmap stretched_;
};

}  // namespace picturecraft::twinlens
