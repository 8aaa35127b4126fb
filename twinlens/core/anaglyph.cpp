#include "anaglyph.h"

#include <cstdlib>

#include "picturefile.h"
#include "slotfit.h"

namespace picturecraft::twinlens {

namespace {

constexpr QRgb kWhite = rgb(255, 255, 255);

Canvas twipsCanvas(double width, double height, QRgb background = kButtonFace) {
    return Canvas(width, height, CanvasUnit::Twips, CanvasEdge::None, background);
}

// Fills every raster pixel. A box of the canvas's own size would miss the last row or column
// of a canvas whose size ends in exactly half a pixel (the raster rounds that half up, a box
// covers only the pixels whose centres it holds), leaving a stray line of the background.
void fillWhole(Canvas& canvas, QRgb colour) {
    const double upp = canvas.unitsPerPixel();
    canvas.fillBox(QRectF(0.0, 0.0, canvas.rasterWidth() * upp, canvas.rasterHeight() * upp),
                   colour);
}

struct Step {
    int dx;
    int dy;
};

Step stepOf(ArrowButton button) {
    switch (button) {
        case ArrowButton::Left:
            return {-kStep, 0};
        case ArrowButton::Right:
            return {kStep, 0};
        case ArrowButton::Up:
            return {0, -kStep};
        case ArrowButton::Down:
            return {0, kStep};
        case ArrowButton::LeftLeft:
            return {-kBigStep, 0};
        case ArrowButton::UpUp:
            return {0, -kBigStep};
        case ArrowButton::RightRight:
            return {kBigStep, 0};
        case ArrowButton::DownDown:
            return {0, kBigStep};
        case ArrowButton::Zero:
            break;
    }
    return {0, 0};
}

// At least one whole pixel of photograph 1 stays on a canvas `extent` twips across.
bool keepsOverlap(int offset, double extent) {
    return std::abs(offset) + kStep <= extent;
}

}  // namespace

QRgb RightFilterColour(int colorMode) {
    switch (colorMode) {
        case 1:
            return rgb(0, 0, 255);
        case 2:
            return rgb(0, 255, 0);
        default:
            return rgb(0, 255, 255);
    }
}

Anaglyph::Anaglyph()
    : picture1_(twipsCanvas(kDesignWidth, kDesignHeight)),
      picture2_(twipsCanvas(kDesignWidth, kDesignHeight)),
      picture3_(twipsCanvas(kDesignWidth, kDesignHeight)),
      picture4_(twipsCanvas(kDesignWidth, kDesignHeight)),
      picture6_(twipsCanvas(kDesignWidth, kDesignHeight)),
      picture7_(twipsCanvas(375.0, 375.0)),
      picture8_(twipsCanvas(255.0, 255.0)),
      scaledPicture1_(twipsCanvas(0.0, 0.0, kWhite)),
      thumbnail1_{QImage(), QSizeF(kThumbnailWidth, kThumbnailHeight)},
      thumbnail2_{QImage(), QSizeF(kThumbnailWidth, kThumbnailHeight)} {
    SetColorMode(0);
    designWidth_ = picture3_.width();
    designHeight_ = picture3_.height();
    FillLeftChannel();
    FillRightChannel();
    ClearComposite();
}

// --- The slots ---------------------------------------------------------------------------

bool Anaglyph::LoadPicture1(const QString& path) {
    const std::optional<QImage> picture = decodePictureFile(path);
    if (!picture) return false;
    EmptyForNewPicture(picture1_);
    pictureWidth_ = picture->width();
    pictureHeight_ = picture->height();
    TakePicture1(*picture);
    return true;
}

bool Anaglyph::LoadPicture2(const QString& path) {
    const std::optional<QImage> picture = decodePictureFile(path);
    if (!picture) return false;
    EmptyForNewPicture(picture2_);
    pictureWidth_ = picture->width();
    pictureHeight_ = picture->height();
    TakePicture2(*picture);
    path2_ = path;
    sourceKind2_ = SourceKind::File;
    return true;
}

bool Anaglyph::PastePicture1(const QImage& picture) {
    if (picture.isNull()) return false;
    EmptyForNewPicture(picture1_);
    picture7_.clear();
    picture7_.resize(picture.width() * kTwipsPerPixel, picture.height() * kTwipsPerPixel);
    picture7_.drawScaled(picture, QRectF(0.0, 0.0, picture7_.width(), picture7_.height()));
    pictureWidth_ = picture7_.width();
    pictureHeight_ = picture7_.height();
    TakePicture1(picture7_.picture());
    return true;
}

bool Anaglyph::PastePicture2(const QImage& picture) {
    if (picture.isNull()) return false;
    EmptyForNewPicture(picture2_);
    picture8_.clear();
    picture8_.resize(picture.width() * kTwipsPerPixel, picture.height() * kTwipsPerPixel);
    picture8_.drawScaled(picture, QRectF(0.0, 0.0, picture8_.width(), picture8_.height()));
    pictureWidth_ = picture8_.width();
    pictureHeight_ = picture8_.height();
    TakePicture2(picture8_.picture());
    sourceKind2_ = SourceKind::Clipboard;
    return true;
}

void Anaglyph::EmptyForNewPicture(Canvas& channel) {
    channel.clear();
    picture3_.clear();
    picture3_.resize(designWidth_, designHeight_);
}

void Anaglyph::TakePicture1(const QImage& picture) {
    FitPicture1();
    FillLeftChannel();
    thumbnail1_.picture = picture;
    paint1Width_ = picture1_.width();
    paint1Height_ = picture1_.height();
    scaledPicture1_ = twipsCanvas(paint1Width_, paint1Height_, kWhite);
    scaledPicture1_.drawScaled(picture, QRectF(0.0, 0.0, paint1Width_, paint1Height_));
    offsetX_ = 0;
    offsetY_ = 0;
    DrawPicture1();
}

void Anaglyph::TakePicture2(const QImage& picture) {
    FitPicture2();
    FillRightChannel();
    thumbnail2_.picture = picture;
    paint2Width_ = picture2_.width();
    paint2Height_ = picture2_.height();
    picture2_.drawScaled(picture, paint2Rect(), Combine::And);
}

void Anaglyph::FitPicture1() {
    const SlotFit fit = FitSlot(pictureWidth_, pictureHeight_);
    thumbnail1_.size = fit.thumbnail;
    picture1_.resize(fit.channel.width(), fit.channel.height());
}

void Anaglyph::FitPicture2() {
    const SlotFit fit = FitSlot(pictureWidth_, pictureHeight_);
    thumbnail2_.size = fit.thumbnail;
    picture2_.resize(fit.channel.width(), fit.channel.height());
}

void Anaglyph::ClearSlot1() {
    FillLeftChannel();
    thumbnail1_.picture = QImage();
    scaledPicture1_ = twipsCanvas(0.0, 0.0, kWhite);
}

void Anaglyph::ClearSlot2() {
    FillRightChannel();
    thumbnail2_.picture = QImage();
    picture8_.clear();
    sourceKind2_ = SourceKind::File;
    path2_.clear();
}

// --- Colour option -----------------------------------------------------------------------

void Anaglyph::SetColorMode(int mode) {
    if (mode < 0 || mode > 2) return;
    colorMode_ = mode;
}

// --- Channel and composite operations ----------------------------------------------------

void Anaglyph::FillLeftChannel() {
    fillWhole(picture1_, kLeftFilter);
}
void Anaglyph::FillRightChannel() {
    fillWhole(picture2_, RightFilterColour(colorMode()));
}
void Anaglyph::ClearComposite() {
    fillWhole(picture3_, kCompositeBlack);
}
void Anaglyph::FillSpareCyan() {
    fillWhole(picture6_, kSpareCyan);
}
void Anaglyph::FillSpareRed() {
    fillWhole(picture6_, kLeftFilter);
}

void Anaglyph::ReconvertPicture2() {
    FillRightChannel();
    if (sourceKind2_ == SourceKind::Clipboard) {
        picture2_.drawScaled(picture8_, paint2Rect(), Combine::And);
        return;
    }
    const std::optional<QImage> picture = decodePictureFile(path2_);
    if (picture) picture2_.drawScaled(*picture, paint2Rect(), Combine::And);
}

void Anaglyph::SizeComposite() {
    const double width =
        picture1_.width() >= picture2_.width() ? picture1_.width() : picture2_.width();
    const double height =
        picture1_.height() >= picture2_.height() ? picture1_.height() : picture2_.height();
    picture3_.resize(width, height);
    picture4_.resize(picture3_.width(), picture3_.height());
    picture6_.resize(picture3_.width(), picture3_.height());
}

void Anaglyph::XorOntoComposite(const Canvas& source) {
    picture3_.drawUnscaled(source, QPointF(0.0, 0.0), Combine::Xor);
}

void Anaglyph::CompositeBoth() {
    SizeComposite();
    ClearComposite();
    XorOntoComposite(picture1_);
    XorOntoComposite(picture2_);
}

void Anaglyph::CompositeLeftOnly() {
    SizeComposite();
    ClearComposite();
    FillSpareCyan();
    XorOntoComposite(picture1_);
    XorOntoComposite(picture6_);
}

void Anaglyph::CompositeRightOnly() {
    SizeComposite();
    ClearComposite();
    FillSpareRed();
    XorOntoComposite(picture2_);
    XorOntoComposite(picture6_);
}

void Anaglyph::ConvertAndCombine() {
    ReconvertPicture2();
    CompositeBoth();
}

void Anaglyph::ConvertLeftOnly() {
    CompositeLeftOnly();
}

void Anaglyph::ConvertRightOnly() {
    ReconvertPicture2();
    CompositeRightOnly();
}

// --- The arrow pad -----------------------------------------------------------------------

bool Anaglyph::CanNudge(ArrowButton button) const {
    if (button == ArrowButton::Zero) return true;
    if (!hasPicture1()) return false;
    const Step step = stepOf(button);
    if (step.dx != 0) return keepsOverlap(offsetX_ + step.dx, picture1_.width());
    return keepsOverlap(offsetY_ + step.dy, picture1_.height());
}

bool Anaglyph::Nudge(ArrowButton button) {
    if (!CanNudge(button)) return false;
    FillLeftChannel();
    if (button == ArrowButton::Zero) {
        offsetX_ = 0;
        offsetY_ = 0;
    } else {
        const Step step = stepOf(button);
        offsetX_ += step.dx;
        offsetY_ += step.dy;
    }
    DrawPicture1();
    CompositeBoth();
    return true;
}

void Anaglyph::DrawPicture1() {
    if (!hasPicture1()) return;
    picture1_.drawUnscaled(scaledPicture1_, QPointF(offsetX_, offsetY_), Combine::And);
}

// --- Output ------------------------------------------------------------------------------

bool Anaglyph::CropOutput() {
    const double compositeWidth = picture3_.width();
    const double compositeHeight = picture3_.height();
    const double outputWidth = compositeWidth - std::abs(offsetX_);
    const double outputHeight = compositeHeight - std::abs(offsetY_);
    if (!(outputWidth > 0.0) || !(outputHeight > 0.0)) return false;
    const double sourceX = offsetX_ > 0 ? offsetX_ : 0;
    const double sourceY = offsetY_ > 0 ? offsetY_ : 0;
    picture4_.resize(outputWidth, outputHeight);
    picture4_.clear();
    picture4_.copyRect(picture3_, QRectF(sourceX, sourceY, outputWidth, outputHeight),
                       QPointF(0.0, 0.0));
    return picture4_.rasterWidth() > 0 && picture4_.rasterHeight() > 0;
}

}  // namespace picturecraft::twinlens
