#include <optional>

#include <gtest/gtest.h>

#include "casename.h"
#include "composesheet.h"
#include "sheetlayout.h"

using namespace picturecraft;
using namespace picturecraft::cubefold;

namespace {

// Face k's pixel (x, y) gets a colour naming k, x and y (never black, never white).
constexpr QRgb faceCode(int face, int x, int y) {
    return static_cast<QRgb>(((face + 1) << 18) | (x << 9) | y);
}

SheetCanvases codedFaces() {
    SheetCanvases sheet;
    for (int k = 0; k < 3; ++k)
        for (int y = 0; y < 297; ++y)
            for (int x = 0; x < 297; ++x) sheet.faces[size_t(k)].setPixel(x, y, faceCode(k, x, y));
    return sheet;
}

SheetCanvases composedSheet() {
    SheetCanvases sheet = codedFaces();
    ComposeSheet(sheet.faces, sheet.sheet);
    return sheet;
}

}  // namespace

struct SheetPixelCase {
    const char* name;
    int x, y;  // sheet raster position
    int face;  // -1: black outline; -2: sheet background
    int faceX, faceY;
};

class SheetPixelTest : public ::testing::TestWithParam<SheetPixelCase> {};

TEST_P(SheetPixelTest, ShowsItsFacePixelOrTheOutline) {
    static const SheetCanvases sheet = composedSheet();
    const SheetPixelCase& c = GetParam();
    const QRgb expected = c.face == -1   ? kOutlineColour
                          : c.face == -2 ? kSheetBackground
                                         : faceCode(c.face, c.faceX, c.faceY);
    EXPECT_EQ(sheet.sheet.pixel(c.x, c.y), expected);
}

INSTANTIATE_TEST_SUITE_P(
    ComposeSheet, SheetPixelTest,
    ::testing::Values(SheetPixelCase{"left_face_origin_at_32_2", 33, 3, 0, 1, 1},
                      SheetPixelCase{"right_face_origin_at_328_2", 329, 3, 1, 1, 1},
                      SheetPixelCase{"bottom_face_origin_at_32_298", 33, 299, 2, 1, 1},
                      SheetPixelCase{"shared_column_shows_the_right_face", 328, 100, 1, 0, 98},
                      SheetPixelCase{"shared_row_shows_the_bottom_face", 100, 298, 2, 68, 0},
                      SheetPixelCase{"left_face_last_column_below_the_tick", 327, 150, 0, 295, 148},
                      SheetPixelCase{"top_left_corner_is_outline", 32, 2, -1, 0, 0},
                      SheetPixelCase{"fold_between_walls_not_drawn_through", 328, 150, 1, 0, 148},
                      SheetPixelCase{"tick_first_pixel", 328, 2, -1, 0, 0},
                      SheetPixelCase{"tick_last_pixel", 328, 10, -1, 0, 0},
                      SheetPixelCase{"below_the_tick", 328, 11, 1, 0, 9},
                      SheetPixelCase{"right_face_bottom_edge_tick_end", 336, 298, -1, 0, 0},
                      SheetPixelCase{"right_face_bottom_edge_after_tick", 337, 298, 1, 9, 296},
                      SheetPixelCase{"bottom_face_right_edge_not_drawn_through", 328, 450, 2, 296,
                                     152},
                      SheetPixelCase{"bottom_face_bottom_edge", 100, 594, -1, 0, 0},
                      SheetPixelCase{"blank_piece_lowest_row", 500, 634, -1, 0, 0},
                      SheetPixelCase{"blank_piece_rightmost_column", 968, 200, -1, 0, 0},
                      SheetPixelCase{"blank_piece_inside_stays_white", 500, 500, -2, 0, 0},
                      SheetPixelCase{"notch_cuts_the_corner", 672, 338, -2, 0, 0}),
    ByCaseName());

TEST(ComposeSheet, DrawsNothingBelowRow634OrRightOfColumn968) {
    const SheetCanvases sheet = composedSheet();
    const Canvas& s = sheet.sheet;
    ASSERT_EQ(s.rasterWidth(), 973);
    ASSERT_EQ(s.rasterHeight(), 637);
    for (int y = 0; y < s.rasterHeight(); ++y) {
        for (int x = 0; x < s.rasterWidth(); ++x) {
            if (y > 634 || x > 968) {
                ASSERT_EQ(s.pixel(x, y), kSheetBackground) << x << "," << y;
            }
        }
    }
    bool row634 = false, column968 = false;
    for (int x = 0; x < s.rasterWidth(); ++x) row634 |= s.pixel(x, 634) == kOutlineColour;
    for (int y = 0; y < s.rasterHeight(); ++y) column968 |= s.pixel(968, y) == kOutlineColour;
    EXPECT_TRUE(row634);
    EXPECT_TRUE(column968);
}

TEST(ComposeSheet, RepeatedSegmentsLeaveThePixelsOfOneDrawing) {
    // 6, 8, 23, 28 and 36 repeat (or reverse) others; 9 and 41 lie on 18.
    const SheetCanvases all = composedSheet();
    SheetCanvases once = codedFaces();
    Canvas& sheet = once.sheet;
    for (size_t i = 0; i < 3; ++i)
        sheet.drawUnscaled(once.faces[i], QPointF(kFacePlaces[i].x(), kFacePlaces[i].y() - 30),
                           Combine::Replace);
    for (size_t i = 0; i < kNetSegments.size(); ++i) {
        if (i == 6 || i == 8 || i == 23 || i == 28 || i == 36 || i == 9 || i == 41) continue;
        const NetSegment& s = kNetSegments[i];
        sheet.drawLine(QPointF(s.x1, s.y1 - 30), QPointF(s.x2, s.y2 - 30), kOutlineColour,
                       LineEnd::Included);
    }
    EXPECT_EQ(all.sheet.picture(), sheet.picture());
}

TEST(ComposeSheet, KeepsWhatItDoesNotDraw) {
    SheetCanvases sheet = codedFaces();
    sheet.sheet.setPixel(900, 600, rgb(1, 2, 3));
    ComposeSheet(sheet.faces, sheet.sheet);
    EXPECT_EQ(sheet.sheet.pixel(900, 600), rgb(1, 2, 3));
}
