#pragma once

// The hexagon guide on a thumbnail: the largest regular hexagon, corners up and down, that fits
// the thumbnail's stored width W and height H, showing the user which part of the picture the
// sheet takes.
//
//            (W/2, 0)
//           /        \.
//   (0, H/4)          (W, H/4)
//     |                  |
//   (0, 3H/4)         (W, 3H/4)
//           \        /
//            (W/2, H)
//
// Drawing coordinates (pixels from the thumbnail's drawing origin). The right side and the
// bottom corner fall on or beyond the far edges of the drawing area and are clipped there.

#include <array>

#include <QPointF>
#include <QRgb>

#include "canvas.h"

namespace picturecraft::whirlfold {

inline constexpr QRgb kGuideColour = rgb(0x00, 0x00, 0x80);

// The six corners in drawing order, starting at the top; each computed in double precision and
// rounded to single precision. The path closes back on the first point.
std::array<QPointF, 6> HexagonGuidePoints(double width, double height);

// Draws the six one-pixel segments in kGuideColour onto the thumbnail's contents.
void DrawHexagonGuide(Canvas& thumbnail, double width, double height);

}  // namespace picturecraft::whirlfold
