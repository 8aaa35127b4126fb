#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "canvas.h"
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

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// A canvas whose every pixel differs from its neighbours, so a shifted, flipped or
// colour-swapped file shows.
Canvas patternCanvas(int width, int height, int seed = 0) {
    Canvas canvas(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            canvas.setPixel(
                x, y, rgb((x * 37 + seed) % 256, (y * 53 + seed) % 256, (x * y + 11 * seed) % 256));
        }
    }
    return canvas;
}

// Files are written only while the limit is in force: a write beyond it fails like a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

class SaveSheetTest : public testing::TestWithParam<Variant> {
  protected:
    SaveSheetTest() : output_(GetParam(), platform_, SheetSource{}) {}

    bool save(const QString& name) {
        platform_.saveAnswers.push_back(name);
        return output_.SaveSheet(canvas_);
    }

    QString failureText(const QString& path) const {
        return (GetParam() == Variant::Whirlfold ? QStringLiteral("ほぞんできませんでした：")
                                                 : QStringLiteral("保存できませんでした：")) +
               path;
    }

    QTemporaryDir folder_;
    ScriptedPlatform platform_;
    Canvas canvas_ = patternCanvas(13, 7);
    SheetOutput output_;
};

}  // namespace

TEST_P(SaveSheetTest, WritesA24BitBitmapEqualToTheCanvasPixelForPixel) {
    const QString path = folder_.filePath("sheet.bmp");
    EXPECT_TRUE(save(path));

    const QByteArray bytes = fileBytes(path);
    ASSERT_GE(bytes.size(), 54);
    EXPECT_TRUE(bytes.startsWith("BM"));
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]) | static_cast<unsigned char>(bytes[29]) << 8,
              24);  // bits per pixel
    QImage read;
    ASSERT_TRUE(read.loadFromData(bytes, "BMP"));
    ASSERT_EQ(read.size(), QSize(13, 7));
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 13; ++x) {
            ASSERT_EQ(read.pixel(x, y) & 0xFFFFFF, canvas_.pixel(x, y)) << x << "," << y;
        }
    }
    EXPECT_TRUE(platform_.messages.empty());
}

TEST_P(SaveSheetTest, ANameWithoutBmpIsWrittenUnderExactlyThatName) {
    const QString path = folder_.filePath("sheet");
    EXPECT_TRUE(save(path));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{"sheet"});
    EXPECT_TRUE(QImage::fromData(fileBytes(path), "BMP").size() == QSize(13, 7));
}

TEST_P(SaveSheetTest, DialogIsSetUpTheSameWayEveryTime) {
    save(folder_.filePath("first.bmp"));
    save(folder_.filePath("second.bmp"));
    ASSERT_EQ(platform_.saveRequests.size(), 2u);
    const bool sheetMaker = GetParam() != Variant::Twinlens;
    for (const FileDialogSetup& setup : platform_.saveRequests) {
        EXPECT_EQ(setup.initialFolder, ProgramFolder());
        EXPECT_EQ(setup.filter, "(*.bmp)|*.bmp");
        EXPECT_EQ(setup.filterIndex, 0);
        EXPECT_EQ(setup.fileName, "");
        EXPECT_EQ(setup.askOverwrite, sheetMaker);
        EXPECT_EQ(setup.cancelIsFailure, sheetMaker);
    }
}

TEST_P(SaveSheetTest, ReplacesAnEarlierFile) {
    const QString path = folder_.filePath("sheet.bmp");
    canvas_ = patternCanvas(5, 4, 1);
    ASSERT_TRUE(save(path));
    canvas_ = patternCanvas(13, 7, 2);
    ASSERT_TRUE(save(path));
    EXPECT_EQ(fileBytes(path), fileBytes(path));
    EXPECT_EQ(QImage::fromData(fileBytes(path), "BMP").size(), QSize(13, 7));
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{"sheet.bmp"});
}

TEST_P(SaveSheetTest, CancelWritesNothingAndShowsNothing) {
    // No answer scripted: Whirlfold and Cubefold get Cancel as such, Twinlens an empty name.
    EXPECT_FALSE(output_.SaveSheet(canvas_));
    ASSERT_EQ(platform_.saveRequests.size(), 1u);
    EXPECT_TRUE(platform_.messages.empty());
    EXPECT_TRUE(QDir(folder_.path()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(QDir(ProgramFolder()).entryList({"*.bmp"}, QDir::Files).isEmpty());
}

TEST_P(SaveSheetTest, FailedWriteLeavesTheEarlierFileByteIdenticalAndSaysSo) {
    const QString path = folder_.filePath("sheet.bmp");
    canvas_ = patternCanvas(5, 4, 1);
    ASSERT_TRUE(save(path));
    const QByteArray before = fileBytes(path);

    canvas_ = patternCanvas(200, 200, 2);  // 120 kB, far above the limit
    {
        const FileSizeLimit limit(before.size() + 1000);
        EXPECT_FALSE(save(path));
    }
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{"sheet.bmp"});
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].text, failureText(path));
    EXPECT_EQ(platform_.messages[0].title, programName(GetParam()));
    EXPECT_EQ(platform_.messages[0].buttons, MessageButtons::Ok);
}

TEST_P(SaveSheetTest, NameThatCannotBeWrittenSaysSo) {
    const QString intoMissingFolder = folder_.filePath("no such folder/sheet.bmp");
    EXPECT_FALSE(save(intoMissingFolder));
    const QString aFolder = folder_.path();
    EXPECT_FALSE(save(aFolder));
    EXPECT_TRUE(QFileInfo(aFolder).isDir());

    ASSERT_EQ(platform_.messages.size(), 2u);
    EXPECT_EQ(platform_.messages[0].text, failureText(intoMissingFolder));
    EXPECT_EQ(platform_.messages[1].text, failureText(aFolder));
}

INSTANTIATE_TEST_SUITE_P(Sheetout, SaveSheetTest,
                         testing::Values(Variant::Whirlfold, Variant::Cubefold, Variant::Twinlens),
                         ByProgramName());

TEST(SaveSheet, CubefoldSavesTheRasterInsideTheFrame) {
    ScriptedPlatform platform;
    SheetOutput output(Variant::Cubefold, platform, SheetSource{});
    Canvas canvas(24, 14, CanvasUnit::Pixels, CanvasEdge::SunkenFrame, rgb(10, 20, 30));
    canvas.clear();
    canvas.setPixel(0, 0, rgb(255, 0, 0));
    QTemporaryDir folder;
    platform.saveAnswers.push_back(folder.filePath("net.bmp"));
    ASSERT_TRUE(output.SaveSheet(canvas));
    const QImage read(folder.filePath("net.bmp"), "BMP");
    ASSERT_EQ(read.size(), QSize(20, 10));
    EXPECT_EQ(read.pixel(0, 0) & 0xFFFFFF, rgb(255, 0, 0));
    EXPECT_EQ(read.pixel(19, 9) & 0xFFFFFF, rgb(10, 20, 30));
}
