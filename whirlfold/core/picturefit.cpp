#include "picturefit.h"

#include <cmath>

#include "numbers.h"

namespace picturecraft::whirlfold {

namespace {

// Single-precision subtraction and halving of two single-precision values.
double centredOffset(double outer, double inner) {
    return toSingle(toSingle(toSingle(outer) - inner) / 2.0);
}

}  // namespace

MeasuredSize MeasurePicture(const QImage& picture) {
    return {toSingle(picture.width() + 2.0), toSingle(picture.height() + 2.0)};
}

double Cos30() {
    return std::cos(degreesToRadians(30.0));
}

QRectF FitPicture(MeasuredSize source, double targetWidth, double targetHeight, double cos30,
                  FitMode mode) {
    const double shapeLimit = source.height * cos30;
    const bool fitWidth =
        mode == FitMode::Zoom ? source.width <= shapeLimit : source.width >= shapeLimit;
    double w = 0.0;
    double h = 0.0;
    if (fitWidth) {
        w = toSingle(targetWidth);
        h = toSingle(targetHeight * source.height / source.width);
    } else {
        h = toSingle(targetHeight);
        w = toSingle(targetWidth * source.width / source.height);
    }
    const double top = centredOffset(targetHeight, h);
    const double left = centredOffset(targetWidth, w);
    return {left, top, w, h};
}

}  // namespace picturecraft::whirlfold
