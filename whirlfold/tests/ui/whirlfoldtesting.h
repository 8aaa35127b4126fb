#pragma once

// What the window tests share: a started program on a scripted platform, ways to reach its
// controls by name as a person reaches them by caption, and pictures made in code.

#include <memory>

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>

#include "hexagonguide.h"
#include "mainwindow.h"
#include "scriptedplatform.h"

namespace picturecraft::whirlfold::testing {

inline constexpr QRgb kWhite = rgb(255, 255, 255);

inline QImage SolidPicture(int width, int height, QRgb colour) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

// A photo-like picture that shows its number and which way is up: a vertical gradient from a
// light sky to a darker ground, a sun in the top-left corner, a house with a roof standing on
// the ground, and the digit large in the middle.
inline QImage TestPhoto(int number, QSize size = QSize(640, 480)) {
    static const QColor kSkies[] = {
        {0x7F, 0xC8, 0xFF}, {0xFF, 0xC8, 0x7F}, {0xB0, 0xFF, 0x9F}, {0xE0, 0xA8, 0xFF}};
    static const QColor kGrounds[] = {
        {0x20, 0x70, 0x20}, {0x90, 0x40, 0x10}, {0x10, 0x40, 0x90}, {0x60, 0x20, 0x60}};
    const QColor sky = kSkies[(number - 1) % 4];
    const QColor ground = kGrounds[(number - 1) % 4];
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, sky.lighter(120));
    gradient.setColorAt(0.65, sky);
    gradient.setColorAt(0.66, ground.lighter(130));
    gradient.setColorAt(1, ground);
    painter.fillRect(picture.rect(), gradient);
    const double w = size.width(), h = size.height();
    painter.setBrush(QColor(0xFF, 0xE0, 0x20));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(w * 0.15, h * 0.15), h * 0.08, h * 0.08);
    painter.setBrush(QColor(0xC0, 0x30, 0x30));
    painter.drawPolygon(QPolygonF(
        {QPointF(w * 0.62, h * 0.45), QPointF(w * 0.72, h * 0.32), QPointF(w * 0.82, h * 0.45)}));
    painter.setBrush(QColor(0xF0, 0xF0, 0xE0));
    painter.drawRect(QRectF(w * 0.64, h * 0.45, w * 0.16, h * 0.21));
    QFont font = painter.font();
    font.setPixelSize(int(h * 0.45));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawText(QRectF(0, 0, w * 0.6, h), Qt::AlignCenter, QString::number(number));
    return picture;
}

// A started Whirlfold on a scripted platform. A close request counts a quit instead of ending
// the test program.
class WhirlfoldTest : public ::testing::Test {
  protected:
    WhirlfoldTest() : window(platform, [this] { ++quits; }) {}

    ScriptedTimer& timer() { return *platform.timers.at(0); }

    QPushButton* button(const QString& name) {
        auto* found = window.findChild<QPushButton*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QAction* action(const QString& name) {
        auto* found = window.findChild<QAction*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QLabel* label(const QString& name) {
        auto* found = window.findChild<QLabel*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    CanvasView* thumbnailView(int slot) {
        return window.findChild<CanvasView*>(QStringLiteral("Picture4(%1)").arg(slot));
    }
    QPushButton* convertButton() { return button(QStringLiteral("Command1")); }
    QLabel* statusLabel() { return label(QStringLiteral("Label1")); }
    QPushButton* backButton() {
        return window.sheetWindow().findChild<QPushButton*>(QStringLiteral("Command1(1)"));
    }

    // Writes the picture as a bitmap file in a folder of its own and returns its path.
    QString writePicture(const QImage& picture, const QString& name) {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(picture.save(path, "BMP")) << path.toStdString();
        return path;
    }

    // The open dialog answers `path`, then the named control is clicked or triggered.
    void openThrough(const QString& control, const QString& path) {
        platform.openAnswers.push_back(path);
        if (control.startsWith(QLatin1String("Command2")))
            button(control)->click();
        else
            action(control)->trigger();
    }

    void pressOnThumbnail(int slot, Qt::MouseButton which) {
        CanvasView* view = thumbnailView(slot);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(20, 20),
                          view->mapToGlobal(QPointF(20, 20)), which, which, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &press);
    }

    const Canvas& working(int slot) { return window.pictureSlots().working(slot); }
    const Canvas& thumbnail(int slot) { return window.pictureSlots().thumbnail(slot); }
    const Canvas& backdrop() { return window.sheetWindow().canvases().backdrop; }

    static int countPixels(const Canvas& canvas, QRgb colour) {
        int count = 0;
        for (int y = 0; y < canvas.rasterHeight(); ++y)
            for (int x = 0; x < canvas.rasterWidth(); ++x) count += canvas.pixel(x, y) == colour;
        return count;
    }
    static bool isBlank(const Canvas& canvas) {
        return countPixels(canvas, kWhite) == canvas.rasterWidth() * canvas.rasterHeight();
    }
    static bool hasGuide(const Canvas& thumb) { return thumb.pixel(0, 72) == kGuideColour; }

    QTemporaryDir folder;
    ScriptedPlatform platform;
    int quits = 0;
    MainWindow window;
};

}  // namespace picturecraft::whirlfold::testing
