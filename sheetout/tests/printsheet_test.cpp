#include <gtest/gtest.h>

#include "canvas.h"
#include "casename.h"
#include "numbers.h"
#include "scriptedplatform.h"
#include "sheetout.h"

using namespace picturecraft;
using namespace picturecraft::sheetout;

namespace {

constexpr double kTwipTolerance = 0.01;

struct ByProgramName {
    std::string operator()(const testing::TestParamInfo<Variant>& row) const {
        return programName(row.param).toStdString();
    }
};

// A printer whose drawing or page fails, for the silent-failure paths.
class FailingPrinter : public Printer {
  public:
    enum class Fails { Drawing, Page };
    FailingPrinter(Fails fails, int* drawings) : fails_(fails), drawings_(drawings) {}
    void setPaperCode(int) override {}
    void setOrientationCode(int) override {}
    int pageWidthTwips() const override { return 16838; }
    int pageHeightTwips() const override { return 11906; }
    bool drawPicture(const QImage&, const QRectF&) override {
        ++*drawings_;
        return fails_ != Fails::Drawing;
    }
    bool endDocument() override { return fails_ != Fails::Page; }

  private:
    Fails fails_;
    int* drawings_;
};

// One program's sheet output over a scripted platform and a canvas of its own.
struct Program {
    explicit Program(Variant variant, Canvas initial = Canvas(200, 100))
        : canvas(std::move(initial)),
          output(variant, platform,
                 SheetSource{[this]() -> const Canvas& { return canvas; },
                             {},
                             [this] { ++sheetWindowShown; }}) {}

    ScriptedPlatform platform;
    Canvas canvas;
    int sheetWindowShown = 0;
    SheetOutput output;
    std::shared_ptr<RecordingPrinter::Log> log = std::make_shared<RecordingPrinter::Log>();
};

// Twinlens: the printed canvas is the output canvas, which CropOutput fills on demand.
struct Twinlens {
    Twinlens()
        : output(Variant::Twinlens, platform,
                 SheetSource{[this]() -> const Canvas& { return outputCanvas; },
                             [this] { CropOutput(); },
                             {}}) {}

    void CropOutput() {
        croppedWhileBusy = platform.busy;
        printerAskedBeforeCrop = platform.printerRequests;
        if (cropFails) throw OverflowError();
        outputCanvas.resize(9600, 7200);
        outputCanvas.fillBox(QRectF(0, 0, 9600, 7200), rgb(200, 0, 0));
        ++crops;
    }

    ScriptedPlatform platform;
    Canvas outputCanvas{1500, 1500, CanvasUnit::Twips};
    SheetOutput output;
    std::shared_ptr<RecordingPrinter::Log> log = std::make_shared<RecordingPrinter::Log>();
    int crops = 0;
    bool cropFails = false;
    bool croppedWhileBusy = false;
    int printerAskedBeforeCrop = -1;
};

}  // namespace

TEST(PrintSheet, WhirlfoldDrawsATwoToOneSheetAcrossNinetyPercentOfA4Landscape) {
    Program whirlfold(Variant::Whirlfold);
    whirlfold.output.paperSettings() = {0, 0};
    whirlfold.platform.answerPrinterWith(whirlfold.log);
    whirlfold.output.PrintSheet();

    ASSERT_EQ(whirlfold.log->drawings.size(), 1u);
    const RecordingPrinter::Drawing& drawing = whirlfold.log->drawings.front();
    EXPECT_NEAR(drawing.target.left(), 0.05, 1e-6);
    EXPECT_NEAR(drawing.target.top(), 0.05, 1e-6);
    EXPECT_NEAR(drawing.target.width(), 15154.2, kTwipTolerance);
    EXPECT_NEAR(drawing.target.height(), 7577.1, kTwipTolerance);
    EXPECT_EQ(drawing.picture, whirlfold.canvas.picture());
    EXPECT_TRUE(whirlfold.log->ended);
    EXPECT_TRUE(whirlfold.platform.pointerChanges.empty());
}

TEST(PrintSheet, SheetMakersPrintWhatIsOnTheCanvasNow) {
    Program cubefold(Variant::Cubefold,
                     Canvas(120, 80, CanvasUnit::Pixels, CanvasEdge::SunkenFrame));
    cubefold.canvas.fillBox(QRectF(0, 0, 10, 10), rgb(0, 0, 255));
    cubefold.platform.answerPrinterWith(cubefold.log);
    cubefold.output.PrintSheet();

    ASSERT_EQ(cubefold.log->drawings.size(), 1u);
    EXPECT_EQ(cubefold.log->drawings.front().picture, cubefold.canvas.picture());
    // The canvas's outer size gives the ratio: 120 x 80 on A4 landscape.
    EXPECT_NEAR(cubefold.log->drawings.front().target.height(), 80 * (15154.2 / 120),
                kTwipTolerance);
}

TEST(PrintSheet, TwinlensCropsWhileBusyThenFitsTheOutputToTheHeightAndCentresIt) {
    Twinlens twinlens;
    twinlens.platform.answerPrinterWith(twinlens.log);
    twinlens.output.PrintSheet();

    EXPECT_EQ(twinlens.crops, 1);
    EXPECT_TRUE(twinlens.croppedWhileBusy);
    EXPECT_EQ(twinlens.printerAskedBeforeCrop, 1);
    EXPECT_EQ(twinlens.platform.pointerChanges, (std::vector<bool>{true, false}));
    EXPECT_EQ(twinlens.log->paperCodes, std::vector<int>{9});
    EXPECT_EQ(twinlens.log->orientationCodes, std::vector<int>{2});

    ASSERT_EQ(twinlens.log->drawings.size(), 1u);
    const RecordingPrinter::Drawing& drawing = twinlens.log->drawings.front();
    EXPECT_EQ(drawing.picture.size(), QSize(640, 480));  // the cropped output, not the old one
    EXPECT_NEAR(drawing.target.width(), 14287.2, kTwipTolerance);
    EXPECT_NEAR(drawing.target.height(), 10715.4, kTwipTolerance);
    EXPECT_NEAR(drawing.target.left(), 1275.4, kTwipTolerance);
    EXPECT_NEAR(drawing.target.top(), 595.3, kTwipTolerance);
    EXPECT_TRUE(twinlens.log->ended);
}

struct CodeCase {
    const char* name;
    Variant variant;
    PaperSettings settings;
    std::vector<int> paperCodes;
    std::vector<int> orientationCodes;
    int pageWidth;  // twips, the printer starting at A4 portrait
};

class PrintSheetCodeTest : public testing::TestWithParam<CodeCase> {};

TEST_P(PrintSheetCodeTest, SendsThePaperAndOrientationCodesAndReadsThePageAfterThem) {
    Program program(GetParam().variant);
    program.output.paperSettings() = GetParam().settings;
    program.platform.answerPrinterWith(program.log);
    program.output.PrintSheet();

    EXPECT_EQ(program.log->paperCodes, GetParam().paperCodes);
    EXPECT_EQ(program.log->orientationCodes, GetParam().orientationCodes);
    ASSERT_EQ(program.log->drawings.size(), 1u);
    EXPECT_NEAR(program.log->drawings.front().target.width(), GetParam().pageWidth * 0.9,
                kTwipTolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Sheetout, PrintSheetCodeTest,
    testing::Values(
        CodeCase{"whirlfold_a3_sends_8", Variant::Whirlfold, {3, 0}, {8}, {2}, 23811},
        CodeCase{
            "whirlfold_b4_portrait_sends_12_and_1", Variant::Whirlfold, {2, 1}, {12}, {1}, 14571},
        CodeCase{"whirlfold_unknown_size_keeps_the_printers_paper",
                 Variant::Whirlfold,
                 {7, 1},
                 {},
                 {1},
                 11906},
        CodeCase{"cubefold_b5_sends_13", Variant::Cubefold, {1, 0}, {13}, {2}, 14571},
        CodeCase{"cubefold_a3_index_sends_13", Variant::Cubefold, {3, 1}, {13}, {1}, 10319},
        CodeCase{"cubefold_orientation_2_is_portrait", Variant::Cubefold, {0, 2}, {9}, {1}, 11906},
        CodeCase{"twinlens_b5_portrait", Variant::Twinlens, {1, 1}, {13}, {1}, 10319}),
    ByCaseName());

class PrintSheetCancelTest : public testing::TestWithParam<Variant> {};

TEST_P(PrintSheetCancelTest, CancelledPrinterDialogPrintsNothingAndKeepsTheSettings) {
    ScriptedPlatform platform;
    Canvas canvas(200, 100);
    int crops = 0;
    SheetOutput output(
        GetParam(), platform,
        SheetSource{[&]() -> const Canvas& { return canvas; }, [&] { ++crops; }, {}});
    output.paperSettings() = {1, 1};
    output.PrintSheet();  // no printer answer: Cancel

    EXPECT_EQ(platform.printerRequests, 1);
    EXPECT_EQ(crops, 0);
    EXPECT_TRUE(platform.pointerChanges.empty());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(output.paperSettings().paperSize, 1);
    EXPECT_EQ(output.paperSettings().paperOrientation, 1);
}

INSTANTIATE_TEST_SUITE_P(Sheetout, PrintSheetCancelTest,
                         testing::Values(Variant::Whirlfold, Variant::Cubefold, Variant::Twinlens),
                         ByProgramName());

struct FailureCase {
    const char* name;
    Variant variant;
    FailingPrinter::Fails fails;
};

class PrintSheetFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(PrintSheetFailureTest, PrinterErrorEndsSilentlyWithTheNormalPointer) {
    ScriptedPlatform platform;
    Canvas canvas(200, 100);
    int drawings = 0;
    const FailingPrinter::Fails fails = GetParam().fails;
    platform.printerAnswers.push_back([&]() -> std::unique_ptr<Printer> {
        return std::make_unique<FailingPrinter>(fails, &drawings);
    });
    SheetOutput output(GetParam().variant, platform,
                       SheetSource{[&]() -> const Canvas& { return canvas; }, {}, {}});
    output.PrintSheet();

    EXPECT_EQ(drawings, 1);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(platform.busy);
}

INSTANTIATE_TEST_SUITE_P(
    Sheetout, PrintSheetFailureTest,
    testing::Values(
        FailureCase{"whirlfold_drawing_fails", Variant::Whirlfold, FailingPrinter::Fails::Drawing},
        FailureCase{"cubefold_page_fails", Variant::Cubefold, FailingPrinter::Fails::Page},
        FailureCase{"twinlens_drawing_fails", Variant::Twinlens, FailingPrinter::Fails::Drawing},
        FailureCase{"twinlens_page_fails", Variant::Twinlens, FailingPrinter::Fails::Page}),
    ByCaseName());

TEST(PrintSheet, TwinlensCropThatFailsEndsWithoutAPageAndRestoresThePointer) {
    Twinlens twinlens;
    twinlens.cropFails = true;
    twinlens.platform.answerPrinterWith(twinlens.log);
    EXPECT_NO_THROW(twinlens.output.PrintSheet());

    EXPECT_TRUE(twinlens.log->drawings.empty());
    EXPECT_FALSE(twinlens.log->ended);
    EXPECT_EQ(twinlens.platform.pointerChanges, (std::vector<bool>{true, false}));
    EXPECT_TRUE(twinlens.platform.messages.empty());
}
