// Whirlfold's workflows through the platform seams: the fresh start, loading and pasting into
// slots, the picture-size option, Convert with its one-shot timer, the sheet window's back
// button and the close requests.

#include <gtest/gtest.h>

#include <QRadioButton>

#include "casename.h"
#include "sheetout.h"
#include "whirlfoldtesting.h"

namespace picturecraft::whirlfold::testing {
namespace {

constexpr QRgb kRed = rgb(0xE0, 0x10, 0x10);
constexpr QRgb kGreen = rgb(0x10, 0xC0, 0x10);
constexpr QRgb kBlue = rgb(0x10, 0x10, 0xE0);
constexpr QRgb kYellow = rgb(0xF0, 0xE0, 0x10);

// A sheet pixel inside the middle rhombus of each picture's band (picture n's band is the n-th
// from the top), at the start-up sheet size.
QPoint bandPixel(int number) {
    static const QPoint kPixels[] = {{398, 99}, {596, 199}, {398, 298}, {596, 398}};
    return kPixels[number - 1];
}

using WorkflowTest = WhirlfoldTest;

TEST_F(WorkflowTest, FreshStartShowsBlankSlotsWithGuidesAndAsksForPictures) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_TRUE(isBlank(working(slot)));
        EXPECT_TRUE(hasGuide(thumbnail(slot)));
        EXPECT_EQ(countPixels(thumbnail(slot), kWhite) + countPixels(thumbnail(slot), kGuideColour),
                  thumbnail(slot).rasterWidth() * thumbnail(slot).rasterHeight());
    }
    EXPECT_EQ(statusLabel()->text(), QStringLiteral("絵を開いてください"));
    EXPECT_FALSE(statusLabel()->isHidden());
    EXPECT_EQ(statusLabel()->palette().color(QPalette::WindowText), QColor(0, 0, 0xFF));
    EXPECT_TRUE(convertButton()->isHidden());
    EXPECT_EQ(timer().interval(), 0);
    EXPECT_EQ(window.fitMode(), FitMode::Wide);
    EXPECT_EQ(window.currentSlot(), 3);
    EXPECT_TRUE(window.pictureSizeDialog().option(0)->isChecked());
    EXPECT_EQ(window.sheetWindow().sheetOutput().paperSettings().paperSize, 2);
    EXPECT_EQ(window.sheetWindow().sheetOutput().paperSettings().paperOrientation, 0);
    EXPECT_TRUE(window.sheetWindow().isHidden());
    EXPECT_TRUE(window.pictureSizeDialog().isHidden());
}

TEST_F(WorkflowTest, StartupSizesEveryCanvas) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(thumbnail(slot).height(), 145);
        EXPECT_NEAR(thumbnail(slot).width(), 125.57, 0.005);
        EXPECT_EQ(working(slot).height(), 489);
        EXPECT_NEAR(working(slot).width(), 423.49, 0.005);
    }
    const SheetCanvases& canvases = window.sheetWindow().canvases();
    EXPECT_EQ(canvases.sheet.width(), 1193);
    EXPECT_EQ(canvases.sheet.height(), 497);
    EXPECT_EQ(canvases.backdrop.width(), 1223);
    EXPECT_EQ(canvases.backdrop.height(), 500);
    EXPECT_EQ(window.sheetSizes().sheetFrameWidth, Int16(1223));
    EXPECT_EQ(window.sheetSizes().sheetFrameHeight, Int16(500));
}

struct OpenRow {
    std::string name;
    const char* control;
    int slot;
};

class OpenIntoSlotTest : public WhirlfoldTest, public ::testing::WithParamInterface<OpenRow> {};

TEST_P(OpenIntoSlotTest, FillsItsSlotOnly) {
    const QString path = writePicture(SolidPicture(500, 500, kRed), QStringLiteral("red.bmp"));
    openThrough(QString::fromLatin1(GetParam().control), path);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        SCOPED_TRACE(slot);
        const bool filled = slot == GetParam().slot;
        EXPECT_EQ(working(slot).pixel(210, 240), filled ? kRed : kWhite);
        EXPECT_EQ(thumbnail(slot).pixel(62, 72), filled ? kRed : kWhite);
        EXPECT_TRUE(hasGuide(thumbnail(slot)));
    }
    EXPECT_EQ(window.currentSlot(), GetParam().slot);
    EXPECT_EQ(window.pictureFile(), path);
    EXPECT_FALSE(convertButton()->isHidden());
    EXPECT_TRUE(statusLabel()->isHidden());
    EXPECT_EQ(statusLabel()->text(), QStringLiteral("ちょっと待ってね"));
}

const OpenRow kOpenRows[] = {
    {"first_button_opens_slot_0", "Command2(0)", 0},
    {"second_button_opens_slot_2", "Command2(1)", 2},
    {"third_button_opens_slot_1", "Command2(2)", 1},
    {"fourth_button_opens_slot_3", "Command2(3)", 3},
    {"menu_item_1_opens_slot_0", "menuopen1", 0},
    {"menu_item_2_opens_slot_2", "menuopen2", 2},
    {"menu_item_3_opens_slot_1", "menuopen3", 1},
    {"menu_item_4_opens_slot_3", "menuopen4", 3},
};

INSTANTIATE_TEST_SUITE_P(Controls, OpenIntoSlotTest, ::testing::ValuesIn(kOpenRows), ByCaseName());

TEST_F(WorkflowTest, OpenDialogIsSetUpEveryTime) {
    for (int i = 0; i < 2; ++i) button(QStringLiteral("Command2(0)"))->click();
    ASSERT_EQ(platform.openRequests.size(), 2u);
    for (const FileDialogSetup& setup : platform.openRequests) {
        EXPECT_TRUE(setup.cancelIsFailure);
        EXPECT_TRUE(setup.fileName.isEmpty());
        EXPECT_EQ(setup.initialFolder, sheetout::ProgramFolder());
        EXPECT_EQ(setup.filter, QStringLiteral("絵ファイル(*.bmp,*.jpg,*gif)|*.bmp;*.jpg;*.gif"));
        EXPECT_EQ(setup.filterIndex, 0);
        EXPECT_FALSE(setup.askOverwrite);
    }
}

TEST_F(WorkflowTest, CancelledOpenKeepsTheSlotAndTheFileName) {
    const QString path = writePicture(SolidPicture(500, 500, kRed), QStringLiteral("red.bmp"));
    openThrough(QStringLiteral("Command2(0)"), path);
    button(QStringLiteral("Command2(0)"))->click();
    EXPECT_EQ(working(0).pixel(210, 240), kRed);
    EXPECT_EQ(window.pictureFile(), path);
}

TEST_F(WorkflowTest, UndecodableFileIntoAFilledSlotLeavesItBlankWithoutGuide) {
    const QString good = writePicture(SolidPicture(500, 500, kRed), QStringLiteral("red.bmp"));
    const QString broken = folder.filePath(QStringLiteral("broken.bmp"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM not really a bitmap");
    file.close();
    openThrough(QStringLiteral("Command2(1)"), good);
    openThrough(QStringLiteral("Command2(1)"), broken);
    EXPECT_TRUE(isBlank(working(2)));
    EXPECT_TRUE(isBlank(thumbnail(2)));
    EXPECT_FALSE(convertButton()->isHidden());
    EXPECT_TRUE(statusLabel()->isHidden());
}

TEST_F(WorkflowTest, MissingFileOnAFreshStartLeavesConvertHidden) {
    openThrough(QStringLiteral("Command2(2)"), folder.filePath(QStringLiteral("nowhere.jpg")));
    EXPECT_TRUE(isBlank(thumbnail(1)));
    EXPECT_TRUE(convertButton()->isHidden());
    EXPECT_EQ(statusLabel()->text(), QStringLiteral("絵を開いてください"));
    EXPECT_FALSE(statusLabel()->isHidden());
}

TEST_F(WorkflowTest, PasteMenuItemsPasteWithoutAsking) {
    platform.clipboard = SolidPicture(500, 500, kGreen);
    action(QStringLiteral("mnupaste2"))->trigger();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(working(2).pixel(210, 240), kGreen);
    EXPECT_TRUE(hasGuide(thumbnail(2)));
    EXPECT_FALSE(convertButton()->isHidden());
}

TEST_F(WorkflowTest, ClipboardWithoutPictureLeavesTheSlotBlankWithItsGuide) {
    platform.clipboard = SolidPicture(500, 500, kGreen);
    action(QStringLiteral("mnupaste4"))->trigger();
    platform.clipboard.reset();
    action(QStringLiteral("mnupaste4"))->trigger();
    EXPECT_TRUE(isBlank(working(3)));
    EXPECT_TRUE(hasGuide(thumbnail(3)));
    EXPECT_EQ(countPixels(thumbnail(3), kGreen), 0);
}

TEST_F(WorkflowTest, ClipboardWithoutPictureOnAFreshStartLeavesConvertHidden) {
    action(QStringLiteral("mnupaste1"))->trigger();
    EXPECT_TRUE(convertButton()->isHidden());
    EXPECT_FALSE(statusLabel()->isHidden());
}

struct PressRow {
    std::string name;
    int slot;
    QString digit;
};

class RightPressTest : public WhirlfoldTest, public ::testing::WithParamInterface<PressRow> {};

TEST_P(RightPressTest, AsksWithTheNumberShownThenPastesOnOk) {
    platform.clipboard = SolidPicture(500, 500, kBlue);
    platform.messageAnswers.push_back(MessageAnswer::Ok);
    pressOnThumbnail(GetParam().slot, Qt::RightButton);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("クリップボードの内容を　絵") +
                                             GetParam().digit +
                                             QStringLiteral("にはりつけていいですか"));
    EXPECT_EQ(platform.messages[0].title, QStringLiteral("確認"));
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(working(GetParam().slot).pixel(210, 240), kBlue);
    EXPECT_FALSE(convertButton()->isHidden());
}

const PressRow kPressRows[] = {
    {"first_thumbnail_asks_for_picture_1", 0, QStringLiteral("1")},
    {"second_thumbnail_asks_for_picture_2", 2, QStringLiteral("2")},
    {"third_thumbnail_asks_for_picture_3", 1, QStringLiteral("3")},
    {"fourth_thumbnail_asks_for_picture_4", 3, QStringLiteral("4")},
};

INSTANTIATE_TEST_SUITE_P(Thumbnails, RightPressTest, ::testing::ValuesIn(kPressRows), ByCaseName());

TEST_F(WorkflowTest, CancelInTheQuestionPastesNothingButMovesTheCurrentSlot) {
    const QString path = writePicture(SolidPicture(500, 500, kRed), QStringLiteral("red.bmp"));
    openThrough(QStringLiteral("Command2(2)"), path);
    platform.clipboard = SolidPicture(500, 500, kBlue);
    platform.messageAnswers.push_back(MessageAnswer::Cancel);
    pressOnThumbnail(1, Qt::RightButton);
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(working(1).pixel(210, 240), kRed);
    EXPECT_TRUE(hasGuide(thumbnail(1)));
    EXPECT_EQ(window.currentSlot(), 1);
    pressOnThumbnail(2, Qt::RightButton);  // the empty answer queue closes the box: Cancel
    EXPECT_TRUE(isBlank(working(2)));
}

TEST_F(WorkflowTest, LeftOrMiddlePressOnAThumbnailDoesNothing) {
    platform.clipboard = SolidPicture(500, 500, kBlue);
    platform.messageAnswers.push_back(MessageAnswer::Ok);
    pressOnThumbnail(0, Qt::LeftButton);
    pressOnThumbnail(0, Qt::MiddleButton);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(isBlank(working(0)));
    EXPECT_EQ(window.currentSlot(), 3);
}

TEST_F(WorkflowTest, PictureSizeMenuShowsTheDialogModeless) {
    action(QStringLiteral("mnuookisa"))->trigger();
    EXPECT_TRUE(window.pictureSizeDialog().isVisible());
    EXPECT_FALSE(window.pictureSizeDialog().isModal());
    EXPECT_TRUE(window.pictureSizeDialog().option(0)->isChecked());
}

TEST_F(WorkflowTest, ZoomChoiceFitsTheNextPictureOnlyAndStaysSelected) {
    const QString landscape =
        writePicture(SolidPicture(640, 480, kYellow), QStringLiteral("landscape.bmp"));
    openThrough(QStringLiteral("Command2(0)"), landscape);
    ASSERT_EQ(working(0).pixel(210, 0), kWhite);  // wide: bands above and below

    action(QStringLiteral("mnuookisa"))->trigger();
    window.pictureSizeDialog().option(1)->click();
    window.pictureSizeDialog().findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    EXPECT_TRUE(window.pictureSizeDialog().isHidden());
    EXPECT_EQ(window.fitMode(), FitMode::Zoom);
    EXPECT_EQ(working(0).pixel(210, 0), kWhite);

    openThrough(QStringLiteral("Command2(1)"), landscape);
    EXPECT_EQ(working(2).pixel(210, 0), kYellow);  // zoom: the height is covered

    action(QStringLiteral("mnuookisa"))->trigger();
    EXPECT_TRUE(window.pictureSizeDialog().option(1)->isChecked());
    EXPECT_FALSE(window.pictureSizeDialog().option(0)->isChecked());
}

TEST_F(WorkflowTest, ClosingThePictureSizeDialogKeepsItsChoice) {
    action(QStringLiteral("mnuookisa"))->trigger();
    window.pictureSizeDialog().option(1)->click();
    window.pictureSizeDialog().close();
    EXPECT_EQ(quits, 0);
    action(QStringLiteral("mnuookisa"))->trigger();
    EXPECT_TRUE(window.pictureSizeDialog().option(1)->isChecked());
    EXPECT_EQ(window.fitMode(), FitMode::Zoom);
}

// Four solid pictures through the four open buttons, then Convert.
class ConvertTest : public WhirlfoldTest {
  protected:
    void loadFourPictures() {
        const QRgb colours[] = {kRed, kGreen, kBlue, kYellow};
        for (int place = 0; place < kSlotCount; ++place)
            openThrough(QStringLiteral("Command2(%1)").arg(place),
                        writePicture(SolidPicture(500, 500, colours[place]),
                                     QStringLiteral("picture%1.bmp").arg(place + 1)));
    }
};

TEST_F(ConvertTest, ConvertShowsTheWaitTextAtOnceAndTheSheetOnlyAfterTheTick) {
    loadFourPictures();
    convertButton()->click();
    EXPECT_EQ(statusLabel()->text(), QStringLiteral("ちょっと待ってね"));
    EXPECT_FALSE(statusLabel()->isHidden());
    EXPECT_TRUE(convertButton()->isHidden());
    EXPECT_EQ(timer().interval(), 1000);
    EXPECT_FALSE(window.sheetWindow().isVisible());
    EXPECT_TRUE(isBlank(backdrop()));

    ASSERT_TRUE(timer().fire());
    EXPECT_EQ(timer().interval(), 0);
    EXPECT_TRUE(window.sheetWindow().isVisible());
    EXPECT_FALSE(timer().fire());
    EXPECT_EQ(timer().ticks(), 1);
    EXPECT_EQ(timer().intervals(), (std::vector<int>{1000, 0}));
    EXPECT_EQ(statusLabel()->text(), QStringLiteral("ちょっと待ってね"));
    EXPECT_TRUE(convertButton()->isHidden());
}

TEST_F(ConvertTest, EachPictureFillsItsBandFromTopToBottom) {
    loadFourPictures();
    convertButton()->click();
    timer().fire();
    const QRgb expected[] = {kRed, kGreen, kBlue, kYellow};
    for (int number = 1; number <= 4; ++number) {
        const QPoint at = bandPixel(number);
        EXPECT_EQ(backdrop().pixel(at.x(), at.y()), expected[number - 1]) << "picture " << number;
        EXPECT_EQ(window.sheetWindow().canvases().sheet.pixel(at.x(), at.y()), expected[number - 1])
            << "picture " << number;
    }
}

TEST_F(ConvertTest, ASinglePictureLeavesTheOtherFacesInBackground) {
    openThrough(QStringLiteral("Command2(1)"),
                writePicture(SolidPicture(500, 500, kGreen), QStringLiteral("two.bmp")));
    convertButton()->click();
    timer().fire();
    EXPECT_EQ(backdrop().pixel(bandPixel(2).x(), bandPixel(2).y()), kGreen);
    for (const int number : {1, 3, 4})
        EXPECT_EQ(backdrop().pixel(bandPixel(number).x(), bandPixel(number).y()), kWhite)
            << "picture " << number;
}

TEST_F(ConvertTest, BackButtonReturnsToTheMainWindowWaitingForPictures) {
    loadFourPictures();
    window.show();
    convertButton()->click();
    timer().fire();
    backButton()->click();
    EXPECT_EQ(statusLabel()->text(), QStringLiteral("絵を開いてください"));
    EXPECT_FALSE(statusLabel()->isHidden());
    EXPECT_FALSE(convertButton()->isHidden());
    EXPECT_FALSE(window.sheetWindow().isVisible());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(working(0).pixel(210, 240), kRed);
    EXPECT_EQ(quits, 0);
}

TEST_F(ConvertTest, SecondConvertWorksOnTheCurrentContents) {
    loadFourPictures();
    convertButton()->click();
    timer().fire();
    backButton()->click();
    platform.clipboard = SolidPicture(500, 500, kBlue);
    action(QStringLiteral("mnupaste1"))->trigger();
    convertButton()->click();
    EXPECT_EQ(backdrop().pixel(bandPixel(1).x(), bandPixel(1).y()), kRed);
    ASSERT_TRUE(timer().fire());
    EXPECT_EQ(backdrop().pixel(bandPixel(1).x(), bandPixel(1).y()), kBlue);
    EXPECT_EQ(backdrop().pixel(bandPixel(2).x(), bandPixel(2).y()), kGreen);
    EXPECT_EQ(timer().ticks(), 2);
}

TEST_F(ConvertTest, PictureLoadedDuringTheDelayIsConverted) {
    loadFourPictures();
    convertButton()->click();
    platform.clipboard = SolidPicture(500, 500, kRed);
    action(QStringLiteral("mnupaste4"))->trigger();
    timer().fire();
    EXPECT_EQ(backdrop().pixel(bandPixel(4).x(), bandPixel(4).y()), kRed);
}

TEST_F(WorkflowTest, ClosingTheMainWindowEndsTheProgram) {
    window.show();
    window.sheetWindow().show();
    window.close();
    EXPECT_EQ(quits, 1);
}

TEST_F(WorkflowTest, ClosingTheSheetWindowEndsTheProgram) {
    window.show();
    window.sheetWindow().show();
    window.sheetWindow().close();
    EXPECT_EQ(quits, 1);
}

}  // namespace
}  // namespace picturecraft::whirlfold::testing
