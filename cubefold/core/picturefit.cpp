#include "picturefit.h"

#include "numbers.h"
#include "picturefile.h"

namespace picturecraft::cubefold {

namespace {

constexpr double kProbeFramePixels = 2;

}  // namespace

QSizeF MeasureInProbe(QSize natural) {
    return {toSingle(natural.width() + 2 * kProbeFramePixels),
            toSingle(natural.height() + 2 * kProbeFramePixels)};
}

PictureFit FitPicture(QSize natural, const Canvas& mainCanvas) {
    const QSizeF loaded = MeasureInProbe(natural);
    const Int16 mainWidth = rne(mainCanvas.width());
    const Int16 mainHeight = rne(mainCanvas.height());
    const float wideness =
        static_cast<float>(loaded.width()) / static_cast<float>(mainWidth.value());
    const float tallness =
        static_cast<float>(loaded.height()) / static_cast<float>(mainHeight.value());
    PictureFit fit{};
    if (wideness >= tallness) {
        fit.width = toSingle(mainCanvas.width());
        fit.height = toSingle((fit.width * loaded.height()) / loaded.width());
    } else {
        fit.height = toSingle(mainCanvas.height());
        fit.width = toSingle((fit.height * loaded.width()) / loaded.height());
    }
    fit.top = toSingle((mainCanvas.height() - fit.height) / 2.0);
    fit.left = toSingle((mainCanvas.width() - fit.width) / 2.0);
    return fit;
}

void DrawMainPicture(const QImage& picture, Canvas& mainCanvas, FitMode fit) {
    mainCanvas.clear();
    if (fit == FitMode::None) {
        // Scaling to its own size maps every raster pixel onto the picture pixel it covers.
        mainCanvas.drawScaled(picture, QRectF(0, 0, picture.width(), picture.height()));
        return;
    }
    const PictureFit place = FitPicture(picture.size(), mainCanvas);
    mainCanvas.drawScaled(picture, QRectF(place.left, place.top, place.width, place.height));
}

bool LoadMainPicture(const QString& pictureFile, Canvas& mainCanvas, FitMode fit) {
    mainCanvas.clear();
    const std::optional<QImage> picture = decodePictureFile(pictureFile);
    if (!picture) return false;
    DrawMainPicture(*picture, mainCanvas, fit);
    return true;
}

}  // namespace picturecraft::cubefold
