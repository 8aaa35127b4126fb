// The whole conversion: the fast path against the literal one, and what ends up on the sheet.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "casename.h"
#include "codedcanvases.h"
#include "sheetconversion.h"
#include "sheetgeometry.h"

namespace picturecraft::whirlfold {
namespace {

using testing::CodedSlots;
using testing::Decode;
using testing::SheetPair;

// The first differing pixel, or "" when the two rasters are the same.
std::string FirstDifference(const Canvas& expected, const Canvas& actual) {
    if (expected.rasterWidth() != actual.rasterWidth() ||
        expected.rasterHeight() != actual.rasterHeight())
        return "different sizes";
    for (int y = 0; y < expected.rasterHeight(); ++y)
        for (int x = 0; x < expected.rasterWidth(); ++x)
            if (expected.pixel(x, y) != actual.pixel(x, y))
                return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return "";
}

struct PathCase {
    const char* name;
    int sheetHeight;
    double workingWidth;
    double workingHeight;
};

class FastPathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(FastPathTest, GivesTheLiteralSheetAndBackdrop) {
    const PathCase& c = GetParam();
    const CodedSlots pictures(c.workingWidth, c.workingHeight);
    SheetPair literal(c.sheetHeight);
    SheetPair fast(c.sheetHeight);

    ConvertSheetLiteral(pictures.view(), literal.sheet, literal.backdrop);
    ConvertSheet(pictures.view(), fast.sheet, fast.backdrop);

    EXPECT_EQ(FirstDifference(literal.sheet, fast.sheet), "") << "sheet";
    EXPECT_EQ(FirstDifference(literal.backdrop, fast.backdrop), "") << "backdrop";
}

INSTANTIATE_TEST_SUITE_P(
    Whirlfold, FastPathTest,
    ::testing::Values(PathCase{"sheet_400_high_lattice_through_pixel_centres", 400, 423.4864, 489},
                      PathCase{"sheet_497_high_as_at_start_up", 497, 423.4864, 489},
                      PathCase{"sheet_498_high_where_the_order_of_sums_matters", 498, 423.4864,
                               489},
                      PathCase{"sheet_621_high", 621, 423.4864, 489},
                      PathCase{"canvases_too_wide_so_sources_leave_the_bounds", 497, 700, 300},
                      PathCase{"canvases_smaller_than_their_hexagon_samples", 400, 120.5, 90}),
    ByCaseName());

TEST(SheetConversion, TheLaterRegionKeepsASharedEdgePixel) {
    const CodedSlots pictures;
    SheetPair pair(400);
    ConvertSheet(pictures.view(), pair.sheet, pair.backdrop);
    const auto source = Decode(pair.sheet.pixel(240, 120));
    ASSERT_TRUE(source.has_value());
    EXPECT_EQ(source->slot, 2);  // MapRegion09 after MapRegion03
}

TEST(SheetConversion, PixelsLostToTheOrderOfSumsKeepTheirColour) {
    const CodedSlots pictures;
    SheetPair pair(498);
    ConvertSheetLiteral(pictures.view(), pair.sheet, pair.backdrop);
    EXPECT_EQ(pair.sheet.pixel(1194, 399), SheetPair::Pattern(1194, 399));
    EXPECT_TRUE(Decode(pair.sheet.pixel(1193, 399)).has_value());
}

// Slots without a picture still paint their rhombi, in their canvas's background colour.
TEST(SheetConversion, EmptySlotsGiveFacesInTheirBackground) {
    const std::array<QRgb, 4> backgrounds{rgb(255, 255, 255), rgb(250, 200, 200),
                                          rgb(200, 250, 200), rgb(200, 200, 250)};
    std::array<std::unique_ptr<Canvas>, 4> canvases;
    for (int k = 0; k < 4; ++k)
        canvases[size_t(k)] = testing::WorkingCanvas(
            testing::kWorkingWidth, testing::kWorkingHeight, backgrounds[size_t(k)]);
    testing::PaintCoded(*canvases[0], 0);
    SheetPair pair(497);
    ConvertSheet({canvases[0].get(), canvases[1].get(), canvases[2].get(), canvases[3].get()},
                 pair.sheet, pair.backdrop);

    EXPECT_EQ(Decode(pair.sheet.pixel(397, 99))->slot, 0);  // MapRegion03's centre
    EXPECT_EQ(pair.sheet.pixel(397, 298), backgrounds[1]);  // MapRegion07's
    EXPECT_EQ(pair.sheet.pixel(596, 199), backgrounds[2]);  // MapRegion10's
    EXPECT_EQ(pair.sheet.pixel(596, 398), backgrounds[3]);  // MapRegion13's
}

struct LimitCase {
    const char* name;
    double sheetWidth;
    double sheetHeight;
    double workingHeight;
    bool overflows;
};

class SixteenBitLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(SixteenBitLimitTest, OverflowsExactlyBeyondTheLimit) {
    const LimitCase& c = GetParam();
    const CodedSlots pictures(40, c.workingHeight);
    Canvas sheet(c.sheetWidth, c.sheetHeight);
    Canvas backdrop(c.sheetWidth + 30, c.sheetHeight + 3);
    if (c.overflows)
        EXPECT_THROW(ConvertSheet(pictures.view(), sheet, backdrop), OverflowError);
    else
        EXPECT_NO_THROW(ConvertSheet(pictures.view(), sheet, backdrop));
}

INSTANTIATE_TEST_SUITE_P(
    Whirlfold, SixteenBitLimitTest,
    ::testing::Values(LimitCase{"sheet_3276_high_fits", 60, 3276, 40, false},
                      LimitCase{"sheet_3277_high_overflows_ten_times_h", 60, 3277, 40, true},
                      LimitCase{"sheet_4096_high_overflows_eight_times_h", 60, 4096, 40, true},
                      LimitCase{"sheet_6553_wide_fits", 6553, 40, 40, false},
                      LimitCase{"sheet_6554_wide_overflows_five_times_w", 6554, 40, 40, true},
                      LimitCase{"canvas_10923_high_overflows_three_times_ch", 60, 40, 10923, true}),
    ByCaseName());

TEST(SheetConversion, ASheetNoPixelWideIsADivisionByZero) {
    const CodedSlots pictures;
    Canvas sheet(0, 497);
    Canvas backdrop(30, 500);
    EXPECT_THROW(ConvertSheet(pictures.view(), sheet, backdrop), std::domain_error);
}

}  // namespace
}  // namespace picturecraft::whirlfold
