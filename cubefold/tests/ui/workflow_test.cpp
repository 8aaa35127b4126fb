#include <memory>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "../core/codedpicture.h"
#include "casename.h"
#include "form1.h"
#include "form2.h"
#include "paperdialog.h"
#include "picturefile.h"
#include "picturefit.h"
#include "scriptedplatform.h"
#include "sheetjob.h"

using namespace picturecraft;
using namespace picturecraft::cubefold;
using picturecraft::cubefold::testing::codedPicture;

namespace {

const QString kOpenPrompt = QStringLiteral("ファイルから絵を開いてください");
const QString kWaitNotice = QStringLiteral("ちょっと待ってね");

QImage stripes(int width, int height, QRgb a, QRgb b) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.setPixel(x, y, ((x / 16 + y / 16) % 2 ? a : b));
    return picture;
}

bool allWhite(const Canvas& canvas) {
    for (int y = 0; y < canvas.rasterHeight(); ++y)
        for (int x = 0; x < canvas.rasterWidth(); ++x)
            if (canvas.pixel(x, y) != rgb(255, 255, 255)) return false;
    return true;
}

}  // namespace

// The program as a person drives it: the main window shown, dialogs and the timer scripted.
class CubefoldWorkflow : public ::testing::Test {
  protected:
    void SetUp() override {
        form1_ = std::make_unique<Form1>(platform_, [this] { ++quits_; });
        form1_->show();
    }

    QString savedPicture(const char* name, const QImage& picture) {
        const QString path = dir_.filePath(QString::fromUtf8(name));
        EXPECT_TRUE(picture.save(path));
        return path;
    }
    QString brokenFile() {
        const QString path = dir_.filePath(QStringLiteral("broken.jpg"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("this is no picture");
        return path;
    }

    void open(const std::optional<QString>& answer) {
        platform_.openAnswers.push_back(answer);
        form1_->findChild<QAction*>(QStringLiteral("menuopen"))->trigger();
    }
    void clickConvert() {
        ASSERT_TRUE(convert()->isVisible());
        convert()->click();
    }
    void convertAndTick() {
        clickConvert();
        ASSERT_TRUE(timer().fire());
    }

    QPushButton* convert() const {
        return form1_->findChild<QPushButton*>(QStringLiteral("Command1"));
    }
    QLabel* label() const { return form1_->findChild<QLabel*>(QStringLiteral("Label1")); }
    ScriptedTimer& timer() const { return *platform_.timers.at(0); }
    QImage sheet() const { return form1_->sheetWindow()->sheetCanvas().picture(); }

    void expectPictureLoaded() const {
        EXPECT_TRUE(convert()->isVisible());
        EXPECT_FALSE(label()->isVisible());
        EXPECT_EQ(label()->text(), kWaitNotice);
    }

    QTemporaryDir dir_;
    ScriptedPlatform platform_;
    int quits_ = 0;
    std::unique_ptr<Form1> form1_;
};

TEST_F(CubefoldWorkflow, StartsWithTheOpenPromptAndNoConvert) {
    EXPECT_EQ(form1_->windowTitle(), QStringLiteral("Cubefold"));
    EXPECT_FALSE(convert()->isVisible());
    EXPECT_TRUE(label()->isVisible());
    EXPECT_EQ(label()->text(), kOpenPrompt);
    EXPECT_EQ(timer().interval(), 0);
    EXPECT_EQ(form1_->sheetWindow(), nullptr);
    EXPECT_TRUE(form1_->pictureFile().isEmpty());
    EXPECT_TRUE(allWhite(form1_->mainCanvas()));
}

TEST_F(CubefoldWorkflow, OpenDialogIsSetUpAfreshEachTime) {
    open(savedPicture("a.png", stripes(80, 60, rgb(255, 0, 0), rgb(0, 0, 255))));
    open(std::nullopt);
    ASSERT_EQ(platform_.openRequests.size(), 2u);
    for (const FileDialogSetup& setup : platform_.openRequests) {
        EXPECT_EQ(setup.filter, QStringLiteral("絵ファイル(*.bmp,*.jpg,*gif)|*.bmp;*.jpg;*.gif"));
        EXPECT_TRUE(setup.fileName.isEmpty());
        EXPECT_TRUE(setup.cancelIsFailure);
        EXPECT_EQ(setup.filterIndex, 0);
        EXPECT_EQ(setup.initialFolder, sheetout::ProgramFolder());
        EXPECT_FALSE(setup.askOverwrite);
    }
}

TEST_F(CubefoldWorkflow, CancelAtStartKeepsConvertAbsent) {
    open(std::nullopt);
    EXPECT_FALSE(convert()->isVisible());
    EXPECT_TRUE(label()->isVisible());
    EXPECT_EQ(label()->text(), kOpenPrompt);
    EXPECT_TRUE(form1_->pictureFile().isEmpty());
}

TEST_F(CubefoldWorkflow, LoadingFitsThePictureAndOffersConvert) {
    const QImage picture = stripes(800, 400, rgb(255, 0, 0), rgb(0, 0, 255));
    const QString path = savedPicture("wide.png", picture);
    open(path);
    expectPictureLoaded();
    EXPECT_EQ(form1_->pictureFile(), path);
    Canvas expected = MakeMainCanvas();
    DrawMainPicture(picture, expected);
    EXPECT_EQ(form1_->mainCanvas().picture(), expected.picture());
}

TEST_F(CubefoldWorkflow, ConvertShowsTheWaitNoticeAtOnceAndTheSheetAfterTheTick) {
    const QImage picture = codedPicture(640, 480);
    open(savedPicture("room.png", picture));
    clickConvert();
    EXPECT_FALSE(convert()->isVisible());
    EXPECT_TRUE(label()->isVisible());
    EXPECT_EQ(label()->text(), kWaitNotice);
    EXPECT_EQ(timer().interval(), 1000);
    EXPECT_EQ(form1_->sheetWindow(), nullptr);

    ASSERT_TRUE(timer().fire());
    EXPECT_EQ(timer().intervals(), (std::vector<int>{1000, 0}));
    EXPECT_FALSE(timer().fire()) << "one tick per Convert click";
    ASSERT_NE(form1_->sheetWindow(), nullptr);
    EXPECT_TRUE(form1_->sheetWindow()->isVisible());
    EXPECT_EQ(sheet(), MakeSheet(picture, FitMode::Contain));
    // The main window keeps the wait notice until Back or a new picture.
    EXPECT_TRUE(form1_->isVisible());
    EXPECT_FALSE(convert()->isVisible());
    EXPECT_EQ(label()->text(), kWaitNotice);
}

TEST_F(CubefoldWorkflow, BackThenConvertGivesTheSameSheet) {
    open(savedPicture("room.png", codedPicture(300, 500)));
    convertAndTick();
    const QImage first = sheet();
    Form2* form2 = form1_->sheetWindow();
    form2->findChild<QPushButton*>(QStringLiteral("Command1(1)"))->click();
    EXPECT_FALSE(form2->isVisible());
    EXPECT_TRUE(form1_->isVisible());
    EXPECT_TRUE(convert()->isVisible());
    EXPECT_TRUE(label()->isVisible());
    EXPECT_EQ(label()->text(), kOpenPrompt);

    convertAndTick();
    EXPECT_EQ(form1_->sheetWindow(), form2);
    EXPECT_TRUE(form2->isVisible());
    EXPECT_EQ(sheet(), first);
}

TEST_F(CubefoldWorkflow, ASecondPictureReplacesTheFirst) {
    open(savedPicture("first.png", stripes(500, 500, rgb(255, 0, 0), rgb(255, 255, 0))));
    convertAndTick();
    const QImage second = stripes(900, 300, rgb(0, 128, 0), rgb(0, 0, 0));
    open(savedPicture("second.png", second));
    expectPictureLoaded();
    EXPECT_TRUE(form1_->sheetWindow()->isVisible()) << "the sheet window stays open";
    Canvas expected = MakeMainCanvas();
    DrawMainPicture(second, expected);
    EXPECT_EQ(form1_->mainCanvas().picture(), expected.picture());

    convertAndTick();
    EXPECT_EQ(sheet(), MakeSheet(second, FitMode::Contain));
}

TEST_F(CubefoldWorkflow, AnUndecodableFileClearsTheCanvasAndKeepsConvertOffered) {
    open(savedPicture("good.png", stripes(200, 100, rgb(255, 0, 0), rgb(0, 0, 255))));
    const QString broken = brokenFile();
    open(broken);
    EXPECT_EQ(form1_->pictureFile(), broken);
    EXPECT_TRUE(allWhite(form1_->mainCanvas()));
    expectPictureLoaded();
    convertAndTick();
    EXPECT_EQ(sheet(), MakeSheet(QImage(), FitMode::Contain)) << "a white canvas converts";
}

TEST_F(CubefoldWorkflow, AnUndecodableFileAtStartKeepsConvertAbsent) {
    open(brokenFile());
    EXPECT_FALSE(convert()->isVisible());
    EXPECT_TRUE(label()->isVisible());
    EXPECT_EQ(label()->text(), kOpenPrompt);
}

TEST_F(CubefoldWorkflow, SavingWritesTheSameBytesAsTheCommandLine) {
    const QString picture = savedPicture("room.png", codedPicture(1000, 700));
    open(picture);
    convertAndTick();
    const QString saved = dir_.filePath(QStringLiteral("saved sheet"));
    platform_.saveAnswers.push_back(saved);
    form1_->sheetWindow()->findChild<QAction*>(QStringLiteral("mnusave"))->trigger();
    ASSERT_EQ(platform_.saveRequests.size(), 1u);
    const FileDialogSetup& setup = platform_.saveRequests[0];
    EXPECT_EQ(setup.filter, QStringLiteral("(*.bmp)|*.bmp"));
    EXPECT_TRUE(setup.askOverwrite);
    EXPECT_TRUE(setup.cancelIsFailure);
    EXPECT_TRUE(setup.fileName.isEmpty());

    const QString fromCommandLine = dir_.filePath(QStringLiteral("cli.bmp"));
    ASSERT_FALSE(RunSheetJob({picture, fromCommandLine, FitMode::Contain}).has_value());
    QFile a(saved), b(fromCommandLine);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly));
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    const QByteArray savedBytes = a.readAll();
    EXPECT_FALSE(savedBytes.isEmpty());
    EXPECT_EQ(savedBytes, b.readAll());
}

TEST_F(CubefoldWorkflow, CancellingTheSaveDialogWritesNothing) {
    open(savedPicture("room.png", codedPicture(100, 100)));
    convertAndTick();
    form1_->sheetWindow()->findChild<QAction*>(QStringLiteral("mnusave"))->trigger();
    EXPECT_EQ(platform_.saveRequests.size(), 1u);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 1);  // only the picture
    EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(CubefoldWorkflow, PrintingPutsTheSheetOnA4LandscapeAndShowsTheSheetAgain) {
    open(savedPicture("room.png", codedPicture(640, 480)));
    convertAndTick();
    Form2* form2 = form1_->sheetWindow();
    auto log = std::make_shared<RecordingPrinter::Log>();
    platform_.answerPrinterWith(log);
    form2->findChild<QAction*>(QStringLiteral("mnuprint"))->trigger();
    sheetout::PaperDialog* dialog = form2->sheetOutput().paperDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(platform_.printerRequests, 0) << "the print item only shows the paper dialog";
    form2->hide();

    dialog->okButton()->click();
    EXPECT_EQ(platform_.printerRequests, 1);
    EXPECT_EQ(log->paperCodes, (std::vector<int>{9}));
    EXPECT_EQ(log->orientationCodes, (std::vector<int>{2}));
    ASSERT_EQ(log->drawings.size(), 1u);
    EXPECT_EQ(log->drawings[0].picture, form2->sheetCanvas().picture());
    EXPECT_TRUE(log->ended);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(form2->isVisible());
}

TEST_F(CubefoldWorkflow, StoppingThePaperDialogPrintsNothingAndShowsTheSheetAgain) {
    open(savedPicture("room.png", codedPicture(64, 64)));
    convertAndTick();
    Form2* form2 = form1_->sheetWindow();
    form2->findChild<QAction*>(QStringLiteral("mnuprint"))->trigger();
    sheetout::PaperDialog* dialog = form2->sheetOutput().paperDialog();
    ASSERT_NE(dialog, nullptr);
    form2->hide();
    dialog->stopButton()->click();
    EXPECT_EQ(platform_.printerRequests, 0);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(form2->isVisible());
}

struct CloseCase {
    const char* name;
    bool closeSheetWindow;
};

class CubefoldClose : public CubefoldWorkflow, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CubefoldClose, EndsTheProgramAtOnce) {
    open(savedPicture("p.png", stripes(100, 100, rgb(1, 2, 3), rgb(200, 200, 200))));
    convertAndTick();
    ASSERT_TRUE(form1_->sheetWindow()->isVisible());
    QWidget* window = GetParam().closeSheetWindow ? static_cast<QWidget*>(form1_->sheetWindow())
                                                  : static_cast<QWidget*>(form1_.get());
    EXPECT_TRUE(window->close());
    EXPECT_EQ(quits_, 1);
}

INSTANTIATE_TEST_SUITE_P(
    CubefoldWorkflow, CubefoldClose,
    ::testing::Values(CloseCase{"closing_the_main_window_while_the_sheet_is_open", false},
                      CloseCase{"closing_the_sheet_window", true}),
    ByCaseName());

TEST_F(CubefoldWorkflow, BothMessagesFitTheMessageLine) {
    const QFontMetrics metrics(label()->font());
    for (const QString& text : {kOpenPrompt, kWaitNotice})
        EXPECT_LE(metrics.horizontalAdvance(text), label()->width()) << text.toStdString();
}

TEST_F(CubefoldWorkflow, ClosingTheMainWindowAtStartEndsTheProgram) {
    EXPECT_TRUE(form1_->close());
    EXPECT_EQ(quits_, 1);
}
