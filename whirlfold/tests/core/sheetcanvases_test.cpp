// SheetCanvases: the start-up sizing of the sheet and its backdrop.

#include <gtest/gtest.h>

#include "casename.h"
#include "sheetcanvases.h"

namespace picturecraft::whirlfold {
namespace {

TEST(SheetCanvasesTest, StartupGivesTheSheetAndBackdropSizes) {
    SheetCanvases canvases;
    const SheetSizes sizes = canvases.SizeForStartup();
    EXPECT_EQ(sizes.sheetHeight, Int16(497));
    EXPECT_EQ(sizes.sheetWidth, Int16(1193));
    EXPECT_EQ(sizes.sheetFrameWidth, Int16(1223));
    EXPECT_EQ(sizes.sheetFrameHeight, Int16(500));
    EXPECT_EQ(canvases.sheet.rasterWidth(), 1193);
    EXPECT_EQ(canvases.sheet.rasterHeight(), 497);
    EXPECT_EQ(canvases.backdrop.rasterWidth(), 1223);
    EXPECT_EQ(canvases.backdrop.rasterHeight(), 500);
}

struct HeightRow {
    std::string name;
    double sheetHeight;
    int sheetWidth;
};

class SheetWidthTest : public testing::TestWithParam<HeightRow> {};

TEST_P(SheetWidthTest, IsTwelveFifthsOfTheHeightRounded) {
    SheetCanvases canvases;
    canvases.sheet.setHeight(GetParam().sheetHeight);
    EXPECT_EQ(canvases.SizeForStartup().sheetWidth, Int16(GetParam().sheetWidth));
}

const HeightRow kHeightRows[] = {
    {"height_400_divides_evenly", 400, 960},
    {"height_497_rounds_up_from_1192_8", 497, 1193},
    {"height_498_rounds_down_from_1195_2", 498, 1195},
    {"a_half_pixel_height_rounds_to_even_first", 496.5, 1190},
    {"height_2730_is_the_largest", 2730, 6552},
};

INSTANTIATE_TEST_SUITE_P(Heights, SheetWidthTest, testing::ValuesIn(kHeightRows), ByCaseName());

TEST(SheetCanvasesTest, HeightAbove2730OverflowsSixteenBits) {
    SheetCanvases canvases;
    canvases.sheet.setHeight(2731);
    EXPECT_THROW(canvases.SizeForStartup(), OverflowError);
}

}  // namespace
}  // namespace picturecraft::whirlfold
