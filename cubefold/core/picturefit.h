#pragma once

// Fitting a picture into mainCanvas.
//
// The picture is measured as it sits in a probe with a 2-pixel sunken frame, so its measured
// size is its natural size plus 4 each way. It is drawn as large as fits while keeping the
// measured proportions, centred, on white, against mainCanvas's outer size; what falls beyond
// the raster (the last 4 columns or rows of the outer size) is clipped.

#include <optional>

#include <QImage>
#include <QSize>
#include <QString>

#include "canvas.h"

namespace picturecraft::cubefold {

// A rectangle in mainCanvas's drawing coordinates, pixels. Every value is single precision.
struct PictureFit {
    double left;
    double top;
    double width;
    double height;
};

// The probe's outer size for a picture of natural size `natural`, single precision.
QSizeF MeasureInProbe(QSize natural);

// Where a picture of natural size `natural` is drawn in mainCanvas: across the full width when
// its measured width / mainWidth is at least its measured height / mainHeight (compared in
// single precision; equal quotients fill the canvas), else across the full height.
PictureFit FitPicture(QSize natural, const Canvas& mainCanvas);

enum class FitMode {
    Contain,  // the program's own fitting (FitPicture)
    None,     // unscaled, the picture's top-left pixel at the raster's pixel (0, 0)
};

// Clears mainCanvas to white and draws the picture into it.
void DrawMainPicture(const QImage& picture, Canvas& mainCanvas, FitMode fit = FitMode::Contain);

// Clears mainCanvas to white, decodes the file and draws it. False when the file cannot be
// decoded as a picture; mainCanvas then stays white.
bool LoadMainPicture(const QString& pictureFile, Canvas& mainCanvas,
                     FitMode fit = FitMode::Contain);

}  // namespace picturecraft::cubefold
