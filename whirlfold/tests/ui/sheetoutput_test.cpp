// The sheet's way out: the sheet window's save and print items, and the command line, which
// must write the very file the program's save writes for the same pictures.

#include <gtest/gtest.h>

#include <QFile>
#include <QRadioButton>

#include "casename.h"
#include "paperdialog.h"
#include "sheetjob.h"
#include "whirlfoldtesting.h"

namespace picturecraft::whirlfold::testing {
namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// Runs the subcommand in-process; `errors` receives what it printed on stderr.
int runCommand(const QStringList& args, QString* errors = nullptr) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int code = RunSheetJobCommand(args, outStream, errStream);
    errStream.flush();
    if (errors) *errors = err;
    return code;
}

class SheetOutputTest : public WhirlfoldTest {
  protected:
    QAction* sheetAction(const QString& name) {
        return window.sheetWindow().findChild<QAction*>(name);
    }
    void convert() {
        convertButton()->click();
        timer().fire();
    }
};

TEST_F(SheetOutputTest, SaveWritesTheWholeBackdropAsABitmap) {
    openThrough(QStringLiteral("Command2(0)"),
                writePicture(TestPhoto(1), QStringLiteral("one.bmp")));
    convert();
    const QString saved = folder.filePath(QStringLiteral("sheet"));
    platform.saveAnswers.push_back(saved);
    sheetAction(QStringLiteral("mnusave"))->trigger();
    const QImage written(saved, "BMP");
    ASSERT_FALSE(written.isNull());
    EXPECT_EQ(written.size(), QSize(1223, 500));
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32),
              window.sheetWindow().canvases().backdrop.picture());
}

TEST_F(SheetOutputTest, CancelledSaveWritesNothing) {
    convert();
    sheetAction(QStringLiteral("mnusave"))->trigger();
    EXPECT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(SheetOutputTest, PrintItemShowsThePaperDialogWithB4Landscape) {
    convert();
    sheetAction(QStringLiteral("mnuprint"))->trigger();
    sheetout::PaperDialog* dialog = window.sheetWindow().sheetOutput().paperDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(platform.printerRequests, 0);
    auto* b4 = dialog->findChild<QRadioButton*>(QStringLiteral("Option1(2)"));
    auto* landscape = dialog->findChild<QRadioButton*>(QStringLiteral("Option2(0)"));
    ASSERT_NE(b4, nullptr);
    ASSERT_NE(landscape, nullptr);
    EXPECT_TRUE(b4->isChecked());
    EXPECT_TRUE(landscape->isChecked());
}

TEST_F(SheetOutputTest, OkInThePaperDialogPrintsTheBackdropAndShowsTheSheetAgain) {
    openThrough(QStringLiteral("Command2(0)"),
                writePicture(TestPhoto(1), QStringLiteral("one.bmp")));
    convert();
    auto log = std::make_shared<RecordingPrinter::Log>();
    platform.answerPrinterWith(log);
    sheetAction(QStringLiteral("mnuprint"))->trigger();
    window.sheetWindow().hide();
    sheetout::PaperDialog* dialog = window.sheetWindow().sheetOutput().paperDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QPushButton*>(QStringLiteral("Command1(0)"))->click();
    ASSERT_EQ(log->drawings.size(), 1u);
    EXPECT_EQ(log->drawings[0].picture.size(), QSize(1223, 500));
    EXPECT_EQ(log->paperCodes, std::vector<int>{12});
    EXPECT_EQ(log->orientationCodes, std::vector<int>{2});
    EXPECT_TRUE(log->ended);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(window.sheetWindow().isVisible());
}

struct SameFileRow {
    std::string name;
    FitMode mode;
    std::vector<int> numbers;  // the pictures given, by the number shown
};

class SaveAndCommandLineTest : public SheetOutputTest,
                               public ::testing::WithParamInterface<SameFileRow> {};

TEST_P(SaveAndCommandLineTest, WriteByteIdenticalSheets) {
    const SameFileRow& row = GetParam();
    QStringList args{QStringLiteral("-o"), folder.filePath(QStringLiteral("command.bmp"))};
    if (row.mode == FitMode::Zoom) {
        args << QStringLiteral("--fit") << QStringLiteral("zoom");
        window.pictureSizeDialog().option(1)->click();
    }
    QStringList pictures{QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-"),
                         QStringLiteral("-")};
    for (const int number : row.numbers) {
        const QSize size = number % 2 ? QSize(640, 480) : QSize(360, 500);
        const QString path =
            writePicture(TestPhoto(number, size), QStringLiteral("photo%1.bmp").arg(number));
        pictures[number - 1] = path;
        openThrough(QStringLiteral("Command2(%1)").arg(number - 1), path);
    }
    convert();
    const QString saved = folder.filePath(QStringLiteral("saved.bmp"));
    platform.saveAnswers.push_back(saved);
    window.sheetWindow().findChild<QAction*>(QStringLiteral("mnusave"))->trigger();

    ASSERT_EQ(runCommand(args + pictures), 0);
    const QByteArray fromProgram = readAll(saved);
    ASSERT_FALSE(fromProgram.isEmpty());
    EXPECT_TRUE(fromProgram == readAll(args[1])) << "the two bitmaps differ";
}

const SameFileRow kSameFileRows[] = {
    {"four_pictures_wide", FitMode::Wide, {1, 2, 3, 4}},
    {"four_pictures_zoom", FitMode::Zoom, {1, 2, 3, 4}},
    {"pictures_1_and_3_with_empty_slots", FitMode::Wide, {1, 3}},
};

INSTANTIATE_TEST_SUITE_P(Pictures, SaveAndCommandLineTest, ::testing::ValuesIn(kSameFileRows),
                         ByCaseName());

class CommandLineTest : public ::testing::Test {
  protected:
    QString picture(const QString& name) {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(TestPhoto(1).save(path, "BMP"));
        return path;
    }
    QString output() const { return folder.filePath(QStringLiteral("sheet.bmp")); }
    QTemporaryDir folder;
};

TEST_F(CommandLineTest, UnreadablePictureFailsNamingItAndWritesNothing) {
    const QString good = picture(QStringLiteral("good.bmp"));
    const QString missing = folder.filePath(QStringLiteral("missing.jpg"));
    QString errors;
    EXPECT_EQ(runCommand({QStringLiteral("-o"), output(), good, missing, QStringLiteral("-"),
                          QStringLiteral("-")},
                         &errors),
              1);
    EXPECT_EQ(errors.count(u'\n'), 1);
    EXPECT_TRUE(errors.contains(missing)) << errors.toStdString();
    EXPECT_FALSE(QFile::exists(output()));
}

TEST_F(CommandLineTest, UnscaledPicturesConvertWithoutResampling) {
    QImage prepared(421, 487, QImage::Format_RGB32);
    prepared.fill(qRgb(0x30, 0x60, 0x90));
    const QString path = folder.filePath(QStringLiteral("prepared.bmp"));
    ASSERT_TRUE(prepared.save(path, "BMP"));
    ASSERT_EQ(
        runCommand({QStringLiteral("--fit"), QStringLiteral("none"), QStringLiteral("-o"), output(),
                    path, QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-")}),
        0);
    const QImage sheet(output());
    EXPECT_EQ(sheet.size(), QSize(1223, 500));
    EXPECT_EQ(sheet.pixel(398, 99) & 0xFFFFFFu, 0x306090u);
}

struct UsageRow {
    std::string name;
    QStringList args;
};

class CommandLineUsageTest : public CommandLineTest,
                             public ::testing::WithParamInterface<UsageRow> {};

TEST_P(CommandLineUsageTest, IsAUsageError) {
    QString errors;
    EXPECT_EQ(runCommand(GetParam().args, &errors), 2);
    EXPECT_FALSE(errors.isEmpty());
}

const UsageRow kUsageRows[] = {
    {"no_output", {"a.bmp", "b.bmp", "c.bmp", "d.bmp"}},
    {"three_pictures", {"-o", "s.bmp", "a.bmp", "b.bmp", "c.bmp"}},
    {"five_pictures", {"-o", "s.bmp", "a.bmp", "b.bmp", "c.bmp", "d.bmp", "e.bmp"}},
    {"unknown_fit", {"--fit", "stretch", "-o", "s.bmp", "-", "-", "-", "-"}},
    {"fit_without_value", {"-o", "s.bmp", "-", "-", "-", "-", "--fit"}},
    {"output_without_name", {"-", "-", "-", "-", "-o"}},
    {"unknown_option", {"--colour", "-o", "s.bmp", "-", "-", "-", "-"}},
};

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLineUsageTest, ::testing::ValuesIn(kUsageRows),
                         ByCaseName());

TEST(CommandLineHelpTest, TellsTheDrawingAreaForUnscaledPictures) {
    EXPECT_EQ(WorkingDrawingArea(), QSize(421, 487));
    EXPECT_TRUE(SheetJobUsage().contains(QStringLiteral("421 x 487 pixels")));
}

}  // namespace
}  // namespace picturecraft::whirlfold::testing
