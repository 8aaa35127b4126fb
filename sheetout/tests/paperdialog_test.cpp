#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "canvas.h"
#include "casename.h"
#include "paperdialog.h"
#include "scriptedplatform.h"
#include "sheetout.h"

using namespace picturecraft;
using namespace picturecraft::sheetout;

namespace {

struct ByProgramName {
    std::string operator()(const testing::TestParamInfo<Variant>& row) const {
        return programName(row.param).toStdString();
    }
};

const auto kAllPrograms = testing::Values(Variant::Whirlfold, Variant::Cubefold, Variant::Twinlens);

// One program with its sheet output, a printed canvas and a count of sheet-window showings.
class PaperDialogTest : public testing::TestWithParam<Variant> {
  protected:
    PaperDialogTest()
        : output_(GetParam(), platform_,
                  SheetSource{[this]() -> const Canvas& { return canvas_; }, [] {},
                              sheetWindow() ? std::function<void()>([this] { sheetWindowShown(); })
                                            : std::function<void()>()}) {}

    void sheetWindowShown() {
        ++shown_;
        if (onSheetWindow_) onSheetWindow_();
    }

    bool sheetWindow() const { return GetParam() != Variant::Twinlens; }

    PaperDialog* open() {
        output_.ShowPaperDialog();
        PaperDialog* dialog = output_.paperDialog();
        EXPECT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog && dialog->isVisible());
        return dialog;
    }

    // Clicks near the left end, where an option button's circle and a push button's face are.
    static void click(QAbstractButton* button) {
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    static QStringList checked(PaperDialog* dialog) {
        QStringList captions;
        for (QRadioButton* option : dialog->findChildren<QRadioButton*>()) {
            if (option->isChecked()) captions << option->text();
        }
        return captions;
    }

    ScriptedPlatform platform_;
    Canvas canvas_{200, 100};
    int shown_ = 0;
    std::function<void()> onSheetWindow_;
    SheetOutput output_;
    std::shared_ptr<RecordingPrinter::Log> log_ = std::make_shared<RecordingPrinter::Log>();
};

}  // namespace

TEST_P(PaperDialogTest, FirstOpeningSelectsTheStartingSizeAndLandscape) {
    PaperDialog* dialog = open();
    const QString size = GetParam() == Variant::Whirlfold ? "Ｂ４" : "Ａ４";
    EXPECT_EQ(checked(dialog), (QStringList{size, "横長"}));
}

TEST_P(PaperDialogTest, IsAModelessSizableTopLevelWindowCaptionedWithTheProgramsName) {
    PaperDialog* dialog = open();
    EXPECT_EQ(dialog->objectName(), "Form3");
    EXPECT_EQ(dialog->windowTitle(), programName(GetParam()));
    EXPECT_TRUE(dialog->isWindow());
    EXPECT_EQ(dialog->parentWidget(), nullptr);
    EXPECT_EQ(dialog->windowModality(), Qt::NonModal);
    EXPECT_NE(dialog->minimumSize(), dialog->maximumSize());
    const QSize client = GetParam() == Variant::Whirlfold ? QSize(370, 303) : QSize(347, 267);
    EXPECT_EQ(dialog->size(), client);
}

TEST_P(PaperDialogTest, OptionClickStoresItsIndexAtOnce) {
    PaperDialog* dialog = open();
    click(dialog->sizeOption(1));
    EXPECT_EQ(output_.paperSettings().paperSize, 1);
    click(dialog->orientationOption(1));
    EXPECT_EQ(output_.paperSettings().paperOrientation, 1);
    click(dialog->orientationOption(0));
    EXPECT_EQ(output_.paperSettings().paperOrientation, 0);
    EXPECT_EQ(platform_.printerRequests, 0);
}

TEST_P(PaperDialogTest, PortraitThenStopHidesAndStaysInForceForTheNextOpeningAndPrint) {
    PaperDialog* dialog = open();
    click(dialog->orientationOption(1));
    click(dialog->stopButton());

    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(platform_.printerRequests, 0);
    EXPECT_EQ(shown_, sheetWindow() ? 1 : 0);
    EXPECT_EQ(output_.paperSettings().paperOrientation, 1);

    EXPECT_EQ(open(), dialog);
    EXPECT_TRUE(dialog->orientationOption(1)->isChecked());
    EXPECT_FALSE(dialog->orientationOption(0)->isChecked());

    platform_.answerPrinterWith(log_);
    click(dialog->okButton());
    EXPECT_EQ(log_->orientationCodes, std::vector<int>{1});
    ASSERT_EQ(log_->drawings.size(), 1u);
}

TEST_P(PaperDialogTest, OkPrintsToItsEndWithTheSettingsInForceThenHides) {
    PaperDialog* dialog = open();
    bool visibleWhilePrinting = false;
    platform_.printerAnswers.push_back([&]() -> std::unique_ptr<Printer> {
        visibleWhilePrinting = dialog->isVisible();
        return std::make_unique<RecordingPrinter>(log_);
    });
    bool printedBeforeSheetWindow = false;
    bool hiddenBeforeSheetWindow = false;
    onSheetWindow_ = [&] {
        printedBeforeSheetWindow = log_->ended;
        hiddenBeforeSheetWindow = !dialog->isVisible();
    };
    click(dialog->okButton());

    EXPECT_TRUE(visibleWhilePrinting);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(log_->ended);
    const int paperCode = GetParam() == Variant::Whirlfold ? 12 : 9;
    EXPECT_EQ(log_->paperCodes, std::vector<int>{paperCode});
    EXPECT_EQ(log_->orientationCodes, std::vector<int>{2});
    EXPECT_EQ(shown_, sheetWindow() ? 1 : 0);
    EXPECT_EQ(printedBeforeSheetWindow, sheetWindow());
    EXPECT_EQ(hiddenBeforeSheetWindow, sheetWindow());
}

TEST_P(PaperDialogTest, OkWithACancelledPrinterDialogStillHides) {
    PaperDialog* dialog = open();
    click(dialog->okButton());
    EXPECT_EQ(platform_.printerRequests, 1);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(shown_, sheetWindow() ? 1 : 0);
}

TEST_P(PaperDialogTest, CloseBoxPrintsNothingKeepsTheSettingsAndTheNextOpeningRebuilds) {
    PaperDialog* dialog = open();
    const QPointer<PaperDialog> first(dialog);
    click(dialog->sizeOption(1));
    click(dialog->orientationOption(1));
    dialog->close();
    EXPECT_EQ(output_.paperDialog(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());

    EXPECT_EQ(platform_.printerRequests, 0);
    EXPECT_EQ(shown_, 0);
    EXPECT_EQ(output_.paperSettings().paperSize, 1);
    EXPECT_EQ(output_.paperSettings().paperOrientation, 1);

    PaperDialog* rebuilt = open();
    EXPECT_EQ(checked(rebuilt), (QStringList{"Ｂ５", "たて長"}));
}

TEST_P(PaperDialogTest, ActivationSelectsTheOptionsFromTheSettingsAgain) {
    PaperDialog* dialog = open();
    output_.paperSettings() = {1, 1};
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(dialog, &activate);
    EXPECT_EQ(checked(dialog), (QStringList{"Ｂ５", "たて長"}));
}

TEST_P(PaperDialogTest, ShowingAnOpenDialogKeepsTheSameWindow) {
    PaperDialog* dialog = open();
    EXPECT_EQ(open(), dialog);
    EXPECT_EQ(dialog->findChildren<QRadioButton*>().size(),
              GetParam() == Variant::Whirlfold ? 6 : 4);
}

TEST_P(PaperDialogTest, PushButtonsAreFilledWithTheirColours) {
    PaperDialog* dialog = open();
    const QImage ok = dialog->okButton()->grab().toImage();
    const QImage stop = dialog->stopButton()->grab().toImage();
    // Inside the raised edge, left of the caption.
    EXPECT_EQ(ok.pixel(6, ok.height() / 2) & 0xFFFFFF, 0xC0FFFFu);
    EXPECT_EQ(stop.pixel(6, stop.height() / 2) & 0xFFFFFF, 0xFFC0FFu);
    if (const QByteArray folder = qgetenv("PICTURECRAFT_GRAB_DIR"); !folder.isEmpty()) {
        dialog->grab().save(QString::fromLocal8Bit(folder) + "/form3-" +
                            programName(GetParam()).toLower() + ".png");
    }
}

TEST_P(PaperDialogTest, OutOfRangeSettingsSelectNoButtonInThatFrame) {
    output_.paperSettings() = {5, 0};
    PaperDialog* dialog = open();
    EXPECT_EQ(checked(dialog), QStringList{"横長"});
}

TEST_P(PaperDialogTest, DestroyingTheSheetOutputTakesTheDialogWithIt) {
    auto output = std::make_unique<SheetOutput>(GetParam(), platform_, SheetSource{});
    output->ShowPaperDialog();
    const QPointer<PaperDialog> dialog(output->paperDialog());
    ASSERT_FALSE(dialog.isNull());
    output.reset();
    EXPECT_TRUE(dialog.isNull());
}

INSTANTIATE_TEST_SUITE_P(Sheetout, PaperDialogTest, kAllPrograms, ByProgramName());

// The controls' placements in twips, as laid out; the window shows them at 15 twips a pixel.
struct ControlRow {
    const char* name;
    const char* kind;
    const char* caption;
    const char* container;
    int left, top, width, height;
};

struct LayoutCase {
    const char* name;
    Variant variant;
    std::vector<ControlRow> controls;
};

// Cubefold and Twinlens: the same controls without the two extra sizes.
std::vector<ControlRow> plainControls() {
    return {{"Frame1", "QGroupBox", "紙の大きさ", "Form3", 600, 480, 2295, 1215},
            {"Option1(0)", "QRadioButton", "Ａ４", "Frame1", 480, 360, 1455, 255},
            {"Option1(1)", "QRadioButton", "Ｂ５", "Frame1", 480, 720, 1455, 255},
            {"Frame2", "QGroupBox", "紙の向き", "Form3", 600, 2040, 2295, 1215},
            {"Option2(0)", "QRadioButton", "横長", "Frame2", 480, 360, 1215, 375},
            {"Option2(1)", "QRadioButton", "たて長", "Frame2", 480, 720, 1215, 375},
            {"Command1(0)", "QPushButton", "ＯＫ", "Form3", 3720, 2640, 1095, 495},
            {"Command1(1)", "QPushButton", "やめる", "Form3", 3720, 3240, 1095, 495}};
}

class PaperDialogLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(PaperDialogLayoutTest, ControlsSitWhereTheTwipTableSays) {
    PaperSettings settings;
    PaperDialog dialog(GetParam().variant, settings, {});
    int controls = 0;
    for (const ControlRow& row : GetParam().controls) {
        SCOPED_TRACE(row.name);
        auto* widget = dialog.findChild<QWidget*>(row.name);
        ASSERT_NE(widget, nullptr);
        ++controls;
        EXPECT_TRUE(widget->inherits(row.kind));
        EXPECT_EQ(widget->parentWidget()->objectName(), row.container);
        EXPECT_EQ(widget->geometry(),
                  QRect(row.left / 15, row.top / 15, row.width / 15, row.height / 15));
        if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            EXPECT_EQ(frame->title(), QString::fromUtf8(row.caption));
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            EXPECT_EQ(button->text(), QString::fromUtf8(row.caption));
        }
    }
    EXPECT_EQ(
        dialog.findChildren<QAbstractButton*>().size() + dialog.findChildren<QGroupBox*>().size(),
        static_cast<qsizetype>(controls));
}

INSTANTIATE_TEST_SUITE_P(
    Sheetout, PaperDialogLayoutTest,
    testing::Values(
        LayoutCase{"whirlfold",
                   Variant::Whirlfold,
                   {{"Frame1", "QGroupBox", "紙の大きさ", "Form3", 600, 480, 2295, 1935},
                    {"Option1(0)", "QRadioButton", "Ａ４", "Frame1", 480, 360, 1455, 255},
                    {"Option1(1)", "QRadioButton", "Ｂ５", "Frame1", 480, 720, 1455, 255},
                    {"Option1(2)", "QRadioButton", "Ｂ４", "Frame1", 480, 1080, 1455, 255},
                    {"Option1(3)", "QRadioButton", "Ａ３", "Frame1", 480, 1440, 1455, 255},
                    {"Frame2", "QGroupBox", "紙の向き", "Form3", 600, 2760, 2295, 1215},
                    {"Option2(0)", "QRadioButton", "横長", "Frame2", 480, 360, 1215, 375},
                    {"Option2(1)", "QRadioButton", "たて長", "Frame2", 480, 720, 1215, 375},
                    {"Command1(0)", "QPushButton", "ＯＫ", "Form3", 4200, 3120, 1095, 495},
                    {"Command1(1)", "QPushButton", "やめる", "Form3", 4200, 3840, 1095, 495}}},
        LayoutCase{"cubefold", Variant::Cubefold, plainControls()},
        LayoutCase{"twinlens", Variant::Twinlens, plainControls()}),
    ByCaseName());
