#pragma once

// Building blocks the three windows share: layouts are written in twips (15 to a pixel) and
// placed absolutely inside a window's client area; coloured buttons are push buttons filled
// with their own back colour.

#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRect>
#include <QRgb>
#include <QString>

namespace picturecraft::whirlfold {

// left, top, width, height in twips -> pixels.
QRect TwipsRect(int left, int top, int width, int height);

// A push button named `name`, captioned, filled with `colour`, at `geometry` (pixels).
QPushButton* MakeColouredButton(QWidget* parent, const QString& name, const QString& caption,
                                QRgb colour, const QRect& geometry);

// A label named `name` at `geometry` (pixels).
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

}  // namespace picturecraft::whirlfold

namespace picturecraft::whirlfold {

// Moves a top-level window so that its frame is centred on its screen's available area.
void CentreOnScreen(QWidget* window);

// Resizes a main window so that its client area (the central widget) is `client` pixels,
// with the menu bar above it.
void ResizeClientArea(QMainWindow* window, QSize client);

}  // namespace picturecraft::whirlfold
