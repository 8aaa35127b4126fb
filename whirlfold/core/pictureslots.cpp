#include "pictureslots.h"

#include <cmath>

#include "hexagonguide.h"
#include "numbers.h"

namespace picturecraft::whirlfold {

namespace {

constexpr double kWorkingDesignWidth = 401;
constexpr double kWorkingDesignHeight = 489;
constexpr double kThumbnailDesignSize = 145;
constexpr QRgb kWindowColour = rgb(255, 255, 255);

Canvas slotCanvas(double width, double height) {
    return Canvas(width, height, CanvasUnit::Pixels, CanvasEdge::FlatBorder, kWindowColour);
}

double hexagonWidth(double height) {
    return height * std::sqrt(3.0) / 2;
}

// Unscaled pictures land pixel for pixel on the working canvas; the thumbnail shows them at
// the thumbnail's scale of that canvas.
QRectF unscaledRectangle(const QImage& picture, double scaleX, double scaleY) {
    return {0, 0, picture.width() * scaleX, picture.height() * scaleY};
}

}  // namespace

int SlotAtPlace(int place) {
    static constexpr std::array<int, kSlotCount> kSlots{0, 2, 1, 3};
    return kSlots.at(place);
}

int NumberOfSlot(int slot) {
    static constexpr std::array<int, kSlotCount> kNumbers{1, 3, 2, 4};
    return kNumbers.at(slot);
}

PictureSlots::PictureSlots()
    : working_{slotCanvas(kWorkingDesignWidth, kWorkingDesignHeight),
               slotCanvas(kWorkingDesignWidth, kWorkingDesignHeight),
               slotCanvas(kWorkingDesignWidth, kWorkingDesignHeight),
               slotCanvas(kWorkingDesignWidth, kWorkingDesignHeight)},
      thumbnails_{slotCanvas(kThumbnailDesignSize, kThumbnailDesignSize),
                  slotCanvas(kThumbnailDesignSize, kThumbnailDesignSize),
                  slotCanvas(kThumbnailDesignSize, kThumbnailDesignSize),
                  slotCanvas(kThumbnailDesignSize, kThumbnailDesignSize)} {}

void PictureSlots::SizeForStartup(int slot) {
    Canvas& thumb = thumbnail(slot);
    thumbHeight_.at(slot) = thumb.height();
    thumbWidth_.at(slot) = hexagonWidth(thumbHeight_.at(slot));
    thumb.setWidth(toSingle(thumbWidth_.at(slot)));
    DrawThumbnailGuide(slot);
    Canvas& work = working(slot);
    workHeight_.at(slot) = work.height();
    workWidth_.at(slot) = hexagonWidth(workHeight_.at(slot));
    work.setWidth(toSingle(workWidth_.at(slot)));
}

WorkingCanvases PictureSlots::workingCanvases() const {
    return {&working_[0], &working_[1], &working_[2], &working_[3]};
}

void PictureSlots::DrawThumbnailGuide(int slot) {
    DrawHexagonGuide(thumbnail(slot), thumbWidth(slot), thumbHeight(slot));
}

bool PictureSlots::FillSlot(int slot, PictureSource source,
                            const std::function<std::optional<QImage>()>& readPicture,
                            FitMode mode) {
    Canvas& work = working(slot);
    Canvas& thumb = thumbnail(slot);
    work.clear();
    const double cos30 = Cos30();
    thumb.clear();
    const std::optional<QImage> picture = readPicture();
    if (!picture || picture->isNull()) {
        if (source == PictureSource::Clipboard) DrawThumbnailGuide(slot);
        return false;
    }
    if (mode == FitMode::Unscaled) {
        work.drawScaled(*picture, unscaledRectangle(*picture, 1, 1));
        thumb.drawScaled(*picture, unscaledRectangle(*picture, thumb.width() / work.width(),
                                                     thumb.height() / work.height()));
    } else {
        const MeasuredSize measured = MeasurePicture(*picture);
        work.drawScaled(*picture, FitPicture(measured, work.width(), work.height(), cos30, mode));
        thumb.drawScaled(*picture,
                         FitPicture(measured, thumb.width(), thumb.height(), cos30, mode));
    }
    DrawThumbnailGuide(slot);
    return true;
}

}  // namespace picturecraft::whirlfold
