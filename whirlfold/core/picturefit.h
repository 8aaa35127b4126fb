#pragma once

// Fitting a picture into a slot canvas (working canvas or thumbnail).
//
// Sizes are pixels. A picture is measured as its pixel size plus the 2 pixels of the measuring
// box's border, so a measured side is never below 2 and the divisions here never divide by 0.

#include <QImage>
#include <QRectF>

namespace picturecraft::whirlfold {

// How the next picture is fitted (the picture-size dialog's choice, the value of fitMode).
//   Wide:     the whole picture is shown when its shape lies outside 0.866..1, with bands of
//             background on two sides;
//   Zoom:     the canvas is covered and the picture cropped on two sides;
//   Unscaled: the command line's mode for pictures prepared at the working canvas's own size:
//             drawn pixel for pixel at the drawing origin, never resampled.
enum class FitMode { Wide = 0, Zoom = 1, Unscaled = 2 };

// A picture's measured size: its pixel size plus 2 each way, in single precision.
struct MeasuredSize {
    double width;
    double height;
};
MeasuredSize MeasurePicture(const QImage& picture);

// cos(30 / 180 x 3.14159265358979) in double precision: 0.8660254037844389.
double Cos30();

// The rectangle (target canvas units, from the drawing origin) that the whole picture is drawn
// into. targetWidth/targetHeight are the target's outer size as it stands; `source` is the
// measured size. The branch test and the sizes are double precision, each size then rounded to
// single precision; the centring offsets are single precision.
//   wide: fit-width when srcWidth >= srcHeight x cos30;  zoom: when srcWidth <= srcHeight x cos30
//   fit-width:  w = W, h = H x srcHeight / srcWidth   (h scaled from H, not from W)
//   fit-height: h = H, w = W x srcWidth / srcHeight   (w scaled from W, not from H)
// Only Wide and Zoom are meaningful here; Unscaled is drawn by DrawFittedPicture.
QRectF FitPicture(MeasuredSize source, double targetWidth, double targetHeight, double cos30,
                  FitMode mode);

}  // namespace picturecraft::whirlfold
