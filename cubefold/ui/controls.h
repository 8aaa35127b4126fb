#pragma once

// Small helpers the two windows share for building their fixed layouts.

#include <QColor>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRect>

namespace picturecraft::cubefold {

// The window layouts are given in twips; 15 twips make a pixel.
constexpr int pixelsFromTwips(int twips) {
    return twips / 15;
}
constexpr QRect twipsRect(int left, int top, int width, int height) {
    return {pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width),
            pixelsFromTwips(height)};
}

// A push button filled with its own background colour.
QPushButton* makeColouredButton(const QString& caption, QColor background, QWidget* parent);

// The program's emblem and window icon: three faces of a cube corner, 50 x 50 pixels.
QPixmap cubeEmblem();

// Shrinks the label's font, from the platform's default, until every text fits its width.
void fitFontToWidth(QLabel& label, const QStringList& texts);

// Centres a top-level window on its screen.
void centreOnScreen(QWidget& window);

}  // namespace picturecraft::cubefold
