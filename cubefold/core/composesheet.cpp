#include "composesheet.h"

#include <algorithm>

#include "sheetlayout.h"

namespace picturecraft::cubefold {

namespace {

// Canvas::drawUnscaled with Combine::Replace, row by row: the face's raster with its top-left
// pixel at `at`, clipped to the sheet's raster.
void placeFace(const Canvas& face, QPoint at, Canvas& sheetCanvas) {
    const int firstX = std::max(0, at.x());
    const int lastX = std::min(sheetCanvas.rasterWidth(), at.x() + face.rasterWidth());
    const int firstY = std::max(0, at.y());
    const int lastY = std::min(sheetCanvas.rasterHeight(), at.y() + face.rasterHeight());
    QImage& sheet = sheetCanvas.raster();
    for (int y = firstY; y < lastY; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(face.raster().constScanLine(y - at.y()));
        auto* to = reinterpret_cast<QRgb*>(sheet.scanLine(y));
        for (int x = firstX; x < lastX; ++x) to[x] = from[x - at.x()] | 0xFF000000u;
    }
}

}  // namespace

void ComposeSheet(const std::array<Canvas, 3>& faces, Canvas& sheetCanvas) {
    for (size_t i = 0; i < faces.size(); ++i) {
        const QPoint place = kFacePlaces[i];
        placeFace(faces[i], QPoint(place.x(), place.y() - kLayoutShift), sheetCanvas);
    }
    // End points are set: a segment and its reverse (25 and 28, 33 and 36) then cover the same
    // pixels, and the ticks reach the ends they mark.
    for (const NetSegment& s : kNetSegments)
        sheetCanvas.drawLine(QPointF(s.x1, s.y1 - kLayoutShift), QPointF(s.x2, s.y2 - kLayoutShift),
                             kOutlineColour, LineEnd::Included);
}

}  // namespace picturecraft::cubefold
