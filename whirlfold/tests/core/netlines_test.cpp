// The backdrop's line work for the start-up sheet, 1193 x 497 on a 1223 x 500 backdrop.

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "casename.h"
#include "netlines.h"

namespace picturecraft::whirlfold {
namespace {

constexpr QRgb kBlack = rgb(0, 0, 0);

TEST(NetLines, DerivedLengthsForTheStartUpSheet) {
    const Canvas sheet(1193, 497);
    const Canvas backdrop(1223, 500);
    const NetMetrics net = NetMetrics::read(sheet, backdrop);
    EXPECT_EQ(net.g2.value(), 198);
    EXPECT_EQ(net.g4.value(), 397);
    EXPECT_EQ(net.g6.value(), 596);
    EXPECT_EQ(net.g8.value(), 795);
    EXPECT_EQ(net.g10.value(), 994);
    EXPECT_EQ(net.separatorLength.value(), 99);
    EXPECT_EQ(net.edgeLength.value(), 398);
    EXPECT_EQ(net.separatorColumns[0].value(), 198);
    EXPECT_EQ(net.separatorColumns[1].value(), 596);
    EXPECT_EQ(net.separatorColumns[2].value(), 994);
}

using Rows = std::set<int>;

Rows Span(int first, int last, Rows extra = {}) {
    for (int y = first; y <= last; ++y) extra.insert(y);
    return extra;
}

// Where one column of the backdrop is black after the line work (all 500 rows).
struct ColumnCase {
    const char* name;
    int x;
    Rows black;
};

using DrawLines = void (*)(const Canvas&, Canvas&);

class NetColumnTest : public ::testing::TestWithParam<std::pair<ColumnCase, DrawLines>> {};

TEST_P(NetColumnTest, IsBlackExactlyOnItsLines) {
    const auto& [c, draw] = GetParam();
    const Canvas sheet(1193, 497);
    Canvas backdrop(1223, 500);
    draw(sheet, backdrop);
    Rows black;
    for (int y = 0; y < backdrop.rasterHeight(); ++y)
        if (backdrop.pixel(c.x, y) == kBlack) black.insert(y);
    EXPECT_EQ(black, c.black);
}

// The sloping lines of column x lie at a = ⌊x/2⌋ and b = ⌊−x/2⌋ plus 0, ±198, ±397 and
// 596, 795, 994, where they fall in rows 0..497.
const ColumnCase kColumns[] = {
    {"left_edge_down_to_398", 0, Span(0, 398)},
    {"first_separator_down_to_99", 198, Span(0, 99, {297, 298, 496, 497})},
    {"middle_separator", 596, Span(0, 100, {298, 496, 497})},
    {"last_separator_with_lines_in_row_h", 994, Span(0, 100, {298, 299, 497})},
    {"right_edge_down_to_398", 1193, Span(0, 398)},
    {"flap_corner_starts", 1194, {1, 198, 200, 397, 399}},
    {"flap_corner_halfway", 1203, {10, 193, 204, 392, 403}},
    {"flap_outer_edge_down_to_398", 1213, Span(0, 398, {408})},
    {"odd_column_with_a_line_in_row_h", 995, {0, 98, 100, 297, 299, 496, 497}},
};

std::vector<std::pair<ColumnCase, DrawLines>> BothWays() {
    std::vector<std::pair<ColumnCase, DrawLines>> rows;
    for (const ColumnCase& c : kColumns) {
        rows.push_back({c, &DrawNetLines});
        rows.push_back({c, &DrawNetLinesFast});
    }
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Whirlfold, NetColumnTest, ::testing::ValuesIn(BothWays()),
                         [](const ::testing::TestParamInfo<std::pair<ColumnCase, DrawLines>>& row) {
                             return std::string(row.param.first.name) +
                                    (row.param.second == &DrawNetLines ? "_literal" : "_fast");
                         });

TEST(NetLines, TopEdgeRunsFromTheLeftEdgeToTheRightEdge) {
    const Canvas sheet(1193, 497);
    Canvas backdrop(1223, 500);
    DrawNetLines(sheet, backdrop);
    std::set<int> black;
    for (int x = 0; x < backdrop.rasterWidth(); ++x)
        if (backdrop.pixel(x, 0) == kBlack) black.insert(x);
    EXPECT_EQ(black, Span(0, 1193, {1213}));
}

TEST(NetLines, CopySheetToBackdropKeepsTheSpareColumnsAndRows) {
    Canvas sheet(1193, 497, CanvasUnit::Pixels, CanvasEdge::None, rgb(10, 20, 30));
    Canvas backdrop(1223, 500, CanvasUnit::Pixels, CanvasEdge::None, rgb(200, 100, 50));
    CopySheetToBackdrop(sheet, backdrop);
    EXPECT_EQ(backdrop.pixel(0, 0), rgb(10, 20, 30));
    EXPECT_EQ(backdrop.pixel(1192, 496), rgb(10, 20, 30));
    EXPECT_EQ(backdrop.pixel(1193, 0), rgb(200, 100, 50));
    EXPECT_EQ(backdrop.pixel(0, 497), rgb(200, 100, 50));
}

}  // namespace
}  // namespace picturecraft::whirlfold
