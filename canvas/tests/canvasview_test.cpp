#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "canvasview.h"

using namespace picturecraft;

// The view paints from the canvas itself, so what was drawn while the view was hidden or
// covered shows as soon as it is painted again.
TEST(CanvasView, ShowsTheRasterInsideTheEdgeAtTheOuterSize) {
    Canvas canvas(30, 20, CanvasUnit::Pixels, CanvasEdge::SunkenFrame, rgb(255, 255, 255));
    CanvasView view(canvas);
    EXPECT_EQ(view.size(), QSize(30, 20));
    view.hide();
    canvas.setPixel(0, 0, rgb(255, 0, 0));
    const QImage shown = view.grab().toImage();
    EXPECT_EQ(shown.pixel(2, 2) & 0xFFFFFF, rgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(3, 3) & 0xFFFFFF, rgb(255, 255, 255));
    EXPECT_NE(shown.pixel(0, 0) & 0xFFFFFF, rgb(255, 255, 255)) << "frame drawn outside";
}

TEST(CanvasView, FollowsTheCanvasSizeInTwips) {
    Canvas canvas(2175, 2175, CanvasUnit::Twips, CanvasEdge::FlatBorder);
    CanvasView view(canvas);
    EXPECT_EQ(view.size(), QSize(145, 145));
    canvas.setWidth(1500);
    view.syncSize();
    EXPECT_EQ(view.size(), QSize(100, 145));
}

TEST(CanvasView, ReportsWhichButtonWasPressed) {
    Canvas canvas(10, 10);
    CanvasView view(canvas);
    QSignalSpy pressed(&view, &CanvasView::mousePressed);
    QTest::mousePress(&view, Qt::RightButton, {}, QPoint(5, 5));
    ASSERT_EQ(pressed.count(), 1);
    EXPECT_EQ(pressed.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
}
