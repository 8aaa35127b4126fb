// Screenshots of both windows after converting a picture of a room's corner, for looking at the
// program as a person sees it. Runs only when PICTURECRAFT_GRAB_DIR names a folder.

#include <cmath>

#include <QDir>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include "form1.h"
#include "form2.h"
#include "scriptedplatform.h"

using namespace picturecraft;
using namespace picturecraft::cubefold;

namespace {

constexpr double kCos30 = 0.8660254037844386;
constexpr double kSin30 = 0.5;

// Wall and floor planes drawn as a slightly shaded isometric view, the corner in the middle.
// Each plane has its own coordinates, x to the right and y down as seen on the face canvases.
void paintPlane(QPainter& painter, const QTransform& plane, const QRectF& extent,
                const std::function<void(QPainter&)>& paint) {
    painter.save();
    painter.setTransform(plane);
    painter.setClipRect(extent);
    paint(painter);
    painter.restore();
}

QImage roomCorner(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF corner(width / 2.0, height / 2.0);
    const QTransform leftWall(kCos30, -kSin30, 0, 1, corner.x(), corner.y());
    const QTransform rightWall(kCos30, kSin30, 0, 1, corner.x(), corner.y());
    const QTransform floor(kCos30, -kSin30, kCos30, kSin30, corner.x(), corner.y());
    QFont font(QStringLiteral("IPAPGothic"), 56, QFont::Bold);

    paintPlane(painter, leftWall, QRectF(-1500, -1500, 1500, 1500), [&](QPainter& p) {
        QLinearGradient light(-600, 0, 0, 0);
        light.setColorAt(0, QColor(150, 190, 235));
        light.setColorAt(1, QColor(110, 150, 200));
        p.fillRect(QRectF(-1500, -1500, 1500, 1500), light);
        p.setPen(QPen(QColor(255, 255, 255, 70), 6));
        for (int x = -1500; x < 0; x += 40) p.drawLine(QLineF(x, -1500, x, 0));
        p.fillRect(QRectF(-330, -360, 200, 190), QColor(200, 230, 255));  // window: sky
        p.setBrush(QColor(255, 240, 120));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(-190, -320), 22, 22);
        p.setPen(QPen(QColor(250, 250, 250), 12));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(-330, -360, 200, 190));
        p.drawLine(QLineF(-230, -360, -230, -170));
        p.drawLine(QLineF(-330, -265, -130, -265));
        p.setFont(font);
        p.setPen(QColor(20, 40, 120));
        p.drawText(QRectF(-300, -140, 260, 90), Qt::AlignCenter, QStringLiteral("ひだり"));
        p.fillRect(QRectF(-1500, -24, 1500, 24), QColor(90, 60, 40));  // skirting board
    });
    paintPlane(painter, rightWall, QRectF(0, -1500, 1500, 1500), [&](QPainter& p) {
        QLinearGradient light(0, 0, 600, 0);
        light.setColorAt(0, QColor(235, 180, 150));
        light.setColorAt(1, QColor(250, 210, 180));
        p.fillRect(QRectF(0, -1500, 1500, 1500), light);
        p.fillRect(QRectF(120, -380, 180, 150), QColor(80, 160, 90));  // a framed picture
        p.setBrush(QColor(240, 200, 60));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(250, -340), 20, 20);
        p.setBrush(QColor(40, 110, 50));
        p.drawPolygon(QPolygonF({QPointF(130, -230), QPointF(200, -320), QPointF(290, -230)}));
        p.setPen(QPen(QColor(120, 70, 30), 10));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(120, -380, 180, 150));
        p.setFont(font);
        p.setPen(QColor(140, 30, 30));
        p.drawText(QRectF(50, -150, 260, 90), Qt::AlignCenter, QStringLiteral("みぎ"));
        p.fillRect(QRectF(0, -24, 1500, 24), QColor(90, 60, 40));
    });
    paintPlane(painter, floor, QRectF(-1500, 0, 1500, 1500), [&](QPainter& p) {
        for (int y = 0; y < 1500; y += 60)
            for (int x = -1500; x < 0; x += 60)
                p.fillRect(QRectF(x, y, 60, 60),
                           ((x / 60 + y / 60) % 2) ? QColor(190, 150, 100) : QColor(165, 120, 75));
        p.setBrush(QColor(200, 60, 80, 200));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(-160, 150), 90, 90);  // a rug
        p.setFont(font);
        p.setPen(QColor(60, 30, 10));
        p.drawText(QRectF(-300, 20, 280, 90), Qt::AlignCenter, QStringLiteral("ゆか"));
    });
    painter.end();

    // A little sensor noise, as in a photograph.
    QRandomGenerator noise(5);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const QColor c = picture.pixelColor(x, y);
            const int n = int(noise.bounded(13)) - 6;
            picture.setPixelColor(
                x, y,
                QColor(std::clamp(c.red() + n, 0, 255), std::clamp(c.green() + n, 0, 255),
                       std::clamp(c.blue() + n, 0, 255)));
        }
    return picture;
}

}  // namespace

TEST(CubefoldGrab, BothWindowsAfterConvertingARoomCorner) {
    const QString folder = qEnvironmentVariable("PICTURECRAFT_GRAB_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "set PICTURECRAFT_GRAB_DIR to write the screenshots";
    QDir().mkpath(folder);
    const QString picturePath = QDir(folder).filePath(QStringLiteral("room.png"));
    ASSERT_TRUE(roomCorner(1013, 717).save(picturePath));

    ScriptedPlatform platform;
    Form1 form1(platform, [] {});
    form1.show();
    ASSERT_TRUE(form1.grab().save(QDir(folder).filePath(QStringLiteral("form1-start.png"))));
    platform.openAnswers.push_back(picturePath);
    form1.menuopen_Click();
    ASSERT_TRUE(form1.grab().save(QDir(folder).filePath(QStringLiteral("form1-loaded.png"))));
    form1.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    ASSERT_TRUE(form1.grab().save(QDir(folder).filePath(QStringLiteral("form1-waiting.png"))));
    ASSERT_TRUE(platform.timers.at(0)->fire());
    Form2* form2 = form1.sheetWindow();
    ASSERT_TRUE(form2->grab().save(QDir(folder).filePath(QStringLiteral("form2-sheet.png"))));
}
