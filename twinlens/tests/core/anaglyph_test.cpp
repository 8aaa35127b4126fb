#include <vector>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "anaglyph.h"
#include "casename.h"
#include "commandline.h"
#include "pictures.h"

using namespace picturecraft;
using namespace picturecraft::twinlens;
using namespace picturecraft::twinlens::testing;

namespace {

constexpr QRgb kPhoto1 = rgb(0x9A, 0x5C, 0x33);
constexpr QRgb kPhoto2 = rgb(0x47, 0xB8, 0xE1);
constexpr QRgb kWhite = rgb(255, 255, 255);

// Every pixel of the canvas has the colour.
::testing::AssertionResult allPixels(const Canvas& canvas, QRgb colour) {
    for (int y = 0; y < canvas.rasterHeight(); ++y)
        for (int x = 0; x < canvas.rasterWidth(); ++x)
            if (canvas.pixel(x, y) != colour)
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is "
                       << colourText(canvas.pixel(x, y)).toStdString() << ", not "
                       << colourText(colour).toStdString();
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult samePixels(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure()
               << actual.width() << " x " << actual.height() << " against " << expected.width()
               << " x " << expected.height();
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if ((actual.pixel(x, y) & 0xFFFFFFu) != (expected.pixel(x, y) & 0xFFFFFFu))
                return ::testing::AssertionFailure()
                       << "first difference at (" << x << ", " << y << ")";
    return ::testing::AssertionSuccess();
}

void press(Anaglyph& anaglyph, std::initializer_list<ArrowButton> buttons) {
    for (ArrowButton button : buttons) anaglyph.Nudge(button);
}

}  // namespace

// --- Start-up and the slots ---------------------------------------------------------------

TEST(TwinlensStartUp, ChannelsAreFilledAndTheCompositeIsBlack) {
    const Anaglyph anaglyph;
    EXPECT_EQ(anaglyph.colorMode(), 0);
    EXPECT_EQ(anaglyph.composite().width(), 9600);
    EXPECT_EQ(anaglyph.composite().height(), 7200);
    EXPECT_EQ(anaglyph.designWidth(), 9600);
    EXPECT_EQ(anaglyph.designHeight(), 7200);
    EXPECT_TRUE(allPixels(anaglyph.composite(), rgb(0, 0, 0)));
    EXPECT_TRUE(allPixels(anaglyph.leftChannel(), rgb(255, 0, 0)));
    EXPECT_TRUE(allPixels(anaglyph.rightChannel(), rgb(0, 255, 255)));
    EXPECT_TRUE(anaglyph.thumbnail1().picture.isNull());
    EXPECT_TRUE(anaglyph.thumbnail2().picture.isNull());
}

TEST(TwinlensStartUp, ConvertingWithNoPhotographGivesAWhiteDesignSizedComposite) {
    Anaglyph anaglyph;
    anaglyph.ConvertAndCombine();
    EXPECT_EQ(anaglyph.composite().width(), 9600);
    EXPECT_EQ(anaglyph.composite().height(), 7200);
    EXPECT_TRUE(allPixels(anaglyph.composite(), kWhite));
}

TEST(TwinlensSlots, PastingFitsTheSlotToThePastedPicture) {
    Anaglyph anaglyph;
    anaglyph.PastePicture1(solidPicture(40, 30, kPhoto1));
    anaglyph.PastePicture2(solidPicture(30, 30, kPhoto2));
    EXPECT_EQ(anaglyph.holder2().width(), 450);
    EXPECT_EQ(anaglyph.holder2().height(), 450);
    EXPECT_EQ(anaglyph.rightChannel().width(), 7200);
    EXPECT_EQ(anaglyph.rightChannel().height(), 7200);
    EXPECT_EQ(anaglyph.thumbnail2().size, QSizeF(1920, 1920));
    EXPECT_EQ(anaglyph.paint2Size(), QSizeF(7200, 7200));
    EXPECT_EQ(anaglyph.paint1Size(), QSizeF(9600, 7200));
    EXPECT_EQ(anaglyph.sourceKind2(), SourceKind::Clipboard);
    EXPECT_TRUE(allPixels(anaglyph.rightChannel(), rgb(0, 0xB8, 0xE1)));
    EXPECT_TRUE(allPixels(anaglyph.leftChannel(), rgb(0x9A, 0, 0)));
}

TEST(TwinlensSlots, ALoadEmptiesTheCompositeAtItsDesignedSize) {
    Anaglyph anaglyph;
    anaglyph.PastePicture1(solidPicture(4, 4, kPhoto1));
    anaglyph.PastePicture2(solidPicture(4, 4, kPhoto2));
    anaglyph.ConvertAndCombine();
    ASSERT_EQ(anaglyph.composite().width(), 7200);
    anaglyph.PastePicture2(solidPicture(3, 4, kPhoto2));
    EXPECT_EQ(anaglyph.composite().width(), 9600);
    EXPECT_EQ(anaglyph.composite().height(), 7200);
    EXPECT_TRUE(allPixels(anaglyph.composite(), kButtonFace));
}

// A failure to get a picture must leave the slot and the composite as they were.
class TwinlensFailedLoadTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        notAPicture = folder.filePath(QStringLiteral("notes.bmp"));
        QFile file(notAPicture);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a picture at all");
        file.close();
        anaglyph.PastePicture1(noisePicture(8, 6));
        anaglyph.PastePicture2(solidPicture(8, 6, kPhoto2));
        anaglyph.ConvertAndCombine();
        composite = anaglyph.composite().picture();
        left = anaglyph.leftChannel().picture();
        right = anaglyph.rightChannel().picture();
        thumbnail1 = anaglyph.thumbnail1().picture;
    }
    void expectUnchanged() const {
        EXPECT_TRUE(samePixels(anaglyph.composite().picture(), composite));
        EXPECT_TRUE(samePixels(anaglyph.leftChannel().picture(), left));
        EXPECT_TRUE(samePixels(anaglyph.rightChannel().picture(), right));
        EXPECT_EQ(anaglyph.thumbnail1().picture, thumbnail1);
        EXPECT_EQ(anaglyph.sourceKind2(), SourceKind::Clipboard);
    }
    QTemporaryDir folder;
    QString notAPicture;
    Anaglyph anaglyph;
    QImage composite, left, right, thumbnail1;
};

TEST_F(TwinlensFailedLoadTest, AMissingFileChangesNothing) {
    EXPECT_FALSE(anaglyph.LoadPicture1(folder.filePath(QStringLiteral("missing.jpg"))));
    EXPECT_FALSE(anaglyph.LoadPicture2(folder.filePath(QStringLiteral("missing.jpg"))));
    expectUnchanged();
}

TEST_F(TwinlensFailedLoadTest, AnUndecodableFileChangesNothing) {
    EXPECT_FALSE(anaglyph.LoadPicture1(notAPicture));
    EXPECT_FALSE(anaglyph.LoadPicture2(notAPicture));
    expectUnchanged();
}

TEST_F(TwinlensFailedLoadTest, AnEmptyClipboardChangesNothing) {
    EXPECT_FALSE(anaglyph.PastePicture1(QImage()));
    EXPECT_FALSE(anaglyph.PastePicture2(QImage()));
    expectUnchanged();
}

// --- Photograph 2's recorded source -------------------------------------------------------

class TwinlensSourceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        path = folder.filePath(QStringLiteral("right.bmp"));
        ASSERT_TRUE(writePicture(solidPicture(4, 3, kPhoto2), path));
    }
    QTemporaryDir folder;
    QString path;
    Anaglyph anaglyph;
};

TEST_F(TwinlensSourceTest, AConversionReReadsTheFileWithTheCurrentColours) {
    ASSERT_TRUE(anaglyph.LoadPicture2(path));
    EXPECT_EQ(anaglyph.path2(), path);
    EXPECT_EQ(anaglyph.sourceKind2(), SourceKind::File);
    anaglyph.SetColorMode(1);
    anaglyph.ConvertAndCombine();
    EXPECT_TRUE(allPixels(anaglyph.rightChannel(), rgb(0, 0, 0xE1)));
}

TEST_F(TwinlensSourceTest, AFileThatIsGoneLeavesThePlainFilterColour) {
    ASSERT_TRUE(anaglyph.LoadPicture2(path));
    ASSERT_TRUE(QFile::remove(path));
    anaglyph.ConvertAndCombine();
    EXPECT_TRUE(allPixels(anaglyph.rightChannel(), rgb(0, 255, 255)));
    EXPECT_TRUE(allPixels(anaglyph.composite(), kWhite));
}

TEST_F(TwinlensSourceTest, APastedPhotographIsRedrawnFromHolder2) {
    ASSERT_TRUE(anaglyph.LoadPicture2(path));
    ASSERT_TRUE(anaglyph.PastePicture2(solidPicture(4, 3, rgb(1, 2, 3))));
    anaglyph.ConvertAndCombine();
    EXPECT_TRUE(allPixels(anaglyph.rightChannel(), rgb(0, 2, 3)));
}

TEST_F(TwinlensSourceTest, ClearingSlot2ForgetsItsSource) {
    ASSERT_TRUE(anaglyph.LoadPicture2(path));
    anaglyph.ClearSlot2();
    EXPECT_TRUE(anaglyph.thumbnail2().picture.isNull());
    EXPECT_TRUE(anaglyph.path2().isEmpty());
    anaglyph.ConvertAndCombine();
    EXPECT_TRUE(allPixels(anaglyph.rightChannel(), rgb(0, 255, 255)));

    ASSERT_TRUE(anaglyph.PastePicture2(solidPicture(4, 3, kPhoto2)));
    anaglyph.ClearSlot2();
    anaglyph.ConvertRightOnly();
    EXPECT_TRUE(allPixels(anaglyph.rightChannel(), rgb(0, 255, 255)));
}

// 9600 x 6397.5 twips: the raster rounds the last half pixel row up to a whole row.
TEST(TwinlensSlots, AFillReachesTheLastRowOfAHalfPixelCanvas) {
    Anaglyph anaglyph;
    anaglyph.PastePicture1(solidPicture(1280, 853, kWhite));
    ASSERT_EQ(anaglyph.leftChannel().height(), 6397.5);
    ASSERT_EQ(anaglyph.leftChannel().rasterHeight(), 427);
    EXPECT_EQ(anaglyph.leftChannel().pixel(0, 426), rgb(255, 0, 0));
    anaglyph.ConvertAndCombine();
    EXPECT_EQ(anaglyph.composite().pixel(0, 479), rgb(0, 255, 255));
    EXPECT_EQ(anaglyph.composite().pixel(0, 426), rgb(255, 255, 255));
}

TEST(TwinlensSlots, ClearingASlotLeavesTheComposite) {
    Anaglyph anaglyph;
    anaglyph.PastePicture1(noisePicture(8, 6));
    anaglyph.ConvertAndCombine();
    const QImage before = anaglyph.composite().picture();
    anaglyph.ClearSlot1();
    EXPECT_TRUE(anaglyph.thumbnail1().picture.isNull());
    EXPECT_TRUE(allPixels(anaglyph.leftChannel(), rgb(255, 0, 0)));
    EXPECT_TRUE(samePixels(anaglyph.composite().picture(), before));
}

// --- The composite ------------------------------------------------------------------------

// Photograph 1 landscape (9600 x 6000 twips on its canvas), photograph 2 portrait
// (5400 x 7200): the composite is 9600 x 7200 with four regions.
//
//   +-----------+--------+   both      x < 360, y < 400 (pixels)
//   |   both    | left   |   left only x >= 360, y < 400
//   +-----------+--------+   right     x < 360, y >= 400
//   |   right   | corner |   corner    x >= 360, y >= 400
//   +-----------+--------+
struct CompositeCase {
    const char* name;
    int colorMode;
    Conversion conversion;
    QRgb both, leftOnly, rightOnly, corner;
};

class TwinlensCompositeTest : public ::testing::TestWithParam<CompositeCase> {};

TEST_P(TwinlensCompositeTest, EachRegionIsTheSumOfItsChannels) {
    const CompositeCase& c = GetParam();
    Anaglyph anaglyph;
    anaglyph.SetColorMode(c.colorMode);
    anaglyph.PastePicture1(solidPicture(16, 10, kPhoto1));
    anaglyph.PastePicture2(solidPicture(3, 4, kPhoto2));
    ASSERT_EQ(anaglyph.leftChannel().height(), 6000);
    ASSERT_EQ(anaglyph.rightChannel().width(), 5400);
    switch (c.conversion) {
        case Conversion::Both:
            anaglyph.ConvertAndCombine();
            break;
        case Conversion::LeftOnly:
            anaglyph.ConvertLeftOnly();
            break;
        case Conversion::RightOnly:
            anaglyph.ConvertRightOnly();
            break;
    }
    const Canvas& composite = anaglyph.composite();
    EXPECT_EQ(composite.width(), 9600);
    EXPECT_EQ(composite.height(), 7200);
    const struct {
        int x, y;
        QRgb colour;
    } probes[] = {{0, 0, c.both},         {359, 399, c.both},    {360, 0, c.leftOnly},
                  {639, 399, c.leftOnly}, {0, 400, c.rightOnly}, {359, 479, c.rightOnly},
                  {360, 400, c.corner},   {639, 479, c.corner}};
    for (const auto& probe : probes) {
        EXPECT_EQ(colourText(composite.pixel(probe.x, probe.y)), colourText(probe.colour))
            << "at (" << probe.x << ", " << probe.y << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Twinlens, TwinlensCompositeTest,
    ::testing::Values(
        CompositeCase{"both_red_cyan", 0, Conversion::Both, rgb(0x9A, 0xB8, 0xE1), rgb(0x9A, 0, 0),
                      rgb(0, 0xB8, 0xE1), rgb(0, 0, 0)},
        CompositeCase{"both_red_blue_has_no_green", 1, Conversion::Both, rgb(0x9A, 0, 0xE1),
                      rgb(0x9A, 0, 0), rgb(0, 0, 0xE1), rgb(0, 0, 0)},
        CompositeCase{"both_red_green", 2, Conversion::Both, rgb(0x9A, 0xB8, 0), rgb(0x9A, 0, 0),
                      rgb(0, 0xB8, 0), rgb(0, 0, 0)},
        CompositeCase{"photograph_1_only_whatever_the_colours", 1, Conversion::LeftOnly,
                      rgb(0x9A, 255, 255), rgb(0x9A, 255, 255), rgb(0, 255, 255), rgb(0, 255, 255)},
        CompositeCase{"photograph_2_only_red_cyan", 0, Conversion::RightOnly, rgb(255, 0xB8, 0xE1),
                      rgb(255, 0, 0), rgb(255, 0xB8, 0xE1), rgb(255, 0, 0)},
        CompositeCase{"photograph_2_only_red_blue", 1, Conversion::RightOnly, rgb(255, 0, 0xE1),
                      rgb(255, 0, 0), rgb(255, 0, 0xE1), rgb(255, 0, 0)},
        CompositeCase{"photograph_2_only_red_green", 2, Conversion::RightOnly, rgb(255, 0xB8, 0),
                      rgb(255, 0, 0), rgb(255, 0xB8, 0), rgb(255, 0, 0)}),
    ByCaseName());

struct WhitePairCase {
    const char* name;
    int colorMode;
    QRgb composite;
};

class TwinlensWhitePairTest : public ::testing::TestWithParam<WhitePairCase> {};

TEST_P(TwinlensWhitePairTest, TwoWhitePhotographsShowTheFilterPair) {
    Anaglyph anaglyph;
    anaglyph.SetColorMode(GetParam().colorMode);
    anaglyph.PastePicture1(solidPicture(4, 3, kWhite));
    anaglyph.PastePicture2(solidPicture(4, 3, kWhite));
    anaglyph.ConvertAndCombine();
    EXPECT_TRUE(allPixels(anaglyph.composite(), GetParam().composite));
}

INSTANTIATE_TEST_SUITE_P(Twinlens, TwinlensWhitePairTest,
                         ::testing::Values(WhitePairCase{"red_cyan_white", 0, kWhite},
                                           WhitePairCase{"red_blue_magenta", 1, rgb(255, 0, 255)},
                                           WhitePairCase{"red_green_yellow", 2, rgb(255, 255, 0)}),
                         ByCaseName());

TEST(TwinlensColours, Photograph1OnlyInRedGreenIsCyanWherePhotograph1IsBlack) {
    Anaglyph anaglyph;
    anaglyph.SetColorMode(2);
    anaglyph.PastePicture1(solidPicture(4, 3, rgb(0, 0, 0)));
    anaglyph.ConvertLeftOnly();
    EXPECT_TRUE(allPixels(anaglyph.composite(), rgb(0, 255, 255)));
}

TEST(TwinlensColours, ANewColourOptionShowsOnlyOnceTheRightChannelIsRefilled) {
    Anaglyph anaglyph;
    anaglyph.PastePicture1(solidPicture(4, 3, kPhoto1));
    anaglyph.PastePicture2(solidPicture(4, 3, kPhoto2));
    anaglyph.ConvertAndCombine();
    const QImage redCyan = anaglyph.composite().picture();

    anaglyph.SetColorMode(1);
    EXPECT_TRUE(samePixels(anaglyph.composite().picture(), redCyan));
    anaglyph.Nudge(ArrowButton::Zero);
    EXPECT_TRUE(samePixels(anaglyph.composite().picture(), redCyan)) << "a nudge refills nothing";
    anaglyph.ConvertAndCombine();
    EXPECT_TRUE(allPixels(anaglyph.composite(), rgb(0x9A, 0, 0xE1)));
}

// --- The arrow pad ------------------------------------------------------------------------

class TwinlensNudgeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        anaglyph.PastePicture1(noisePicture(64, 48));
        anaglyph.PastePicture2(solidPicture(64, 48, kPhoto2));
        anaglyph.ConvertAndCombine();
        unshifted = anaglyph.composite().picture();
    }
    Anaglyph anaglyph;
    QImage unshifted;
};

TEST_F(TwinlensNudgeTest, StepsAddUp) {
    press(anaglyph,
          {ArrowButton::Right, ArrowButton::Right, ArrowButton::Right, ArrowButton::LeftLeft});
    EXPECT_EQ(anaglyph.offsetX(), -30);
    press(anaglyph, {ArrowButton::DownDown, ArrowButton::Up});
    EXPECT_EQ(anaglyph.offsetY(), 60);
}

TEST_F(TwinlensNudgeTest, DownUncoversARedStripAlongTheTop) {
    ASSERT_TRUE(anaglyph.Nudge(ArrowButton::Down));
    const Canvas& composite = anaglyph.composite();
    for (int x = 0; x < composite.rasterWidth(); ++x) {
        ASSERT_EQ(composite.pixel(x, 0), rgb(255, 0xB8, 0xE1)) << "x " << x;
        ASSERT_EQ(composite.pixel(x, 1), unshifted.pixel(x, 0) & 0xFFFFFFu) << "x " << x;
    }
    EXPECT_EQ(composite.pixel(5, 479), unshifted.pixel(5, 478) & 0xFFFFFFu);
}

TEST_F(TwinlensNudgeTest, ZeroRestoresTheUnshiftedComposite) {
    press(anaglyph,
          {ArrowButton::RightRight, ArrowButton::Up, ArrowButton::DownDown, ArrowButton::Left});
    ASSERT_FALSE(samePixels(anaglyph.composite().picture(), unshifted));
    ASSERT_TRUE(anaglyph.Nudge(ArrowButton::Zero));
    EXPECT_EQ(anaglyph.offsetX(), 0);
    EXPECT_EQ(anaglyph.offsetY(), 0);
    EXPECT_TRUE(samePixels(anaglyph.composite().picture(), unshifted));
}

TEST_F(TwinlensNudgeTest, ANudgeRebuildsBothAfterAPreview) {
    anaglyph.ConvertRightOnly();
    anaglyph.Nudge(ArrowButton::Zero);
    EXPECT_TRUE(samePixels(anaglyph.composite().picture(), unshifted));
}

TEST_F(TwinlensNudgeTest, PhotographOneStopsWithOnePixelOnItsCanvas) {
    for (int i = 0; i < 200; ++i) anaglyph.Nudge(ArrowButton::RightRight);
    EXPECT_EQ(anaglyph.offsetX(), 9525);
    EXPECT_FALSE(anaglyph.CanNudge(ArrowButton::RightRight));
    for (int i = 0; i < 200; ++i) anaglyph.Nudge(ArrowButton::Right);
    EXPECT_EQ(anaglyph.offsetX(), 9585);
    for (int i = 0; i < 500; ++i) anaglyph.Nudge(ArrowButton::Up);
    EXPECT_EQ(anaglyph.offsetY(), -7185);
    EXPECT_FALSE(anaglyph.Nudge(ArrowButton::Up));
    EXPECT_FALSE(anaglyph.Nudge(ArrowButton::UpUp));

    ASSERT_TRUE(anaglyph.CropOutput());
    EXPECT_EQ(anaglyph.output().width(), 15);
    EXPECT_EQ(anaglyph.output().height(), 15);
    EXPECT_EQ(anaglyph.output().pixel(0, 0), anaglyph.composite().pixel(639, 0));
    EXPECT_NE(anaglyph.leftChannel().pixel(639, 0), rgb(255, 0, 0))
        << "photograph 1's corner pixel is still on its canvas";
}

TEST(TwinlensArrowPad, WithoutPhotograph1OnlyZeroIsTaken) {
    Anaglyph anaglyph;
    EXPECT_FALSE(anaglyph.Nudge(ArrowButton::Right));
    EXPECT_FALSE(anaglyph.Nudge(ArrowButton::DownDown));
    EXPECT_EQ(anaglyph.offsetX(), 0);
    EXPECT_TRUE(allPixels(anaglyph.composite(), rgb(0, 0, 0))) << "the composite is untouched";
    EXPECT_TRUE(anaglyph.Nudge(ArrowButton::Zero));
    EXPECT_TRUE(allPixels(anaglyph.composite(), kWhite));
}

TEST(TwinlensArrowPad, ZeroAfterClearingSlot1PutsTheOffsetsBack) {
    Anaglyph anaglyph;
    anaglyph.PastePicture1(noisePicture(8, 6));
    press(anaglyph, {ArrowButton::Right, ArrowButton::Down});
    anaglyph.ClearSlot1();
    EXPECT_FALSE(anaglyph.Nudge(ArrowButton::Right));
    EXPECT_TRUE(anaglyph.Nudge(ArrowButton::Zero));
    EXPECT_EQ(anaglyph.offsetX(), 0);
    EXPECT_EQ(anaglyph.offsetY(), 0);
}

// The composite and what the outputs hand out agree after a new photograph 1: the offsets
// start again from 0, so no red strip is shown or cropped away.
TEST(TwinlensArrowPad, ANewPhotograph1StartsUnshifted) {
    Anaglyph anaglyph;
    anaglyph.PastePicture1(noisePicture(8, 6));
    anaglyph.PastePicture2(solidPicture(8, 6, kPhoto2));
    press(anaglyph, {ArrowButton::RightRight, ArrowButton::DownDown});
    ASSERT_EQ(anaglyph.offsetX(), 75);

    anaglyph.PastePicture1(noisePicture(8, 6, 7));
    EXPECT_EQ(anaglyph.offsetX(), 0);
    EXPECT_EQ(anaglyph.offsetY(), 0);
    anaglyph.ConvertAndCombine();
    ASSERT_TRUE(anaglyph.CropOutput());
    EXPECT_TRUE(samePixels(anaglyph.output().picture(), anaglyph.composite().picture()));
    anaglyph.Nudge(ArrowButton::Right);
    EXPECT_EQ(anaglyph.offsetX(), 15) << "the next press starts from 0";
}

// A press draws photograph 1 scaled once per load; the pixels must be those of drawing the
// photograph scaled at the offsets over a red canvas on every press.
struct CachedDrawCase {
    const char* name;
    int pictureW, pictureH;
    std::vector<ArrowButton> presses;
};

class TwinlensCachedDrawTest : public ::testing::TestWithParam<CachedDrawCase> {};

TEST_P(TwinlensCachedDrawTest, PressGivesThePixelsOfAScaledDrawAtTheOffsets) {
    const CachedDrawCase& c = GetParam();
    const QImage photograph = noisePicture(c.pictureW, c.pictureH);
    Anaglyph anaglyph;
    anaglyph.PastePicture1(photograph);
    for (ArrowButton button : c.presses) {
        anaglyph.Nudge(button);
        Canvas literal(anaglyph.leftChannel().width(), anaglyph.leftChannel().height(),
                       CanvasUnit::Twips);
        literal.raster().fill(qRgb(255, 0, 0));
        literal.drawScaled(photograph,
                           QRectF(anaglyph.offsetX(), anaglyph.offsetY(),
                                  anaglyph.paint1Size().width(), anaglyph.paint1Size().height()),
                           Combine::And);
        ASSERT_TRUE(samePixels(anaglyph.leftChannel().picture(), literal.picture()))
            << "after the press to (" << anaglyph.offsetX() << ", " << anaglyph.offsetY() << ")";
    }
}

using enum ArrowButton;

INSTANTIATE_TEST_SUITE_P(
    Twinlens, TwinlensCachedDrawTest,
    ::testing::Values(
        CachedDrawCase{"enlarged_four_by_three", 40, 30, {Zero, Right, DownDown, Up, LeftLeft}},
        CachedDrawCase{"reduced_with_a_fractional_height", 700, 500, {Down, RightRight, Left}},
        CachedDrawCase{"half_pixel_height_on_the_canvas", 1280, 853, {Down, Up, Up, Right}},
        CachedDrawCase{"portrait_with_a_fractional_width", 5, 7, {LeftLeft, UpUp, Right}},
        CachedDrawCase{"thin_panorama", 1000, 3, {Right, Right, LeftLeft, LeftLeft}}),
    ByCaseName());

// --- Output -------------------------------------------------------------------------------

TEST_F(TwinlensNudgeTest, CropCutsTheUncoveredStrips) {
    press(anaglyph, {ArrowButton::Right, ArrowButton::Right, ArrowButton::Up});
    ASSERT_EQ(anaglyph.offsetX(), 30);
    ASSERT_EQ(anaglyph.offsetY(), -15);
    ASSERT_TRUE(anaglyph.CropOutput());
    EXPECT_EQ(anaglyph.output().width(), 9570);
    EXPECT_EQ(anaglyph.output().height(), 7185);
    EXPECT_TRUE(samePixels(anaglyph.output().picture(),
                           anaglyph.composite().picture().copy(2, 0, 638, 479)));
}

TEST_F(TwinlensNudgeTest, CropOfAnUnshiftedCompositeIsTheWholeComposite) {
    ASSERT_TRUE(anaglyph.CropOutput());
    EXPECT_EQ(anaglyph.output().width(), 9600);
    EXPECT_EQ(anaglyph.output().height(), 7200);
    EXPECT_TRUE(samePixels(anaglyph.output().picture(), unshifted));
}

TEST_F(TwinlensNudgeTest, RepeatedOutputsAreIdentical) {
    press(anaglyph, {ArrowButton::Left, ArrowButton::DownDown});
    ASSERT_TRUE(anaglyph.CropOutput());
    const QImage first = anaglyph.output().picture();
    ASSERT_TRUE(anaglyph.CropOutput());
    EXPECT_EQ(anaglyph.output().picture(), first);
}

TEST_F(TwinlensNudgeTest, AfterALoadTheOutputIsTheEmptiedCompositeLessTheOffsets) {
    press(anaglyph, {ArrowButton::LeftLeft, ArrowButton::Down});
    anaglyph.PastePicture2(solidPicture(3, 4, kPhoto2));
    ASSERT_TRUE(anaglyph.CropOutput());
    EXPECT_EQ(anaglyph.output().width(), 9600 - 75);
    EXPECT_EQ(anaglyph.output().height(), 7200 - 15);
    EXPECT_TRUE(allPixels(anaglyph.output(), kButtonFace));
}
