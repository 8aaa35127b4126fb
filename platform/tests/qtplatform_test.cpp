#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>

#include "qtplatform.h"

using namespace picturecraft;

TEST(QtPlatform, FiltersBecomeQtNameFilters) {
    EXPECT_EQ(QtPlatform::qtNameFilters(
                  QStringLiteral("絵ファイル(*.bmp,*.jpg,*gif)|*.bmp;*.jpg;*.gif")),
              QStringList{QStringLiteral("絵ファイル(*.bmp,*.jpg,*gif) (*.bmp *.jpg *.gif)")});
    EXPECT_EQ(QtPlatform::qtNameFilters(QStringLiteral("(*.bmp)|*.bmp|(*.gif)|*.gif")),
              (QStringList{QStringLiteral("(*.bmp) (*.bmp)"), QStringLiteral("(*.gif) (*.gif)")}));
}

TEST(QtPlatform, ClipboardCarriesABitmap) {
    QtPlatform platform;
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(qRgb(10, 200, 30));
    platform.putClipboardBitmap(picture);
    const auto back = platform.clipboardPicture();
    ASSERT_TRUE(back);
    EXPECT_EQ(back->size(), QSize(3, 2));
    EXPECT_EQ(back->pixel(1, 1) & 0xFFFFFF, qRgb(10, 200, 30) & 0xFFFFFF);
    platform.clearClipboard();
    EXPECT_FALSE(platform.clipboardPicture());
}

TEST(QtPlatform, TimerStopsAtIntervalZero) {
    QtPlatform platform;
    auto timer = platform.createTimer();
    timer->setInterval(1000);
    EXPECT_EQ(timer->interval(), 1000);
    timer->setInterval(0);
    EXPECT_EQ(timer->interval(), 0);
}
