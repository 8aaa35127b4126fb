#include <gtest/gtest.h>

#include <cmath>

#include "casename.h"
#include "numbers.h"

using namespace picturecraft;

struct RoundingCase {
    const char* name;
    double real;
    int expected;
};

class RneTest : public testing::TestWithParam<RoundingCase> {};

TEST_P(RneTest, RoundsToNearestTiesToEven) {
    EXPECT_EQ(rne(GetParam().real).value(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Numbers, RneTest,
                         testing::Values(RoundingCase{"tie_rounds_up_to_even", 211.5, 212},
                                         RoundingCase{"tie_rounds_down_to_even", 2.5, 2},
                                         RoundingCase{"negative_tie_to_even", -2.5, -2},
                                         RoundingCase{"below_half", 1192.4999, 1192},
                                         RoundingCase{"above_half", 1192.8, 1193},
                                         RoundingCase{"lowest_value", -32768.0, -32768},
                                         RoundingCase{"highest_value", 32767.4, 32767}),
                         ByCaseName());

TEST(Numbers, RneOutsideSixteenBitsOverflows) {
    EXPECT_THROW(rne(40000.0), OverflowError);
    EXPECT_THROW(rne(32767.5), OverflowError);  // ties to the even 32768
    EXPECT_THROW(rne(-32769.0), OverflowError);
    EXPECT_THROW(rne(std::nan("")), OverflowError);
}

TEST(Numbers, FloorGoesDownForNegatives) {
    EXPECT_EQ(floorReal(-2.5), -3.0);
    EXPECT_EQ(floorReal(2.5), 2.0);
}

TEST(Numbers, SinglePrecisionRoundTrip) {
    const double workWidth = 489.0 * std::sqrt(3.0) / 2.0;  // 423.4864224...
    EXPECT_FLOAT_EQ(static_cast<float>(toSingle(workWidth)), 423.4864f);
    EXPECT_NE(toSingle(workWidth), workWidth);
    EXPECT_EQ(toSingle(toSingle(workWidth)), toSingle(workWidth));
}

TEST(Numbers, SixteenBitProductsOverflowAtTheirLimits) {
    EXPECT_EQ((Int16(12) * Int16(2730)).value(), 32760);
    EXPECT_THROW(Int16(12) * Int16(2731), OverflowError);
    EXPECT_EQ((Int16(8) * Int16(4095)).value(), 32760);
    EXPECT_THROW(Int16(8) * Int16(4096), OverflowError);
    EXPECT_THROW(Int16(32767) + Int16(1), OverflowError);
    EXPECT_THROW(Int16(-32768) - Int16(1), OverflowError);
    EXPECT_THROW(-Int16(-32768), OverflowError);
}

TEST(Numbers, AnglesFromTheDecimalConstant) {
    const double a60 = degreesToRadians(60.0);
    const double a30 = degreesToRadians(30.0);
    EXPECT_EQ(std::cos(a60), 0.5000000000000011);
    EXPECT_EQ(std::sin(a60), 0.866025403784438);
    EXPECT_EQ(std::cos(a30), 0.8660254037844389);
    EXPECT_EQ(std::sin(a30), 0.49999999999999944);
}
