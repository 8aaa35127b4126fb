#include "composesheet.h"

#include "sheetlayout.h"

namespace picturecraft::cubefold {

void ComposeSheet(const std::array<Canvas, 3>& faces, Canvas& sheetCanvas) {
    for (size_t i = 0; i < faces.size(); ++i) {
        const QPoint place = kFacePlaces[i];
        sheetCanvas.drawUnscaled(faces[i], QPointF(place.x(), place.y() - kLayoutShift),
                                 Combine::Replace);
    }
    // End points are set: a segment and its reverse (25 and 28, 33 and 36) then cover the same
    // pixels, and the ticks reach the ends they mark.
    for (const NetSegment& s : kNetSegments)
        sheetCanvas.drawLine(QPointF(s.x1, s.y1 - kLayoutShift), QPointF(s.x2, s.y2 - kLayoutShift),
                             kOutlineColour, LineEnd::Included);
}

}  // namespace picturecraft::cubefold
