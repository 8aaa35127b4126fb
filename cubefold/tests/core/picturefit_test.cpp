#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "casename.h"
#include "codedpicture.h"
#include "picturefit.h"
#include "sheetlayout.h"

using namespace picturecraft;
using namespace picturecraft::cubefold;
using picturecraft::cubefold::testing::codedPicture;
using picturecraft::cubefold::testing::codeOf;

namespace {

QImage solid(int width, int height, QRgb colour) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour | 0xFF000000u);
    return picture;
}

int countColour(const Canvas& canvas, QRgb colour) {
    int count = 0;
    for (int y = 0; y < canvas.rasterHeight(); ++y)
        for (int x = 0; x < canvas.rasterWidth(); ++x) count += canvas.pixel(x, y) == colour;
    return count;
}

constexpr QRgb kRed = rgb(255, 0, 0);
constexpr QRgb kWhite = rgb(255, 255, 255);

}  // namespace

struct FitCase {
    const char* name;
    int naturalWidth, naturalHeight;
    double left, top, width, height;
};

class PictureFitTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(PictureFitTest, FitsTheMeasuredSizeCentred) {
    const FitCase& c = GetParam();
    const PictureFit fit = FitPicture(QSize(c.naturalWidth, c.naturalHeight), MakeMainCanvas());
    EXPECT_NEAR(fit.left, c.left, 0.005);
    EXPECT_NEAR(fit.top, c.top, 0.005);
    EXPECT_NEAR(fit.width, c.width, 0.005);
    EXPECT_NEAR(fit.height, c.height, 0.005);
}

INSTANTIATE_TEST_SUITE_P(
    PictureFit, PictureFitTest,
    ::testing::Values(FitCase{"wide_picture_across_the_full_width", 800, 400, 0, 104.985, 1017,
                              511.030},
                      FitCase{"square_picture_across_the_full_height", 500, 500, 148, 0, 721, 721},
                      FitCase{"equal_quotients_fill_the_canvas", 2030, 1438, 0, 0, 1017, 721},
                      FitCase{"small_picture_enlarged_with_the_frame_in_its_proportions", 100, 50,
                              0, 96.471, 1017, 528.058},
                      FitCase{"tall_picture", 100, 400, 415.698, 0, 185.604, 721}),
    ByCaseName());

TEST(PictureFit, MeasuresThePictureWithTheProbesFrame) {
    EXPECT_EQ(MeasureInProbe(QSize(800, 400)), QSizeF(804, 404));
}

TEST(PictureFit, EqualQuotientsTakeTheWidthBranchExactly) {
    const PictureFit fit = FitPicture(QSize(2030, 1438), MakeMainCanvas());
    EXPECT_EQ(fit.width, 1017.0);
    EXPECT_EQ(fit.height, 721.0);
    EXPECT_EQ(fit.left, 0.0);
    EXPECT_EQ(fit.top, 0.0);
}

TEST(DrawMainPicture, CentresThePictureOnWhite) {
    Canvas mainCanvas = MakeMainCanvas();
    mainCanvas.fillBox(QRectF(0, 0, 1013, 717), rgb(0, 0, 255));
    DrawMainPicture(solid(800, 400, kRed), mainCanvas);
    // Drawn from row 104.985 for 511.03 rows: the rows whose centres lie inside, 105..615.
    EXPECT_EQ(mainCanvas.pixel(500, 104), kWhite);
    EXPECT_EQ(mainCanvas.pixel(500, 105), kRed);
    EXPECT_EQ(mainCanvas.pixel(500, 615), kRed);
    EXPECT_EQ(mainCanvas.pixel(500, 616), kWhite);
    EXPECT_EQ(mainCanvas.pixel(0, 300), kRed);
    EXPECT_EQ(mainCanvas.pixel(1012, 300), kRed);
    EXPECT_EQ(countColour(mainCanvas, rgb(0, 0, 255)), 0);
}

TEST(DrawMainPicture, UnfittedPictureKeepsEveryPixelFromTheOrigin) {
    Canvas mainCanvas = MakeMainCanvas();
    DrawMainPicture(codedPicture(1013, 717), mainCanvas, FitMode::None);
    for (int y = 0; y < 717; ++y)
        for (int x = 0; x < 1013; ++x) ASSERT_EQ(mainCanvas.pixel(x, y), codeOf(x, y));

    DrawMainPicture(codedPicture(10, 20), mainCanvas, FitMode::None);
    EXPECT_EQ(mainCanvas.pixel(9, 19), codeOf(9, 19));
    EXPECT_EQ(mainCanvas.pixel(10, 0), kWhite);
    EXPECT_EQ(mainCanvas.pixel(0, 20), kWhite);
    EXPECT_EQ(countColour(mainCanvas, kWhite), 1013 * 717 - 200);
}

TEST(LoadMainPicture, AnUndecodableFileLeavesTheCanvasWhite) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("broken.bmp"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM not really a bitmap");
    file.close();

    Canvas mainCanvas = MakeMainCanvas();
    DrawMainPicture(solid(50, 50, kRed), mainCanvas);
    EXPECT_FALSE(LoadMainPicture(path, mainCanvas));
    EXPECT_EQ(countColour(mainCanvas, kWhite), 1013 * 717);
    EXPECT_FALSE(LoadMainPicture(dir.filePath(QStringLiteral("missing.jpg")), mainCanvas));
}

TEST(LoadMainPicture, DecodesAndFitsAFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("red.png"));
    ASSERT_TRUE(solid(500, 500, kRed).save(path));
    Canvas mainCanvas = MakeMainCanvas();
    ASSERT_TRUE(LoadMainPicture(path, mainCanvas));
    EXPECT_EQ(mainCanvas.pixel(147, 300), kWhite);
    EXPECT_EQ(mainCanvas.pixel(148, 300), kRed);
    EXPECT_EQ(mainCanvas.pixel(868, 300), kRed);
    EXPECT_EQ(mainCanvas.pixel(869, 300), kWhite);
}
