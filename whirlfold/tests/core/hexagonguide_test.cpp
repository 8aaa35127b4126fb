// The hexagon guide: its six corners and where its outline lands on a thumbnail's raster.

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "canvas.h"
#include "hexagonguide.h"
#include "numbers.h"

namespace picturecraft::whirlfold {
namespace {

const double kThumbWidth = 145 * std::sqrt(3.0) / 2;

TEST(HexagonGuidePointsTest, JoinsTheSixCornersFromTheTop) {
    const auto points = HexagonGuidePoints(kThumbWidth, 145);
    const QPointF expected[] = {{62.787, 0},   {0, 36.25},        {0, 108.75},
                                {62.787, 145}, {125.574, 108.75}, {125.574, 36.25}};
    for (size_t i = 0; i < points.size(); ++i) {
        EXPECT_NEAR(points[i].x(), expected[i].x(), 0.0005) << "corner " << i;
        EXPECT_NEAR(points[i].y(), expected[i].y(), 0.0005) << "corner " << i;
        EXPECT_EQ(points[i].x(), toSingle(points[i].x())) << "corner " << i;
    }
}

// A thumbnail at its start-up size: 125.5737 x 145 outer, a 124 x 143 raster inside the border.
class HexagonGuideOnThumbnailTest : public testing::Test {
  protected:
    HexagonGuideOnThumbnailTest() { DrawHexagonGuide(thumbnail, kThumbWidth, 145); }
    // The first column of each run of guide pixels along a raster row.
    std::vector<int> guideRunsInRow(int y) const {
        std::vector<int> starts;
        for (int x = 0; x < thumbnail.rasterWidth(); ++x)
            if (thumbnail.pixel(x, y) == kGuideColour &&
                (x == 0 || thumbnail.pixel(x - 1, y) != kGuideColour))
                starts.push_back(x);
        return starts;
    }
    Canvas thumbnail{toSingle(kThumbWidth), 145, CanvasUnit::Pixels, CanvasEdge::FlatBorder};
};

TEST_F(HexagonGuideOnThumbnailTest, LeftSideLiesOnTheFirstColumn) {
    for (int y = 37; y <= 108; ++y) EXPECT_EQ(thumbnail.pixel(0, y), kGuideColour) << "y " << y;
}

TEST_F(HexagonGuideOnThumbnailTest, TopCornerAndUpperSidesAreDrawn) {
    EXPECT_EQ(thumbnail.pixel(63, 0), kGuideColour);
    EXPECT_EQ(thumbnail.pixel(0, 36), kGuideColour);
    const std::vector<int> runs = guideRunsInRow(18);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_NEAR(runs[0], 31, 2);
    EXPECT_NEAR(runs[1], 94, 2);
}

TEST_F(HexagonGuideOnThumbnailTest, RightSideAndBottomCornerAreClipped) {
    ASSERT_EQ(thumbnail.rasterWidth(), 124);
    ASSERT_EQ(thumbnail.rasterHeight(), 143);
    for (int y = 40; y <= 105; ++y)
        EXPECT_EQ(thumbnail.pixel(123, y), rgb(255, 255, 255)) << "y " << y;
    // On the last row the two lower sides are still apart: they meet below the raster.
    const std::vector<int> runs = guideRunsInRow(142);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_GT(runs[1] - runs[0], 8);
}

TEST_F(HexagonGuideOnThumbnailTest, CentreStaysBlank) {
    EXPECT_EQ(thumbnail.pixel(62, 72), rgb(255, 255, 255));
}

}  // namespace
}  // namespace picturecraft::whirlfold
