// The sheet geometry: which regions claim a pixel, and which picture point a pixel shows.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "casename.h"
#include "codedcanvases.h"
#include "sheetconversion.h"
#include "sheetgeometry.h"

namespace picturecraft::whirlfold {
namespace {

using testing::Decode;

SheetMetrics SheetOfHeight(int height) {
    return SheetMetrics::fromSizes(height, testing::SheetPair::WidthFor(height));
}

std::vector<std::string> RegionNamesAt(int height, int x, int y) {
    std::vector<std::string> names;
    for (const int i : RegionsAt(SheetOfHeight(height), x, y))
        names.push_back(RegionTable()[size_t(i)].name);
    return names;
}

struct PixelCase {
    const char* name;
    int sheetHeight;
    int x;
    int y;
    std::vector<std::string> regions;  // in painting order
};

class RegionsAtTest : public ::testing::TestWithParam<PixelCase> {};

TEST_P(RegionsAtTest, ListsTheRegionsThatPaintThePixel) {
    const PixelCase& c = GetParam();
    EXPECT_EQ(RegionNamesAt(c.sheetHeight, c.x, c.y), c.regions);
}

INSTANTIATE_TEST_SUITE_P(
    Whirlfold, RegionsAtTest,
    ::testing::Values(
        PixelCase{"edge_pixel_shared_by_03_and_09", 400, 240, 120, {"MapRegion03", "MapRegion09"}},
        PixelCase{"corner_pixel_of_01_03_and_09",
                  400,
                  160,
                  80,
                  {"MapRegion01", "MapRegion03", "MapRegion09"}},
        PixelCase{"inside_the_bottom_rhombus_of_picture_2", 400, 480, 160, {"MapRegion10"}},
        PixelCase{"top_margin_triangle_is_unpainted", 400, 160, 10, {}},
        PixelCase{"pixel_lost_to_the_order_of_sums", 498, 1194, 399, {}},
        PixelCase{"its_neighbour_along_the_edge", 498, 1193, 399, {"MapRegion14"}},
        PixelCase{"the_pixel_above_it", 498, 1194, 398, {"MapRegion14"}}),
    ByCaseName());

TEST(SheetGeometry, TheOrderOfSumsDecidesTheTestOnTheEdge) {
    const SheetMetrics sheet = SheetOfHeight(498);
    const Region& region14 = RegionTable()[13];
    const double value = TestValue(region14.tests[3], sheet, 1194);  // (b + h8) + h2
    EXPECT_EQ(value, 398.99999999999994);
    EXPECT_FALSE(TestHolds(region14.tests[3], value, 399));
}

// Region membership in exact arithmetic: every quantity of the tests times 10 is whole
// (a = x/2, hk = k·H/5), so the table's tests can be read without any rounding.
bool InRegionExactly(const Region& region, int height, int x, int y) {
    for (int t = 0; t < region.testCount; ++t) {
        const RegionTest& test = region.tests[size_t(t)];
        long long value = 0;
        switch (test.base) {
            case RegionTest::Base::A:
                value = 5LL * x;
                break;
            case RegionTest::Base::B:
                value = -5LL * x;
                break;
            case RegionTest::Base::FloorA:
                value = 10LL * static_cast<long long>(std::floor(x / 2.0));
                break;
            case RegionTest::Base::FloorB:
                value = 10LL * static_cast<long long>(std::floor(-x / 2.0));
                break;
        }
        for (const int addend : test.addends) value += 2LL * addend * height;
        const long long row = 10LL * y;
        const bool holds =
            test.compare == RegionTest::Compare::AtLeastRow ? value >= row : value <= row;
        if (!holds) return false;
    }
    return true;
}

struct RoundingCase {
    const char* name;
    int sheetHeight;
    int pixelsLost;  // in some region exactly, in none as evaluated
};

class OrderOfSumsTest : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(OrderOfSumsTest, DecidesOnlyThePixelsItShould) {
    const RoundingCase& c = GetParam();
    const SheetMetrics sheet = SheetOfHeight(c.sheetHeight);
    int lost = 0;
    int otherwiseDifferent = 0;
    for (int y = 0; y < sheet.sheetHeight.value(); ++y) {
        for (int x = 0; x < sheet.sheetWidth.value(); ++x) {
            std::vector<int> exact;
            for (int i = 0; i < kRegionCount; ++i) {
                const Region& region = RegionTable()[size_t(i)];
                const ScanBox box = ScanBoxOf(region, sheet);
                if (box.firstRow.value() <= y && y <= box.lastRow.value() &&
                    box.firstColumn.value() <= x && x <= box.lastColumn.value() &&
                    InRegionExactly(region, c.sheetHeight, x, y))
                    exact.push_back(i);
            }
            const std::vector<int> evaluated = RegionsAt(sheet, x, y);
            if (exact == evaluated) continue;
            if (evaluated.empty() && exact == std::vector<int>{13})
                ++lost;
            else
                ++otherwiseDifferent;
        }
    }
    EXPECT_EQ(lost, c.pixelsLost);
    EXPECT_EQ(otherwiseDifferent, 0);
}

INSTANTIATE_TEST_SUITE_P(Whirlfold, OrderOfSumsTest,
                         ::testing::Values(RoundingCase{"sheet_400_high", 400, 0},
                                           RoundingCase{"sheet_497_high", 497, 0},
                                           RoundingCase{"sheet_498_high_loses_99", 498, 99},
                                           RoundingCase{"sheet_621_high", 621, 0}),
                         ByCaseName());

TEST(SheetGeometry, AnglesComeFromTheDecimalPi) {
    EXPECT_EQ(Angles().c60, 0.5000000000000011);
    EXPECT_EQ(Angles().s60, 0.866025403784438);
    EXPECT_EQ(Angles().c30, 0.8660254037844389);
    EXPECT_EQ(Angles().s30, 0.49999999999999944);
}

// The picture's hexagon rhombi, as centres and the direction of their outer corners (y down).
enum class Rhombus { Top, LowerRight, LowerLeft, UpperRight, Bottom, UpperLeft };

struct PicturePoint {
    double x;
    double y;
};

struct RhombusFrame {
    PicturePoint centre;
    PicturePoint outward;  // unit vector to the outer corner
};

RhombusFrame FrameOf(Rhombus rhombus, double cw, double ch) {
    const double side = std::sqrt(3.0) * ch / 8.0;
    const double half = std::sqrt(3.0) / 2.0;
    switch (rhombus) {
        case Rhombus::Top:
            return {{cw / 2, ch / 4}, {0, -1}};
        case Rhombus::LowerRight:
            return {{cw / 2 + side, 5 * ch / 8}, {half, 0.5}};
        case Rhombus::LowerLeft:
            return {{cw / 2 - side, 5 * ch / 8}, {-half, 0.5}};
        case Rhombus::UpperRight:
            return {{cw / 2 + side, 3 * ch / 8}, {half, -0.5}};
        case Rhombus::Bottom:
            return {{cw / 2, 3 * ch / 4}, {0, 1}};
        case Rhombus::UpperLeft:
            return {{cw / 2 - side, 3 * ch / 8}, {-half, -0.5}};
    }
    return {};
}

struct PlacementCase {
    const char* name;
    int region;  // index into RegionTable()
    int slot;
    int centreX;  // sheet rhombus centre for H = 400, W = 960
    int centreY;
    Rhombus rhombus;
};

class PlacementTest : public ::testing::TestWithParam<PlacementCase> {
  protected:
    testing::CodedSlots pictures_;
    Canvas sheet_{960, 400};
};

// Every sheet rhombus shows its picture rhombus whole across, unmirrored, with the outer
// corner at the top: sheet up goes to the outer corner, sheet right a quarter turn clockwise
// from it, both scaled by s.
TEST_P(PlacementTest, CornersShowThePictureRhombusTurnedOuterCornerUp) {
    const PlacementCase& c = GetParam();
    const Region& region = RegionTable()[size_t(c.region)];
    ASSERT_EQ(region.slot, c.slot);
    const MapperFrame frame = MapperFrame::read(*pictures_.canvases[size_t(c.slot)], sheet_);
    const RhombusFrame rhombus = FrameOf(c.rhombus, 423, 489);
    const PicturePoint up = rhombus.outward;
    const PicturePoint right{-up.y, up.x};
    const int corners[4][2] = {{0, -80}, {0, 80}, {-160, 0}, {160, 0}};
    for (const auto& corner : corners) {
        const SourcePoint source =
            SourceOfPixel(region, frame, c.centreX + corner[0], c.centreY + corner[1]);
        const double along = frame.mapScale * corner[0];
        const double upwards = frame.mapScale * -corner[1];
        const double expectedX = rhombus.centre.x + along * right.x + upwards * up.x;
        const double expectedY = rhombus.centre.y + along * right.y + upwards * up.y;
        EXPECT_NEAR(source.x.value(), expectedX, 0.5 + 1e-9) << corner[0] << "," << corner[1];
        EXPECT_NEAR(source.y.value(), expectedY, 0.5 + 1e-9) << corner[0] << "," << corner[1];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Whirlfold, PlacementTest,
    ::testing::Values(
        PlacementCase{"MapRegion01_top_of_picture_1_at_the_left_edge", 0, 0, 0, 80, Rhombus::Top},
        PlacementCase{"MapRegion02_top_of_picture_1_at_the_right_edge", 1, 0, 960, 80,
                      Rhombus::Top},
        PlacementCase{"MapRegion03_lower_right_of_picture_1", 2, 0, 320, 80, Rhombus::LowerRight},
        PlacementCase{"MapRegion04_lower_left_of_picture_1", 3, 0, 640, 80, Rhombus::LowerLeft},
        PlacementCase{"MapRegion05_top_of_picture_3_at_the_left_edge", 4, 1, 0, 240, Rhombus::Top},
        PlacementCase{"MapRegion06_top_of_picture_3_at_the_right_edge", 5, 1, 960, 240,
                      Rhombus::Top},
        PlacementCase{"MapRegion07_lower_right_of_picture_3", 6, 1, 320, 240, Rhombus::LowerRight},
        PlacementCase{"MapRegion08_lower_left_of_picture_3", 7, 1, 640, 240, Rhombus::LowerLeft},
        PlacementCase{"MapRegion09_upper_right_of_picture_2", 8, 2, 160, 160, Rhombus::UpperRight},
        PlacementCase{"MapRegion10_bottom_of_picture_2", 9, 2, 480, 160, Rhombus::Bottom},
        PlacementCase{"MapRegion11_upper_left_of_picture_2", 10, 2, 800, 160, Rhombus::UpperLeft},
        PlacementCase{"MapRegion12_upper_right_of_picture_4", 11, 3, 160, 320, Rhombus::UpperRight},
        PlacementCase{"MapRegion13_bottom_of_picture_4", 12, 3, 480, 320, Rhombus::Bottom},
        PlacementCase{"MapRegion14_upper_left_of_picture_4", 13, 3, 800, 320, Rhombus::UpperLeft}),
    ByCaseName());

// At x = 0 MapRegion01 reads column RNE(cw ÷ 2.0 + 0) = RNE(211.5) = 212 of its canvas.
TEST(SheetGeometry, TheSeamColumnReadsTheMiddleColumnRoundedToEven) {
    const testing::CodedSlots pictures;
    Canvas sheet(1193, 497);
    Canvas backdrop(1223, 500);
    const MapperFrame frame = MapperFrame::read(*pictures.canvases[0], sheet);
    ASSERT_EQ(frame.canvasWidth.value(), 423);
    EXPECT_EQ(SourceOfPixel(RegionTable()[0], frame, 0, 60).x.value(), 212);

    ConvertSheetLiteral(pictures.view(), sheet, backdrop);
    const auto source = Decode(sheet.pixel(0, 60));
    ASSERT_TRUE(source.has_value());
    EXPECT_EQ(source->slot, 0);
    EXPECT_EQ(source->x, 212);
}

TEST(SheetGeometry, SizesAreReadRoundedToEven) {
    const Canvas working(423.4864, 489, CanvasUnit::Pixels, CanvasEdge::FlatBorder);
    const Canvas sheet(1192.5, 497.5);
    const MapperFrame frame = MapperFrame::read(working, sheet);
    EXPECT_EQ(frame.canvasWidth.value(), 423);
    EXPECT_EQ(frame.sheet.sheetWidth.value(), 1192);
    EXPECT_EQ(frame.sheet.sheetHeight.value(), 498);
}

}  // namespace
}  // namespace picturecraft::whirlfold
