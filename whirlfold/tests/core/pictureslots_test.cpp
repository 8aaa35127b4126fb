// PictureSlots: the start-up sizes, the slot order, and filling a slot from a file or the
// clipboard with its failures.

#include <cmath>

#include <gtest/gtest.h>

#include "hexagonguide.h"
#include "numbers.h"
#include "pictureslots.h"

namespace picturecraft::whirlfold {
namespace {

constexpr QRgb kWhite = rgb(255, 255, 255);
constexpr QRgb kRed = rgb(255, 0, 0);

QImage solidPicture(int width, int height, QRgb colour) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

int countPixels(const Canvas& canvas, QRgb colour) {
    int count = 0;
    for (int y = 0; y < canvas.rasterHeight(); ++y)
        for (int x = 0; x < canvas.rasterWidth(); ++x) count += canvas.pixel(x, y) == colour;
    return count;
}

bool isBlank(const Canvas& canvas) {
    return countPixels(canvas, kWhite) == canvas.rasterWidth() * canvas.rasterHeight();
}

TEST(SlotOrderTest, PlacesAndNumbersMapToSlots) {
    EXPECT_EQ(SlotAtPlace(0), 0);
    EXPECT_EQ(SlotAtPlace(1), 2);
    EXPECT_EQ(SlotAtPlace(2), 1);
    EXPECT_EQ(SlotAtPlace(3), 3);
    for (int place = 0; place < kSlotCount; ++place)
        EXPECT_EQ(NumberOfSlot(SlotAtPlace(place)), place + 1);
}

class StartedSlotsTest : public testing::Test {
  protected:
    StartedSlotsTest() {
        for (int slot = 0; slot < kSlotCount; ++slot) pictureSlots.SizeForStartup(slot);
    }
    bool fill(int slot, std::optional<QImage> picture, PictureSource source = PictureSource::File,
              FitMode mode = FitMode::Wide) {
        return pictureSlots.FillSlot(
            slot, source, [&] { return picture; }, mode);
    }
    PictureSlots pictureSlots;
};

TEST_F(StartedSlotsTest, CanvasesTakeTheirStartupSizes) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(pictureSlots.thumbHeight(slot), 145);
        EXPECT_NEAR(pictureSlots.thumbWidth(slot), 125.5736835, 1e-7);
        EXPECT_EQ(pictureSlots.thumbnail(slot).height(), 145);
        EXPECT_EQ(pictureSlots.thumbnail(slot).width(), toSingle(pictureSlots.thumbWidth(slot)));
        EXPECT_NEAR(pictureSlots.thumbnail(slot).width(), 125.5737, 5e-5);
        EXPECT_EQ(pictureSlots.workHeight(slot), 489);
        EXPECT_NEAR(pictureSlots.workWidth(slot), 423.4864224, 1e-7);
        EXPECT_EQ(pictureSlots.working(slot).height(), 489);
        EXPECT_NEAR(pictureSlots.working(slot).width(), 423.4864, 5e-5);
        EXPECT_EQ(pictureSlots.working(slot).rasterWidth(), 421);
        EXPECT_EQ(pictureSlots.working(slot).rasterHeight(), 487);
    }
}

TEST_F(StartedSlotsTest, FreshSlotsAreBlankWithTheirGuides) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_TRUE(isBlank(pictureSlots.working(slot)));
        EXPECT_GT(countPixels(pictureSlots.thumbnail(slot), kGuideColour), 300);
    }
}

// A 640 x 480 picture in wide mode lands at (0, 60.935) 423.486 x 367.131 on the working
// canvas: rows whose pixel centres lie inside that band are covered, the others are not.
TEST_F(StartedSlotsTest, WideFitCoversTheRowsOfItsRectangle) {
    ASSERT_TRUE(fill(0, solidPicture(640, 480, kRed)));
    const Canvas& work = pictureSlots.working(0);
    EXPECT_EQ(work.pixel(200, 60), kWhite);
    EXPECT_EQ(work.pixel(200, 61), kRed);
    EXPECT_EQ(work.pixel(200, 427), kRed);
    EXPECT_EQ(work.pixel(200, 428), kWhite);
    EXPECT_EQ(work.pixel(0, 200), kRed);
    EXPECT_EQ(work.pixel(420, 200), kRed);
}

TEST_F(StartedSlotsTest, GuideIsDrawnOverTheFittedPicture) {
    ASSERT_TRUE(fill(2, solidPicture(500, 500, kRed)));
    const Canvas& thumb = pictureSlots.thumbnail(2);
    EXPECT_EQ(thumb.pixel(0, 72), kGuideColour);
    EXPECT_EQ(thumb.pixel(62, 72), kRed);
    EXPECT_EQ(countPixels(thumb, kWhite), 0);
}

TEST_F(StartedSlotsTest, FillingOneSlotLeavesTheOthers) {
    ASSERT_TRUE(fill(1, solidPicture(50, 50, kRed)));
    for (const int other : {0, 2, 3}) EXPECT_TRUE(isBlank(pictureSlots.working(other))) << other;
}

TEST_F(StartedSlotsTest, UndecodableFileLeavesTheSlotBlankWithoutGuide) {
    ASSERT_TRUE(fill(3, solidPicture(64, 64, kRed)));
    EXPECT_FALSE(fill(3, std::nullopt, PictureSource::File));
    EXPECT_TRUE(isBlank(pictureSlots.working(3)));
    EXPECT_TRUE(isBlank(pictureSlots.thumbnail(3)));
}

TEST_F(StartedSlotsTest, ClipboardWithoutPictureLeavesTheSlotBlankWithItsGuide) {
    ASSERT_TRUE(fill(3, solidPicture(64, 64, kRed)));
    EXPECT_FALSE(fill(3, std::nullopt, PictureSource::Clipboard));
    EXPECT_TRUE(isBlank(pictureSlots.working(3)));
    EXPECT_EQ(countPixels(pictureSlots.thumbnail(3), kRed), 0);
    EXPECT_GT(countPixels(pictureSlots.thumbnail(3), kGuideColour), 300);
}

TEST_F(StartedSlotsTest, PictureIsReadAfterBothCanvasesAreCleared) {
    ASSERT_TRUE(fill(0, solidPicture(64, 64, kRed)));
    bool blankWhenRead = false;
    pictureSlots.FillSlot(
        0, PictureSource::File,
        [&]() -> std::optional<QImage> {
            blankWhenRead = isBlank(pictureSlots.working(0)) && isBlank(pictureSlots.thumbnail(0));
            return std::nullopt;
        },
        FitMode::Wide);
    EXPECT_TRUE(blankWhenRead);
}

// Unscaled pictures keep every pixel where it was, from the drawing origin; the rest of the
// working canvas stays background.
TEST_F(StartedSlotsTest, UnscaledPictureIsCopiedPixelForPixel) {
    QImage picture(421, 487, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, qRgb(x % 256, y % 256, 7));
    QImage small = picture.copy(0, 0, 100, 50);
    ASSERT_TRUE(fill(0, picture, PictureSource::File, FitMode::Unscaled));
    ASSERT_TRUE(fill(1, small, PictureSource::File, FitMode::Unscaled));
    for (int y = 0; y < 487; ++y)
        for (int x = 0; x < 421; ++x)
            ASSERT_EQ(pictureSlots.working(0).pixel(x, y), picture.pixel(x, y) & 0xFFFFFFu)
                << x << ", " << y;
    EXPECT_EQ(pictureSlots.working(1).pixel(99, 49), small.pixel(99, 49) & 0xFFFFFFu);
    EXPECT_EQ(pictureSlots.working(1).pixel(100, 49), kWhite);
    EXPECT_EQ(pictureSlots.working(1).pixel(99, 50), kWhite);
}

}  // namespace
}  // namespace picturecraft::whirlfold
