#include "hexagonguide.h"

#include "numbers.h"

namespace picturecraft::whirlfold {

namespace {

QPointF singlePoint(double x, double y) {
    return {toSingle(x), toSingle(y)};
}

}  // namespace

std::array<QPointF, 6> HexagonGuidePoints(double width, double height) {
    return {
        singlePoint(width / 2, 0),          singlePoint(0, height / 4),
        singlePoint(0, height * 3 / 4),     singlePoint(width / 2, height),
        singlePoint(width, height * 3 / 4), singlePoint(width, height / 4),
    };
}

void DrawHexagonGuide(Canvas& thumbnail, double width, double height) {
    const auto points = HexagonGuidePoints(width, height);
    for (size_t i = 0; i < points.size(); ++i)
        thumbnail.drawLine(points[i], points[(i + 1) % points.size()], kGuideColour);
}

}  // namespace picturecraft::whirlfold
