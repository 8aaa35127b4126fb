#include <gtest/gtest.h>

#include "casename.h"
#include "slotfit.h"

using namespace picturecraft;
using namespace picturecraft::twinlens;

namespace {

struct FitCase {
    const char* name;
    double w, h;
    double thumbW, thumbH;
    double channelW, channelH;
};

class SlotFitTest : public testing::TestWithParam<FitCase> {};

TEST_P(SlotFitTest, KeepsTheRatioWithinTheSlot) {
    const FitCase& c = GetParam();
    const SlotFit fit = FitSlot(c.w, c.h);
    EXPECT_DOUBLE_EQ(fit.thumbnail.width(), c.thumbW);
    EXPECT_DOUBLE_EQ(fit.thumbnail.height(), c.thumbH);
    EXPECT_DOUBLE_EQ(fit.channel.width(), c.channelW);
    EXPECT_DOUBLE_EQ(fit.channel.height(), c.channelH);
}

INSTANTIATE_TEST_SUITE_P(
    Twinlens, SlotFitTest,
    testing::Values(
        FitCase{"four_by_three_takes_the_wide_branch", 640, 480, 2565, 1923.75, 9600, 7200},
        FitCase{"square_fills_the_height", 300, 300, 1920, 1920, 7200, 7200},
        FitCase{"panorama_three_to_one_fills_the_width", 900, 300, 2565, 855, 9600, 3200},
        FitCase{"portrait_three_by_four_fills_the_height", 3, 4, 1440, 1920, 5400, 7200},
        FitCase{"just_narrower_than_four_by_three", 3999, 3000, 2559.36, 1920, 9597.6, 7200},
        FitCase{"sizes_in_twips_give_the_same_fit", 450, 300, 2565, 1710, 9600, 6400}),
    ByCaseName());

}  // namespace
