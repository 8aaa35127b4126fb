#include <gtest/gtest.h>

#include "canvas.h"
#include "casename.h"

using namespace picturecraft;

namespace {

QImage solidPicture(int w, int h, QRgb colour) {
    QImage picture(w, h, QImage::Format_RGB32);
    picture.fill(colour | 0xFF000000u);
    return picture;
}

// A picture whose pixel (x, y) is rgb(x, y, 7): sampling shows which source pixel landed.
QImage coordinatePicture(int w, int h) {
    QImage picture(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) picture.setPixel(x, y, qRgb(x, y, 7));
    return picture;
}

}  // namespace

struct EdgeCase {
    const char* name;
    double outerW, outerH;
    CanvasUnit unit;
    CanvasEdge edge;
    int rasterW, rasterH;
    double innerW, innerH;
};

class CanvasSizeTest : public testing::TestWithParam<EdgeCase> {};

TEST_P(CanvasSizeTest, OuterSizeIncludesTheEdge) {
    const EdgeCase& c = GetParam();
    Canvas canvas(c.outerW, c.outerH, c.unit, c.edge);
    EXPECT_EQ(canvas.width(), c.outerW);
    EXPECT_EQ(canvas.height(), c.outerH);
    EXPECT_EQ(canvas.rasterWidth(), c.rasterW);
    EXPECT_EQ(canvas.rasterHeight(), c.rasterH);
    EXPECT_DOUBLE_EQ(canvas.innerWidth(), c.innerW);
    EXPECT_DOUBLE_EQ(canvas.innerHeight(), c.innerH);
}

INSTANTIATE_TEST_SUITE_P(
    Canvas, CanvasSizeTest,
    testing::Values(EdgeCase{"no_edge_pixels", 1223, 500, CanvasUnit::Pixels, CanvasEdge::None,
                             1223, 500, 1223, 500},
                    EdgeCase{"flat_border_real_width", 423.4864, 489, CanvasUnit::Pixels,
                             CanvasEdge::FlatBorder, 421, 487, 421.4864, 487},
                    EdgeCase{"sunken_frame", 1017, 721, CanvasUnit::Pixels, CanvasEdge::SunkenFrame,
                             1013, 717, 1013, 717},
                    EdgeCase{"twips", 9600, 7200, CanvasUnit::Twips, CanvasEdge::None, 640, 480,
                             9600, 7200},
                    EdgeCase{"twips_with_frame", 15255, 10815, CanvasUnit::Twips,
                             CanvasEdge::SunkenFrame, 1013, 717, 15195, 10755},
                    EdgeCase{"smaller_than_its_edge", 3, 1, CanvasUnit::Pixels,
                             CanvasEdge::SunkenFrame, 0, 0, -1, -3}),
    ByCaseName());

TEST(Canvas, ResizeKeepsPixelsThatStillFitAndPaintsNewOnesInBackground) {
    Canvas canvas(4, 4, CanvasUnit::Pixels, CanvasEdge::None, rgb(1, 2, 3));
    canvas.setPixel(1, 1, rgb(9, 9, 9));
    canvas.setPixel(3, 3, rgb(8, 8, 8));
    canvas.setWidth(6);
    canvas.setHeight(3);
    EXPECT_EQ(canvas.rasterWidth(), 6);
    EXPECT_EQ(canvas.rasterHeight(), 3);
    EXPECT_EQ(canvas.pixel(1, 1), rgb(9, 9, 9));
    EXPECT_EQ(canvas.pixel(5, 2), rgb(1, 2, 3));
}

TEST(Canvas, EverythingOutsideTheRasterIsClipped) {
    Canvas canvas(5, 5, CanvasUnit::Pixels, CanvasEdge::FlatBorder, rgb(255, 255, 255));
    ASSERT_EQ(canvas.rasterWidth(), 3);
    canvas.setPixel(-1, 0, rgb(0, 0, 0));
    canvas.setPixel(3, 0, rgb(0, 0, 0));
    canvas.fillBox(QRectF(-10, -10, 100, 1.0 + 10), rgb(1, 1, 1));  // covers row 0 only
    canvas.drawLine(QPointF(-5, 2), QPointF(10, 2), rgb(2, 2, 2), LineEnd::Included);
    EXPECT_EQ(canvas.pixel(0, 0), rgb(1, 1, 1));
    EXPECT_EQ(canvas.pixel(2, 0), rgb(1, 1, 1));
    EXPECT_EQ(canvas.pixel(1, 1), rgb(255, 255, 255));
    EXPECT_EQ(canvas.pixel(2, 2), rgb(2, 2, 2));
    EXPECT_EQ(canvas.pixel(3, 0), 0u) << "reads outside the raster give black";
}

TEST(Canvas, CopyPixelFromOutsideTheSourceChangesNothing) {
    Canvas source(3, 3, CanvasUnit::Pixels, CanvasEdge::None, rgb(10, 20, 30));
    Canvas target(3, 3, CanvasUnit::Pixels, CanvasEdge::None, rgb(255, 255, 255));
    target.copyPixel(source, 1, 1, 0, 0);
    target.copyPixel(source, 3, 0, 1, 0);
    target.copyPixel(source, 0, 0, 5, 5);
    EXPECT_EQ(target.pixel(0, 0), rgb(10, 20, 30));
    EXPECT_EQ(target.pixel(1, 0), rgb(255, 255, 255));
}

TEST(Canvas, LinesSetTheirStartAndOptionallyTheirEnd) {
    Canvas canvas(10, 10);
    canvas.drawLine(QPointF(0, 0), QPointF(4, 2), rgb(0, 0, 0));
    EXPECT_EQ(canvas.pixel(0, 0), rgb(0, 0, 0));
    EXPECT_EQ(canvas.pixel(2, 1), rgb(0, 0, 0));
    EXPECT_EQ(canvas.pixel(4, 2), rgb(255, 255, 255));
    canvas.drawLine(QPointF(6, 0), QPointF(6, 3), rgb(0, 0, 0), LineEnd::Included);
    EXPECT_EQ(canvas.pixel(6, 3), rgb(0, 0, 0));
    EXPECT_EQ(canvas.pixel(6, 4), rgb(255, 255, 255));
    canvas.drawLine(QPointF(8, 8), QPointF(8, 8), rgb(1, 1, 1));
    EXPECT_EQ(canvas.pixel(8, 8), rgb(1, 1, 1)) << "a zero-length line sets its point";
}

TEST(Canvas, AndKeepsOnlyTheChannelsOfTheFill) {
    Canvas channel(2, 2, CanvasUnit::Pixels, CanvasEdge::None, rgb(0, 0, 0));
    channel.fillBox(QRectF(0, 0, 2, 2), rgb(255, 0, 0));
    channel.drawScaled(solidPicture(1, 1, rgb(200, 150, 100)), QRectF(0, 0, 2, 2), Combine::And);
    EXPECT_EQ(channel.pixel(0, 0), rgb(200, 0, 0));
    EXPECT_EQ(channel.pixel(1, 1), rgb(200, 0, 0));
}

TEST(Canvas, RedXorCyanOverBlackIsWhite) {
    Canvas red(2, 2, CanvasUnit::Pixels, CanvasEdge::None, rgb(255, 0, 0));
    Canvas cyan(2, 2, CanvasUnit::Pixels, CanvasEdge::None, rgb(0, 255, 255));
    Canvas composite(3, 3, CanvasUnit::Pixels, CanvasEdge::None, rgb(0, 0, 0));
    composite.drawUnscaled(red, QPointF(0, 0), Combine::Xor);
    composite.drawUnscaled(cyan, QPointF(0, 0), Combine::Xor);
    EXPECT_EQ(composite.pixel(0, 0), rgb(255, 255, 255));
    EXPECT_EQ(composite.pixel(2, 2), rgb(0, 0, 0)) << "beyond the sources stays black";
    composite.drawUnscaled(red, QPointF(0, 0), Combine::Xor);
    EXPECT_EQ(composite.pixel(1, 1), rgb(0, 255, 255)) << "XOR twice undoes itself";
}

TEST(Canvas, ScaledDrawingSamplesNearestPixelAndClipsNegativeOffsets) {
    Canvas canvas(4, 4, CanvasUnit::Pixels, CanvasEdge::None, rgb(255, 255, 255));
    // A 4 x 4 picture drawn 8 x 8 at (-2, -2): every picture pixel covers 2 x 2 raster pixels
    // and the first picture column lies wholly left of the raster.
    canvas.drawScaled(coordinatePicture(4, 4), QRectF(-2, -2, 8, 8));
    EXPECT_EQ(canvas.pixel(0, 0), rgb(1, 1, 7));
    EXPECT_EQ(canvas.pixel(1, 1), rgb(1, 1, 7));
    EXPECT_EQ(canvas.pixel(2, 0), rgb(2, 1, 7));
    EXPECT_EQ(canvas.pixel(3, 3), rgb(2, 2, 7));
}

TEST(Canvas, ScaledDrawingCoversPixelsWhoseCentreLiesInTheRectangle) {
    Canvas canvas(6, 1, CanvasUnit::Pixels, CanvasEdge::None, rgb(255, 255, 255));
    canvas.drawScaled(solidPicture(1, 1, rgb(0, 0, 0)), QRectF(0.6, 0, 2.0, 1));
    EXPECT_EQ(canvas.pixel(0, 0), rgb(255, 255, 255));  // centre 0.5 < 0.6
    EXPECT_EQ(canvas.pixel(1, 0), rgb(0, 0, 0));
    EXPECT_EQ(canvas.pixel(2, 0), rgb(0, 0, 0));  // centre 2.5 < 2.6
    EXPECT_EQ(canvas.pixel(3, 0), rgb(255, 255, 255));
}

TEST(Canvas, TwipCanvasesPlaceInWholePixels) {
    Canvas canvas(150, 150, CanvasUnit::Twips, CanvasEdge::None, rgb(0, 0, 0));
    ASSERT_EQ(canvas.rasterWidth(), 10);
    canvas.fillBox(QRectF(30, 15, 45, 15), rgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(1, 1), rgb(0, 0, 0));
    EXPECT_EQ(canvas.pixel(2, 1), rgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(4, 1), rgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(5, 1), rgb(0, 0, 0));
    Canvas spot(30, 30, CanvasUnit::Twips, CanvasEdge::None, rgb(0, 255, 0));
    canvas.drawUnscaled(spot, QPointF(-15, 135), Combine::Replace);
    EXPECT_EQ(canvas.pixel(0, 9), rgb(0, 255, 0));
    EXPECT_EQ(canvas.pixel(1, 9), rgb(0, 0, 0));
}

TEST(Canvas, CopyRectTakesASourceRectangleInTheSourceUnits) {
    Canvas source(6, 6, CanvasUnit::Pixels, CanvasEdge::None, rgb(0, 0, 0));
    source.drawScaled(coordinatePicture(6, 6), QRectF(0, 0, 6, 6));
    Canvas target(60, 60, CanvasUnit::Twips, CanvasEdge::None, rgb(255, 255, 255));
    target.copyRect(source, QRectF(2, 1, 3, 2), QPointF(15, 0));
    EXPECT_EQ(target.pixel(0, 0), rgb(255, 255, 255));
    EXPECT_EQ(target.pixel(1, 0), rgb(2, 1, 7));
    EXPECT_EQ(target.pixel(3, 1), rgb(4, 2, 7));
    EXPECT_EQ(target.pixel(1, 2), rgb(255, 255, 255));
}

TEST(Canvas, ClearPaintsTheBackground) {
    Canvas canvas(3, 3, CanvasUnit::Pixels, CanvasEdge::None, rgb(0, 0, 128));
    canvas.setPixel(1, 1, rgb(255, 0, 0));
    canvas.clear();
    EXPECT_EQ(canvas.pixel(1, 1), rgb(0, 0, 128));
    EXPECT_EQ(canvas.picture().format(), QImage::Format_RGB32);
}
