#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <gtest/gtest.h>

#include "canvasview.h"
#include "casename.h"
#include "form1.h"
#include "form2.h"
#include "scriptedplatform.h"

using namespace picturecraft;
using namespace picturecraft::cubefold;

namespace {

// Both windows, the sheet window created by a conversion of the white canvas.
struct Windows {
    ScriptedPlatform platform;
    Form1 form1{platform, [] {}};
    Windows() {
        form1.show();
        form1.Command1_Click();
        platform.timers.at(0)->fire();
    }
    QWidget* window(int form) const {
        return form == 1 ? static_cast<QWidget*>(const_cast<Form1*>(&form1))
                         : static_cast<QWidget*>(form1.sheetWindow());
    }
};

Windows& windows() {
    static Windows* shared = new Windows;
    return *shared;
}

}  // namespace

struct ControlCase {
    const char* name;
    int form;
    const char* objectName;
    QRect geometry;  // pixels, relative to the control's container
};

class CubefoldLayout : public ::testing::TestWithParam<ControlCase> {};

TEST_P(CubefoldLayout, PlacesTheControlAsLaidOut) {
    const ControlCase& c = GetParam();
    auto* control = windows().window(c.form)->findChild<QWidget*>(QString::fromUtf8(c.objectName));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), c.geometry);
}

INSTANTIATE_TEST_SUITE_P(
    Cubefold, CubefoldLayout,
    ::testing::Values(ControlCase{"main_canvas", 1, "Picture1", QRect(0, 0, 1017, 721)},
                      ControlCase{"emblem", 1, "Image2", QRect(8, 8, 50, 50)},
                      ControlCase{"message_line", 1, "Label1", QRect(72, 24, 169, 17)},
                      ControlCase{"convert_button", 1, "Command1", QRect(8, 64, 129, 41)},
                      ControlCase{"sheet_canvas", 2, "Picture3", QRect(0, 0, 977, 641)},
                      ControlCase{"back_button", 2, "Command1(1)", QRect(16, 8, 81, 33)},
                      ControlCase{"layout_area", 2, "Picture2", QRect(0, 0, 977, 673)},
                      ControlCase{"left_face", 2, "Picture1(0)", QRect(32, 32, 297, 297)},
                      ControlCase{"right_face", 2, "Picture1(1)", QRect(328, 32, 297, 297)},
                      ControlCase{"bottom_face", 2, "Picture1(2)", QRect(32, 328, 297, 297)}),
    ByCaseName());

TEST(CubefoldWindows, CanvasesHaveTheirFramesAndRasters) {
    Form2* form2 = windows().form1.sheetWindow();
    const Canvas& mainCanvas = windows().form1.mainCanvas();
    EXPECT_EQ(mainCanvas.edge(), CanvasEdge::SunkenFrame);
    EXPECT_EQ(QSize(mainCanvas.rasterWidth(), mainCanvas.rasterHeight()), QSize(1013, 717));
    const Canvas& sheet = form2->sheetCanvas();
    EXPECT_EQ(sheet.edge(), CanvasEdge::SunkenFrame);
    EXPECT_EQ(QSize(sheet.rasterWidth(), sheet.rasterHeight()), QSize(973, 637));
    EXPECT_EQ(sheet.background(), rgb(255, 255, 255));
    for (const Canvas& face : form2->canvases().faces) {
        EXPECT_EQ(face.edge(), CanvasEdge::None);
        EXPECT_EQ(QSize(face.rasterWidth(), face.rasterHeight()), QSize(297, 297));
    }
    EXPECT_FALSE(form2->findChild<QWidget*>(QStringLiteral("Picture2"))->isVisible());
}

TEST(CubefoldWindows, CaptionsAndMenusWithoutShortcuts) {
    Form1& form1 = windows().form1;
    Form2* form2 = form1.sheetWindow();
    EXPECT_EQ(form2->windowTitle(), QStringLiteral("Cubefold"));
    EXPECT_EQ(form1.findChild<QPushButton*>(QStringLiteral("Command1"))->text(),
              QStringLiteral("変換"));
    EXPECT_EQ(form2->findChild<QPushButton*>(QStringLiteral("Command1(1)"))->text(),
              QStringLiteral("戻る"));

    const QList<QAction*> bar1 = form1.menuBar()->actions();
    ASSERT_EQ(bar1.size(), 1);
    EXPECT_EQ(bar1[0]->text(), QStringLiteral("ファイル"));
    EXPECT_EQ(bar1[0]->menu()->objectName(), QStringLiteral("mnufile"));
    const QList<QAction*> file1 = bar1[0]->menu()->actions();
    ASSERT_EQ(file1.size(), 1);
    EXPECT_EQ(file1[0]->objectName(), QStringLiteral("menuopen"));
    EXPECT_EQ(file1[0]->text(), QStringLiteral("開く"));

    const QList<QAction*> bar2 = form2->menuBar()->actions();
    ASSERT_EQ(bar2.size(), 1);
    EXPECT_EQ(bar2[0]->text(), QStringLiteral("ファイル"));
    EXPECT_EQ(bar2[0]->menu()->objectName(), QStringLiteral("mnufile2"));
    const QList<QAction*> file2 = bar2[0]->menu()->actions();
    ASSERT_EQ(file2.size(), 3);
    EXPECT_EQ(file2[0]->objectName(), QStringLiteral("mnusave"));
    EXPECT_EQ(file2[0]->text(), QStringLiteral("名前をつけて保存"));
    EXPECT_EQ(file2[1]->objectName(), QStringLiteral("mnuh2"));
    EXPECT_TRUE(file2[1]->isSeparator());
    EXPECT_EQ(file2[2]->objectName(), QStringLiteral("mnuprint"));
    EXPECT_EQ(file2[2]->text(), QStringLiteral("印刷"));

    for (const QList<QAction*>& items : {file1, file2})
        for (const QAction* item : items) EXPECT_TRUE(item->shortcut().isEmpty());
}
