#pragma once

// Tiny photographs made in code for the Twinlens tests.

#include <cstdint>

#include <QImage>
#include <QString>

#include "canvas.h"

namespace picturecraft::twinlens::testing {

inline QImage solidPicture(int w, int h, QRgb colour) {
    QImage picture(w, h, QImage::Format_RGB32);
    picture.fill(colour | 0xFF000000u);
    return picture;
}

// Every pixel different from its neighbours (a xorshift sequence), so that a pixel drawn from
// the wrong source point shows.
inline QImage noisePicture(int w, int h, std::uint32_t seed = 2463534242u) {
    QImage picture(w, h, QImage::Format_RGB32);
    std::uint32_t state = seed;
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < w; ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            row[x] = state | 0xFF000000u;
        }
    }
    return picture;
}

// Writes the picture as a bitmap file; true when written.
inline bool writePicture(const QImage& picture, const QString& path) {
    return picture.save(path, "BMP");
}

inline QString colourText(QRgb colour) {
    return QStringLiteral("#%1").arg(colour & 0xFFFFFFu, 6, 16, QLatin1Char('0'));
}

}  // namespace picturecraft::twinlens::testing
