#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "canvas.h"
#include "picturefile.h"

using namespace picturecraft;

namespace {

QImage gradient(int w, int h) {
    QImage picture(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) picture.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, 99));
    return picture;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST(PictureFile, BitmapRoundTripIs24BitAndPixelExact) {
    QTemporaryDir folder;
    const QString path = folder.filePath("sheet");  // no extension: written under this name
    const QImage picture = gradient(37, 11);        // odd width: rows are padded
    ASSERT_TRUE(writeBitmapFile(picture, path));
    const QByteArray bytes = readAll(path);
    ASSERT_GE(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(static_cast<unsigned char>(bytes.at(28)), 24u) << "bits per pixel";
    const auto decoded = decodePictureFile(path);
    ASSERT_TRUE(decoded);
    ASSERT_EQ(decoded->size(), picture.size());
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ASSERT_EQ(decoded->pixel(x, y) & 0xFFFFFF, picture.pixel(x, y) & 0xFFFFFF);
}

TEST(PictureFile, FailedWriteLeavesTheEarlierFileAlone) {
    QTemporaryDir folder;
    const QString path = folder.filePath("kept.bmp");
    ASSERT_TRUE(writeBitmapFile(gradient(4, 4), path));
    const QByteArray before = readAll(path);
    EXPECT_FALSE(writeBitmapFile(QImage(), path));
    EXPECT_EQ(readAll(path), before);
    EXPECT_FALSE(writeBitmapFile(gradient(4, 4), folder.filePath("missing/folder/x.bmp")));
}

TEST(PictureFile, UndecodableOrMissingFilesGiveNothing) {
    QTemporaryDir folder;
    const QString junk = folder.filePath("junk.jpg");
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture at all");
    file.close();
    EXPECT_FALSE(decodePictureFile(junk));
    EXPECT_FALSE(decodePictureFile(folder.filePath("nothing-here.bmp")));
}

TEST(PictureFile, JpegAndGifDecode) {
    QTemporaryDir folder;
    const QString jpeg = folder.filePath("picture.jpg");
    ASSERT_TRUE(gradient(8, 6).save(jpeg, "JPG"));
    const auto decodedJpeg = decodePictureFile(jpeg);
    ASSERT_TRUE(decodedJpeg);
    EXPECT_EQ(decodedJpeg->size(), QSize(8, 6));

    // Qt reads GIF but cannot write it, so the GIF is a checked-in file.
    const auto decodedGif =
        decodePictureFile(QStringLiteral(PICTURECRAFT_TEST_DATA "/pictures/red-3x2.gif"));
    ASSERT_TRUE(decodedGif);
    EXPECT_EQ(decodedGif->size(), QSize(3, 2));
    EXPECT_EQ(decodedGif->pixel(2, 1) & 0xFFFFFF, 0xFF0000u);
}
