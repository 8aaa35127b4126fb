#include <gtest/gtest.h>

#include <QCoreApplication>

#include "casename.h"
#include "sheetout.h"

using namespace picturecraft::sheetout;

// Values handed to the printer are single precision; 0.01 twip leaves room for that alone.
constexpr double kTwipTolerance = 0.01;

TEST(SheetPlacement, TwoToOneSheetOnA4LandscapeSpansNinetyPercentAtTheCorner) {
    const QRectF target = sheetPlacement(16838, 200, 100);
    EXPECT_NEAR(target.left(), 0.05, 1e-6);
    EXPECT_NEAR(target.top(), 0.05, 1e-6);
    EXPECT_NEAR(target.width(), 15154.2, kTwipTolerance);
    EXPECT_NEAR(target.height(), 7577.1, kTwipTolerance);
}

TEST(SheetPlacement, HeightFollowsTheRatioAndMayRunOffThePage) {
    // A tall sheet on A4 landscape: 90 % of 16838 wide, three times that high, not clipped.
    const QRectF target = sheetPlacement(16838, 100, 300);
    EXPECT_NEAR(target.width(), 15154.2, kTwipTolerance);
    EXPECT_NEAR(target.height(), 45462.6, 0.02);
}

TEST(SheetPlacement, ValuesAreSinglePrecision) {
    const QRectF target = sheetPlacement(16838, 200, 100);
    EXPECT_EQ(target.left(), static_cast<double>(0.05f));
    EXPECT_EQ(target.width(), static_cast<double>(static_cast<float>(16838 * 0.9)));
}

TEST(FittedPlacement, A4LandscapeFitsAFourByThreeOutputToTheHeightAndCentresIt) {
    const FittedPlacement placement = fittedPlacement(16838, 11906, 9600, 7200);
    EXPECT_FALSE(placement.fittedToWidth);
    EXPECT_NEAR(placement.target.width(), 14287.2, kTwipTolerance);
    EXPECT_NEAR(placement.target.height(), 10715.4, kTwipTolerance);
    EXPECT_NEAR(placement.target.left(), 1275.4, kTwipTolerance);
    EXPECT_NEAR(placement.target.top(), 595.3, kTwipTolerance);
}

TEST(FittedPlacement, AWideOutputIsFittedToTheWidth) {
    const FittedPlacement placement = fittedPlacement(16838, 11906, 9600, 3000);
    EXPECT_TRUE(placement.fittedToWidth);
    EXPECT_NEAR(placement.target.width(), 15154.2, kTwipTolerance);
    EXPECT_NEAR(placement.target.height(), 3000 * 15154.2 / 9600, kTwipTolerance);
    EXPECT_NEAR(placement.target.left(), 841.9, kTwipTolerance);
    EXPECT_NEAR(placement.target.top(), (11906 - 3000 * 15154.2 / 9600) / 2, kTwipTolerance);
}

TEST(FittedPlacement, EqualRatiosTakeTheWidthBranch) {
    // Box 14400 x 10800 and output 9600 x 7200: both exactly 0.75.
    const FittedPlacement placement = fittedPlacement(16000, 12000, 9600, 7200);
    EXPECT_TRUE(placement.fittedToWidth);
    EXPECT_EQ(placement.target, QRectF(800, 600, 14400, 10800));
}

TEST(FittedPlacement, EqualRatiosOnTheA4LandscapePageTakeTheWidthBranch) {
    // An output measured exactly like the box has the box's ratio to the last bit.
    const double boxW = 16838 * 0.9;
    const double boxH = 11906 * 0.9;
    const FittedPlacement placement = fittedPlacement(16838, 11906, boxW, boxH);
    EXPECT_TRUE(placement.fittedToWidth);
    EXPECT_NEAR(placement.target.width(), 15154.2, kTwipTolerance);
    EXPECT_NEAR(placement.target.height(), 10715.4, kTwipTolerance);
}

struct PaperCodeCase {
    const char* name;
    Variant variant;
    std::int16_t paperSize;
    std::optional<int> code;
};

class PaperCodeTest : public testing::TestWithParam<PaperCodeCase> {};

TEST_P(PaperCodeTest, SizeIndexBecomesTheWindowsPaperCode) {
    EXPECT_EQ(paperCodeFor(GetParam().variant, GetParam().paperSize), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Sheetout, PaperCodeTest,
    testing::Values(
        PaperCodeCase{"whirlfold_a4_sends_9", Variant::Whirlfold, 0, 9},
        PaperCodeCase{"whirlfold_b5_sends_13", Variant::Whirlfold, 1, 13},
        PaperCodeCase{"whirlfold_b4_sends_12", Variant::Whirlfold, 2, 12},
        PaperCodeCase{"whirlfold_a3_sends_8", Variant::Whirlfold, 3, 8},
        PaperCodeCase{"whirlfold_unknown_sends_nothing", Variant::Whirlfold, 4, std::nullopt},
        PaperCodeCase{"whirlfold_negative_sends_nothing", Variant::Whirlfold, -1, std::nullopt},
        PaperCodeCase{"cubefold_a4_sends_9", Variant::Cubefold, 0, 9},
        PaperCodeCase{"cubefold_b5_sends_13", Variant::Cubefold, 1, 13},
        PaperCodeCase{"cubefold_b4_index_sends_13", Variant::Cubefold, 2, 13},
        PaperCodeCase{"cubefold_negative_sends_13", Variant::Cubefold, -1, 13},
        PaperCodeCase{"twinlens_a4_sends_9", Variant::Twinlens, 0, 9},
        PaperCodeCase{"twinlens_a3_index_sends_13", Variant::Twinlens, 3, 13}),
    picturecraft::ByCaseName());

TEST(OrientationCode, OnlyZeroIsLandscape) {
    EXPECT_EQ(orientationCodeFor(0), 2);
    EXPECT_EQ(orientationCodeFor(1), 1);
    EXPECT_EQ(orientationCodeFor(2), 1);
    EXPECT_EQ(orientationCodeFor(-1), 1);
}

TEST(StartingPaperSettings, WhirlfoldStartsAtB4LandscapeTheOthersAtA4Landscape) {
    EXPECT_EQ(startingPaperSettings(Variant::Whirlfold).paperSize, 2);
    EXPECT_EQ(startingPaperSettings(Variant::Whirlfold).paperOrientation, 0);
    for (const Variant variant : {Variant::Cubefold, Variant::Twinlens}) {
        EXPECT_EQ(startingPaperSettings(variant).paperSize, 0);
        EXPECT_EQ(startingPaperSettings(variant).paperOrientation, 0);
    }
}

TEST(ProgramFolder, IsTheExecutablesFolderWithASeparator) {
    const QString folder = ProgramFolder();
    EXPECT_EQ(folder, QCoreApplication::applicationDirPath() + "/");
    EXPECT_TRUE(folder.endsWith('/'));
    EXPECT_FALSE(folder.endsWith("//"));
}

TEST(ProgramFolder, SeparatorIsAppendedOnlyWhenMissing) {
    EXPECT_EQ(folderWithSeparator("/opt/tools"), "/opt/tools/");
    EXPECT_EQ(folderWithSeparator("/opt/tools/"), "/opt/tools/");
    EXPECT_EQ(folderWithSeparator("/"), "/");
}
