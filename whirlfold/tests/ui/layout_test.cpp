// The three windows laid out as designed (twips / 15 = pixels): client areas, each control's
// name, place, size and caption, the coloured buttons' faces and the menus without shortcuts.

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

#include "casename.h"
#include "whirlfoldtesting.h"

namespace picturecraft::whirlfold::testing {
namespace {

enum class Window { Main, Sheet, PictureSize };

struct ControlRow {
    std::string name;
    Window window;
    const char* objectName;
    QRect geometry;   // pixels, in the client area (or the frame for the options)
    QString caption;  // empty for canvases
    QRgb face = 0;    // a coloured button's back colour, 0 for other controls
};

class LayoutTest : public WhirlfoldTest, public ::testing::WithParamInterface<ControlRow> {
  protected:
    LayoutTest() {
        window.show();
        window.sheetWindow().show();
        window.pictureSizeDialog().show();
    }
    QWidget* windowOf(Window which) {
        switch (which) {
            case Window::Main:
                return &window;
            case Window::Sheet:
                return &window.sheetWindow();
            case Window::PictureSize:
                return &window.pictureSizeDialog();
        }
        return nullptr;
    }
};

QString captionOf(QWidget* control) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* frame = qobject_cast<QGroupBox*>(control)) return frame->title();
    return {};
}

TEST_P(LayoutTest, ControlSitsWhereDesigned) {
    const ControlRow& row = GetParam();
    auto* control = windowOf(row.window)->findChild<QWidget*>(QString::fromLatin1(row.objectName));
    ASSERT_NE(control, nullptr) << row.objectName;
    EXPECT_EQ(control->geometry(), row.geometry);
    EXPECT_EQ(captionOf(control), row.caption);
    if (row.face != 0) {
        const QImage face = control->grab().toImage();
        EXPECT_EQ(face.pixel(4, 4) & 0xFFFFFFu, row.face);
        EXPECT_EQ(face.pixel(face.width() - 5, face.height() - 5) & 0xFFFFFFu, row.face);
    }
}

constexpr QRgb kOpenFace = rgb(0xFF, 0xFF, 0xC0);
constexpr QRgb kConvertFace = rgb(0xC0, 0xFF, 0xFF);
constexpr QRgb kBackFace = rgb(0xFF, 0xC0, 0xFF);

const ControlRow kControlRows[] = {
    {"open_button_1", Window::Main, "Command2(0)", {32, 8, 105, 25}, "絵１を開く", kOpenFace},
    {"open_button_2", Window::Main, "Command2(1)", {184, 8, 105, 25}, "絵２を開く", kOpenFace},
    {"open_button_3", Window::Main, "Command2(2)", {336, 8, 105, 25}, "絵３を開く", kOpenFace},
    {"open_button_4", Window::Main, "Command2(3)", {488, 8, 105, 25}, "絵４を開く", kOpenFace},
    {"thumbnail_of_slot_0_first", Window::Main, "Picture4(0)", {16, 40, 126, 145}, ""},
    {"thumbnail_of_slot_2_second", Window::Main, "Picture4(2)", {168, 40, 126, 145}, ""},
    {"thumbnail_of_slot_1_third", Window::Main, "Picture4(1)", {320, 40, 126, 145}, ""},
    {"thumbnail_of_slot_3_fourth", Window::Main, "Picture4(3)", {472, 40, 126, 145}, ""},
    {"caption_of_slot_0", Window::Main, "Label2(0)", {48, 192, 81, 17}, "絵１"},
    {"caption_of_slot_2", Window::Main, "Label2(2)", {200, 192, 81, 17}, "絵2"},
    {"caption_of_slot_1", Window::Main, "Label2(1)", {352, 192, 81, 17}, "絵3"},
    {"caption_of_slot_3", Window::Main, "Label2(3)", {504, 192, 81, 17}, "絵4"},
    {"convert_button",
     Window::Main,
     "Command1",
     {24, 240, 121, 49},
     "変換（へんかん）",
     kConvertFace},
    {"status_label", Window::Main, "Label1", {440, 272, 129, 17}, "絵を開いてください"},
    {"decoration", Window::Main, "Image2", {576, 248, 50, 50}, ""},
    {"sheet_back_button", Window::Sheet, "Command1(1)", {8, 536, 81, 33}, "もどる", kBackFace},
    {"backdrop_canvas", Window::Sheet, "Picture3", {0, 0, 1223, 500}, ""},
    {"sheet_canvas", Window::Sheet, "Picture1", {0, 0, 1193, 497}, ""},
    {"size_frame", Window::PictureSize, "Frame1", {24, 24, 201, 113}, "元の絵の大きさ"},
    {"wide_option", Window::PictureSize, "Option1(0)", {24, 32, 129, 25}, "小さい（ワイド）"},
    {"zoom_option", Window::PictureSize, "Option1(1)", {24, 64, 129, 25}, "大きい（ズーム）"},
    {"size_back_button", Window::PictureSize, "Command1", {232, 160, 65, 33}, "もどる", kBackFace},
};

INSTANTIATE_TEST_SUITE_P(Controls, LayoutTest, ::testing::ValuesIn(kControlRows), ByCaseName());

using WindowLayoutTest = LayoutTest;

TEST_F(WindowLayoutTest, WindowsHaveTheirCaptionsAndClientAreas) {
    EXPECT_EQ(window.objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Whirlfold"));
    EXPECT_EQ(window.centralWidget()->size(), QSize(648, 304));
    SheetWindow& sheet = window.sheetWindow();
    EXPECT_EQ(sheet.objectName(), QStringLiteral("Form2"));
    EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Whirlfold"));
    EXPECT_EQ(sheet.centralWidget()->size(), QSize(782, 577));
    PictureSizeDialog& size = window.pictureSizeDialog();
    EXPECT_EQ(size.objectName(), QStringLiteral("Form4"));
    EXPECT_EQ(size.windowTitle(), QStringLiteral("Whirlfold"));
    EXPECT_EQ(size.size(), QSize(312, 206));
}

TEST_F(WindowLayoutTest, WorkingCanvasesAreNeverShown) {
    for (int slot = 0; slot < kSlotCount; ++slot)
        EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("Picture2(%1)").arg(slot)), nullptr);
}

TEST_F(WindowLayoutTest, BackdropLiesOverTheSheet) {
    QWidget* client = window.sheetWindow().centralWidget();
    const QObjectList& stack = client->children();  // bottom of the stacking order first
    const auto indexOf = [&](const char* name) {
        for (qsizetype i = 0; i < stack.size(); ++i)
            if (stack[i]->objectName() == QLatin1String(name)) return i;
        return qsizetype(-1);
    };
    EXPECT_LT(indexOf("Picture1"), indexOf("Picture3"));
    EXPECT_LT(indexOf("Picture3"), indexOf("Command1(1)"));
}

struct MenuRow {
    std::string name;
    Window window;
    const char* menu;
    QString title;
    std::vector<std::pair<const char*, QString>> items;  // object name, caption ("-" separator)
};

class MenuTest : public WhirlfoldTest, public ::testing::WithParamInterface<MenuRow> {};

TEST_P(MenuTest, HoldsItsItemsInOrderWithoutShortcuts) {
    const MenuRow& row = GetParam();
    QMainWindow* owner =
        row.window == Window::Main ? static_cast<QMainWindow*>(&window) : &window.sheetWindow();
    auto* menu = owner->menuBar()->findChild<QMenu*>(QString::fromLatin1(row.menu));
    ASSERT_NE(menu, nullptr) << row.menu;
    EXPECT_EQ(menu->title(), row.title);
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), qsizetype(row.items.size()));
    for (size_t i = 0; i < row.items.size(); ++i) {
        SCOPED_TRACE(row.items[i].first);
        EXPECT_EQ(actions[i]->objectName(), QString::fromLatin1(row.items[i].first));
        if (row.items[i].second == QLatin1String("-"))
            EXPECT_TRUE(actions[i]->isSeparator());
        else
            EXPECT_EQ(actions[i]->text(), row.items[i].second);
        EXPECT_TRUE(actions[i]->shortcut().isEmpty());
    }
}

const MenuRow kMenuRows[] = {
    {"file_menu",
     Window::Main,
     "mnufile",
     "ファイル",
     {{"menuopen1", "絵１を開く"},
      {"menuopen2", "絵2を開く"},
      {"menuopen3", "絵3を開く"},
      {"menuopen4", "絵4を開く"}}},
    {"edit_menu",
     Window::Main,
     "mnuhenshu",
     "へんしゅう",
     {{"mnupaste1", "絵１にはりつけ"},
      {"mnupaste2", "絵２にはりつけ"},
      {"mnupaste3", "絵３にはりつけ"},
      {"mnupaste4", "絵４にはりつけ"}}},
    {"settings_menu", Window::Main, "mnuset", "せってい", {{"mnuookisa", "元の絵の大きさ"}}},
    {"sheet_file_menu",
     Window::Sheet,
     "mnufile2",
     "ファイル",
     {{"mnusave", "名前をつけて　ほぞん"}, {"mnuh2", "-"}, {"mnuprint", "いんさつ"}}},
};

INSTANTIATE_TEST_SUITE_P(Menus, MenuTest, ::testing::ValuesIn(kMenuRows), ByCaseName());

}  // namespace
}  // namespace picturecraft::whirlfold::testing
