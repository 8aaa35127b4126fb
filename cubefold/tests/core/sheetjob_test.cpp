#include <variant>

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "casename.h"
#include "codedpicture.h"
#include "picturefile.h"
#include "sheetjob.h"

using namespace picturecraft;
using namespace picturecraft::cubefold;
using picturecraft::cubefold::testing::codedPicture;
using picturecraft::cubefold::testing::codeOf;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList words(const char* text) {
    return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

}  // namespace

struct ArgumentsCase {
    const char* name;
    const char* args;
    bool valid;
    const char* picture;
    const char* sheet;
    FitMode fit;
};

class SheetJobArgumentsTest : public ::testing::TestWithParam<ArgumentsCase> {};

TEST_P(SheetJobArgumentsTest, ParsesOrRefuses) {
    const ArgumentsCase& c = GetParam();
    const auto parsed = ParseSheetJob(words(c.args));
    ASSERT_EQ(std::holds_alternative<SheetJob>(parsed), c.valid);
    if (!c.valid) {
        EXPECT_FALSE(std::get<UsageError>(parsed).message.isEmpty());
        return;
    }
    const SheetJob& job = std::get<SheetJob>(parsed);
    EXPECT_EQ(job.picturePath, QString::fromUtf8(c.picture));
    EXPECT_EQ(job.sheetPath, QString::fromUtf8(c.sheet));
    EXPECT_EQ(job.fit, c.fit);
}

INSTANTIATE_TEST_SUITE_P(
    SheetJob, SheetJobArgumentsTest,
    ::testing::Values(
        ArgumentsCase{"contain_by_default", "-o s.bmp p.jpg", true, "p.jpg", "s.bmp",
                      FitMode::Contain},
        ArgumentsCase{"picture_before_the_output", "p.jpg -o s.bmp", true, "p.jpg", "s.bmp",
                      FitMode::Contain},
        ArgumentsCase{"fit_none", "--fit none -o s.bmp p.gif", true, "p.gif", "s.bmp",
                      FitMode::None},
        ArgumentsCase{"fit_with_equals", "--fit=contain -o s p", true, "p", "s", FitMode::Contain},
        ArgumentsCase{"unknown_fit", "--fit stretch -o s.bmp p.jpg", false, "", "",
                      FitMode::Contain},
        ArgumentsCase{"no_output", "p.jpg", false, "", "", FitMode::Contain},
        ArgumentsCase{"output_without_name", "p.jpg -o", false, "", "", FitMode::Contain},
        ArgumentsCase{"no_picture", "-o s.bmp", false, "", "", FitMode::Contain},
        ArgumentsCase{"two_pictures", "-o s.bmp a.jpg b.jpg", false, "", "", FitMode::Contain},
        ArgumentsCase{"unknown_option", "-x -o s.bmp p.jpg", false, "", "", FitMode::Contain}),
    ByCaseName());

class SheetJobFiles : public ::testing::Test {
  protected:
    QString path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }
    QTemporaryDir dir_;
};

TEST_F(SheetJobFiles, WritesTheSheetAsABitmapUnderExactlyTheName) {
    const QImage picture = codedPicture(640, 480);
    ASSERT_TRUE(picture.save(path("room.png")));
    const std::optional<QString> failure =
        RunSheetJob({path("room.png"), path("sheet.out"), FitMode::Contain});
    ASSERT_FALSE(failure.has_value()) << failure->toStdString();
    const QByteArray written = readAll(path("sheet.out"));
    EXPECT_EQ(written, encodeBitmap(MakeSheet(picture, FitMode::Contain)));
    const std::optional<QImage> decoded = decodePictureFile(path("sheet.out"));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->size(), QSize(973, 637));
}

TEST_F(SheetJobFiles, UnfittedPictureFeedsTheFacesFromItsOwnPixels) {
    const QImage sheet = MakeSheet(codedPicture(1013, 717), FitMode::None);
    // Right face pixel (148, 148) takes main pixel (697, 250) and lands at (328 + 148, 2 + 148).
    EXPECT_EQ(sheet.pixel(476, 150) & 0xFFFFFFu, codeOf(697, 250));
    // Left face pixel (148, 148) takes (319, 251) and lands at (32 + 148, 2 + 148).
    EXPECT_EQ(sheet.pixel(180, 150) & 0xFFFFFFu, codeOf(319, 251));
}

TEST_F(SheetJobFiles, AnUndecodablePictureNamesItAndWritesNothing) {
    QFile broken(path("broken.jpg"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    const std::optional<QString> failure =
        RunSheetJob({path("broken.jpg"), path("sheet.bmp"), FitMode::Contain});
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->contains(path("broken.jpg")));
    EXPECT_FALSE(failure->contains(QLatin1Char('\n')));
    EXPECT_FALSE(QFile::exists(path("sheet.bmp")));
}

TEST_F(SheetJobFiles, AnUnwritableSheetNamesItAndKeepsNoFile) {
    ASSERT_TRUE(codedPicture(64, 64).save(path("p.png")));
    const QString sheet = path("no-such-folder/sheet.bmp");
    const std::optional<QString> failure = RunSheetJob({path("p.png"), sheet, FitMode::Contain});
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->contains(sheet));
    EXPECT_FALSE(QFile::exists(sheet));
}
