// FitPicture: the wide and zoom fits of a measured picture on the working canvas and the
// thumbnail at their start-up sizes.

#include <cmath>

#include <gtest/gtest.h>

#include "casename.h"
#include "numbers.h"
#include "picturefit.h"

namespace picturecraft::whirlfold {
namespace {

// The start-up outer sizes at 15 twips per pixel.
const double kWorkWidth = toSingle(489 * std::sqrt(3.0) / 2);
const double kThumbWidth = toSingle(145 * std::sqrt(3.0) / 2);

struct FitRow {
    std::string name;
    int pictureWidth;
    int pictureHeight;
    FitMode mode;
    QRectF working;    // expected, to three decimals
    QRectF thumbnail;  // expected, to three decimals
};

class FitPictureTest : public testing::TestWithParam<FitRow> {};

void expectRectNear(const QRectF& actual, const QRectF& expected) {
    constexpr double kThreeDecimals = 0.0005;
    EXPECT_NEAR(actual.left(), expected.left(), kThreeDecimals);
    EXPECT_NEAR(actual.top(), expected.top(), kThreeDecimals);
    EXPECT_NEAR(actual.width(), expected.width(), kThreeDecimals);
    EXPECT_NEAR(actual.height(), expected.height(), kThreeDecimals);
}

TEST_P(FitPictureTest, GivesTheRectangleOnBothCanvases) {
    const FitRow& row = GetParam();
    const QImage picture(row.pictureWidth, row.pictureHeight, QImage::Format_RGB32);
    const MeasuredSize measured = MeasurePicture(picture);
    SCOPED_TRACE("working canvas");
    expectRectNear(FitPicture(measured, kWorkWidth, 489, Cos30(), row.mode), row.working);
    SCOPED_TRACE("thumbnail");
    expectRectNear(FitPicture(measured, kThumbWidth, 145, Cos30(), row.mode), row.thumbnail);
}

TEST_P(FitPictureTest, HandsOutSinglePrecisionValues) {
    const FitRow& row = GetParam();
    const QImage picture(row.pictureWidth, row.pictureHeight, QImage::Format_RGB32);
    const QRectF fit = FitPicture(MeasurePicture(picture), kWorkWidth, 489, Cos30(), row.mode);
    for (const double value : {fit.left(), fit.top(), fit.width(), fit.height()})
        EXPECT_EQ(value, toSingle(value));
}

const FitRow kFitRows[] = {
    {"landscape_wide_fits_the_width",
     640,
     480,
     FitMode::Wide,
     {0, 60.935, 423.486, 367.131},
     {0, 18.069, 125.574, 108.863}},
    {"landscape_zoom_fits_the_height",
     640,
     480,
     FitMode::Zoom,
     {-70.288, 0, 564.063, 489},
     {-20.842, 0, 167.258, 145}},
    {"portrait_wide_fits_the_height",
     480,
     640,
     FitMode::Wide,
     {52.771, 0, 317.945, 489},
     {15.648, 0, 94.278, 145}},
    {"portrait_zoom_fits_the_width",
     480,
     640,
     FitMode::Zoom,
     {0, -81.162, 423.486, 651.324},
     {0, -24.066, 125.574, 193.133}},
    {"square_wide_fills_the_canvas",
     500,
     500,
     FitMode::Wide,
     {0, 0, 423.486, 489},
     {0, 0, 125.574, 145}},
    {"square_zoom_fills_the_canvas",
     500,
     500,
     FitMode::Zoom,
     {0, 0, 423.486, 489},
     {0, 0, 125.574, 145}},
    {"nearly_square_wide_overflows_top_and_bottom",
     450,
     500,
     FitMode::Wide,
     {0, -27.046, 423.486, 543.093},
     {0, -8.02, 125.574, 161.04}},
    {"nearly_square_zoom_leaves_bands_left_and_right",
     450,
     500,
     FitMode::Zoom,
     {21.09, 0, 381.306, 489},
     {6.254, 0, 113.066, 145}},
};

INSTANTIATE_TEST_SUITE_P(Fits, FitPictureTest, testing::ValuesIn(kFitRows), ByCaseName());

TEST(MeasurePictureTest, AddsTheMeasuringBoxBorder) {
    const MeasuredSize measured = MeasurePicture(QImage(640, 480, QImage::Format_RGB32));
    EXPECT_EQ(measured.width, 642);
    EXPECT_EQ(measured.height, 482);
}

TEST(Cos30Test, UsesTheDecimalPi) {
    EXPECT_EQ(Cos30(), 0.8660254037844389);
}

// A measured shape exactly at the cos30 limit takes fit-width in both modes.
TEST(FitPictureBranchTest, ExactEqualityFitsTheWidthInBothModes) {
    const MeasuredSize shape{50, 100};
    for (const FitMode mode : {FitMode::Wide, FitMode::Zoom}) {
        const QRectF fit = FitPicture(shape, 80, 200, 0.5, mode);
        EXPECT_EQ(fit, QRectF(0, -100, 80, 400)) << "mode " << int(mode);
    }
}

}  // namespace
}  // namespace picturecraft::whirlfold
