#pragma once

// Pictures whose every pixel tells where it came from, for following pixels through a mapping.

#include <QImage>

#include "canvas.h"

namespace picturecraft::cubefold::testing {

// The colour 0xRRGGBB = x * 1024 + y: unique for x, y below 1024, never white.
constexpr QRgb codeOf(int x, int y) {
    return static_cast<QRgb>(x * 1024 + y);
}

inline QImage codedPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.setPixel(x, y, codeOf(x, y) | 0xFF000000u);
    return picture;
}

// Fills the canvas's raster with codeOf(x, y).
inline void fillCoded(Canvas& canvas) {
    for (int y = 0; y < canvas.rasterHeight(); ++y)
        for (int x = 0; x < canvas.rasterWidth(); ++x) canvas.setPixel(x, y, codeOf(x, y));
}

}  // namespace picturecraft::cubefold::testing
