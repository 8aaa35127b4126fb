#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "../core/pictures.h"
#include "canvasview.h"
#include "casename.h"
#include "commandline.h"
#include "form9.h"
#include "paperdialog.h"
#include "scriptedplatform.h"
#include "thumbnailview.h"

using namespace picturecraft;
using namespace picturecraft::twinlens;
using namespace picturecraft::twinlens::testing;

namespace {

constexpr QRgb kPhoto1 = rgb(0x9A, 0x5C, 0x33);
constexpr QRgb kPhoto2 = rgb(0x47, 0xB8, 0xE1);

class Form9Test : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        window.setQuitHandler([this] { ++quits; });
    }
    template <typename T = QWidget>
    T* control(const char* name) {
        T* found = window.findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char* name) { control<QPushButton>(name)->click(); }
    void trigger(const char* name) { control<QAction>(name)->trigger(); }
    void press(const char* name, Qt::MouseButton button) {
        QTest::mousePress(control(name), button, {}, QPoint(10, 10));
    }
    QString file(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
    QString writeFile(const char* name, const QImage& picture) {
        EXPECT_TRUE(writePicture(picture, file(name)));
        return file(name);
    }
    QImage shownComposite() { return control("Picture3")->grab().toImage(); }

    QTemporaryDir folder;
    ScriptedPlatform platform;
    Form9 window{platform};
    int quits = 0;
};

// --- The window as laid out ---------------------------------------------------------------

struct ControlCase {
    const char* name;
    const char* objectName;
    const char* caption;  // empty for controls without one
    QRect place;          // pixels, within the client area or Frame1
};

class Form9LayoutTest : public Form9Test, public ::testing::WithParamInterface<ControlCase> {};

TEST_P(Form9LayoutTest, ControlSitsWhereItIsLaidOut) {
    const ControlCase& c = GetParam();
    QWidget* widget = control(c.objectName);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), c.place);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        EXPECT_EQ(button->text(), QString::fromUtf8(c.caption));
    }
    if (auto* label = qobject_cast<QLabel*>(widget); label && *c.caption) {
        EXPECT_EQ(label->text(), QString::fromUtf8(c.caption));
    }
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        EXPECT_EQ(frame->title(), QString::fromUtf8(c.caption));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Twinlens, Form9LayoutTest,
    ::testing::Values(
        ControlCase{"read_picture_1", "Command1(0)", "絵１　読み込み", {24, 8, 89, 25}},
        ControlCase{"clear_slot_1", "Command2(0)", "clear", {120, 8, 33, 25}},
        ControlCase{"left_eye_label", "Label1(0)", "左目でみた写真", {0, 40, 171, 17}},
        ControlCase{"thumbnail_1", "Image1", "", {0, 56, 171, 128}},
        ControlCase{"up_up", "Command3(5)", "↑↑", {72, 192, 33, 25}},
        ControlCase{"up", "Command3(2)", "↑", {72, 224, 33, 25}},
        ControlCase{"left_left", "Command3(4)", "←←", {8, 256, 25, 33}},
        ControlCase{"left", "Command3(0)", "←", {40, 256, 25, 33}},
        ControlCase{"zero", "Command3(8)", "0", {72, 256, 33, 33}},
        ControlCase{"right", "Command3(1)", "→", {112, 256, 25, 33}},
        ControlCase{"right_right", "Command3(6)", "→→", {144, 256, 25, 33}},
        ControlCase{"down", "Command3(3)", "↓", {72, 296, 33, 25}},
        ControlCase{"down_down", "Command3(7)", "↓↓", {72, 328, 33, 25}},
        ControlCase{"read_picture_2", "Command1(1)", "絵２　読み込み", {24, 368, 89, 25}},
        ControlCase{"clear_slot_2", "Command2(1)", "clear", {120, 368, 33, 25}},
        ControlCase{"right_eye_label", "Label1(1)", "右目で見た写真", {0, 400, 171, 17}},
        ControlCase{"thumbnail_2", "Image2", "", {0, 416, 171, 128}},
        ControlCase{"convert_picture_1_only", "Command1(3)", "絵１のみ変換", {208, 8, 81, 33}},
        ControlCase{"convert_picture_2_only", "Command1(4)", "絵２のみ変換", {304, 8, 81, 33}},
        ControlCase{"convert_and_combine", "Command1(2)", "変換・合成", {568, 8, 201, 33}},
        ControlCase{"clear_composite", "Command2(2)", "clear", {776, 8, 41, 33}},
        ControlCase{"composite_label", "Label1(2)", "合成した写真", {176, 48, 641, 17}},
        ControlCase{"composite", "Picture3", "", {176, 64, 640, 480}},
        ControlCase{"settings_frame", "Frame1", "設定", {824, 56, 81, 137}},
        ControlCase{"red_cyan", "Option1(0)", "赤・水", {8, 24, 57, 17}},
        ControlCase{"standard_note", "Label2(1)", "（標準）", {8, 40, 57, 17}},
        ControlCase{"red_blue", "Option1(1)", "赤・青", {8, 64, 57, 17}},
        ControlCase{"cellophane_note", "Label2(0)", "（セロファン）", {8, 80, 65, 17}},
        ControlCase{"red_green", "Option1(2)", "赤・緑", {8, 104, 57, 17}},
        ControlCase{"decoration", "Image3", "", {848, 488, 49, 49}}),
    ByCaseName());

TEST_F(Form9Test, IsAFixedWindowWithoutAMaximiseButton) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Twinlens"));
    EXPECT_EQ(window.centralWidget()->size(), QSize(912, 549));
    window.show();
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(window.centralWidget()->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
}

TEST_F(Form9Test, LabelsUseAJapaneseGothicAtTheirSizes) {
    const QString family = Form9::labelFontFamily();
    EXPECT_TRUE(QStringList({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                             QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
                             QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック")})
                    .contains(family))
        << family.toStdString();
    for (const char* name : {"Label1(0)", "Label1(1)", "Label1(2)"}) {
        EXPECT_EQ(control<QLabel>(name)->font().family(), family) << name;
        EXPECT_DOUBLE_EQ(control<QLabel>(name)->font().pointSizeF(), 9.75) << name;
    }
    for (const char* name : {"Label2(0)", "Label2(1)"})
        EXPECT_DOUBLE_EQ(control<QLabel>(name)->font().pointSizeF(), 8.25) << name;
}

TEST_F(Form9Test, MenusCarryTheirItemsWithoutShortcuts) {
    const struct {
        const char* name;
        const char* caption;
    } items[] = {
        {"mnuopen1", "絵１を開く"},     {"mnuopen2", "絵２を開く"}, {"mnusave", "保存"},
        {"mnuprint", "印刷"},           {"mnucopy", "コピー"},      {"mnupaste1", "絵１に貼り付け"},
        {"mnupaste2", "絵２に貼り付け"}};
    for (const auto& item : items) {
        QAction* action = control<QAction>(item.name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), QString::fromUtf8(item.caption));
        EXPECT_TRUE(action->shortcut().isEmpty()) << item.name;
    }
    EXPECT_TRUE(control<QAction>("mnu1")->isSeparator());
    EXPECT_TRUE(control<QAction>("mnu2")->isSeparator());
    EXPECT_EQ(control<QMenu>("mnufile")->title(), QStringLiteral("ファイル"));
    EXPECT_EQ(control<QMenu>("mnuhenshu")->title(), QStringLiteral("編集"));
    for (const char* name : {"CommonDialog1", "CommonDialog2", "CommonDialog3", "CommonDialog4"})
        EXPECT_NE(window.findChild<QObject*>(QString::fromUtf8(name)), nullptr) << name;
}

TEST_F(Form9Test, StartsWithABlackCompositeAndEmptyThumbnails) {
    EXPECT_TRUE(control<QRadioButton>("Option1(0)")->isChecked());
    const QImage shown = shownComposite();
    EXPECT_EQ(shown.size(), QSize(640, 480));
    EXPECT_EQ(shown.pixel(0, 0) & 0xFFFFFFu, rgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(639, 479) & 0xFFFFFFu, rgb(0, 0, 0));
    EXPECT_TRUE(control<ThumbnailView>("Image1")->picture().isNull());
    EXPECT_TRUE(control<ThumbnailView>("Image2")->picture().isNull());
}

TEST_F(Form9Test, ACloseRequestEndsTheProgram) {
    window.show();
    EXPECT_TRUE(window.close());
    EXPECT_EQ(quits, 1);
}

// --- The slots ----------------------------------------------------------------------------

TEST_F(Form9Test, LeftPressOnAThumbnailOpensThatSlot) {
    platform.openAnswers.push_back(writeFile("right.bmp", solidPicture(30, 30, kPhoto2)));
    press("Image2", Qt::LeftButton);
    ASSERT_EQ(platform.openRequests.size(), 1u);
    EXPECT_EQ(platform.openRequests[0].filter,
              QStringLiteral("(*.bmp;*.gif;*.jpg)|*.bmp;*.gif;*.jpg"));
    EXPECT_EQ(platform.openRequests[0].filterIndex, 0);
    EXPECT_TRUE(platform.openRequests[0].fileName.isEmpty());
    EXPECT_TRUE(platform.openRequests[0].cancelIsFailure);
    EXPECT_EQ(window.anaglyph().path2(), file("right.bmp"));
    EXPECT_EQ(control("Image2")->size(), QSize(128, 128)) << "a square thumbnail, 1920 twips";
    EXPECT_EQ(control("Image2")->pos(), QPoint(0, 416));
    EXPECT_FALSE(control<ThumbnailView>("Image2")->picture().isNull());
}

TEST_F(Form9Test, RightPressAsksBeforePasting) {
    platform.clipboard = solidPicture(40, 30, kPhoto1);
    platform.messageAnswers.push_back(MessageAnswer::Cancel);
    press("Image1", Qt::RightButton);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              QStringLiteral("絵１にクリップボードの内容をはりつけますか"));
    EXPECT_EQ(platform.messages[0].title, QStringLiteral("確認"));
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_FALSE(window.anaglyph().hasPicture1()) << "Cancel pastes nothing";

    platform.messageAnswers.push_back(MessageAnswer::Ok);
    press("Image2", Qt::RightButton);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].text,
              QStringLiteral("絵２にクリップボードの内容をはりつけますか"));
    EXPECT_EQ(window.anaglyph().sourceKind2(), SourceKind::Clipboard);
    EXPECT_EQ(control("Image2")->size(), QSize(171, 128));
}

TEST_F(Form9Test, MiddlePressDoesNothing) {
    platform.clipboard = solidPicture(4, 3, kPhoto1);
    press("Image1", Qt::MiddleButton);
    press("Image2", Qt::MiddleButton);
    EXPECT_TRUE(platform.openRequests.empty());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(window.anaglyph().hasPicture1());
}

TEST_F(Form9Test, PasteMenuItemsPasteWithoutAsking) {
    platform.clipboard = solidPicture(4, 3, kPhoto1);
    trigger("mnupaste1");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(window.anaglyph().hasPicture1());
}

TEST_F(Form9Test, AFailedOpenOrPasteKeepsTheComposite) {
    platform.clipboard = solidPicture(4, 3, kPhoto1);
    trigger("mnupaste1");
    click("Command1(2)");
    const QImage before = shownComposite();
    platform.clipboard.reset();
    trigger("mnupaste1");
    click("Command1(0)");  // the open dialog answers Cancel
    platform.openAnswers.push_back(file("missing.jpg"));
    trigger("mnuopen2");
    EXPECT_EQ(shownComposite(), before);
    EXPECT_TRUE(window.anaglyph().hasPicture1());
}

// --- Conversion, nudging and the outputs --------------------------------------------------

TEST_F(Form9Test, TheColourOptionShowsAtTheNextConversion) {
    platform.clipboard = solidPicture(4, 3, rgb(255, 255, 255));
    trigger("mnupaste1");
    trigger("mnupaste2");
    click("Command1(2)");
    control<QRadioButton>("Option1(2)")->click();
    EXPECT_EQ(shownComposite().pixel(5, 5) & 0xFFFFFFu, rgb(255, 255, 255));
    click("Command1(2)");
    EXPECT_EQ(shownComposite().pixel(5, 5) & 0xFFFFFFu, rgb(255, 255, 0));
}

TEST_F(Form9Test, ArrowPadShiftsPhotograph1AndCopyHandsOutTheCrop) {
    platform.clipboard = noisePicture(64, 48);
    trigger("mnupaste1");
    for (const char* name : {"Command3(1)", "Command3(1)", "Command3(2)"}) click(name);
    EXPECT_EQ(window.anaglyph().offsetX(), 30);
    EXPECT_EQ(window.anaglyph().offsetY(), -15);
    const QImage composite = window.anaglyph().composite().picture();
    trigger("mnucopy");
    ASSERT_TRUE(platform.clipboard);
    EXPECT_EQ(platform.clipboard->size(), QSize(638, 479));
    EXPECT_EQ(*platform.clipboard, composite.copy(2, 0, 638, 479));
    const QImage first = *platform.clipboard;
    trigger("mnucopy");
    EXPECT_EQ(*platform.clipboard, first) << "a repeated copy hands out the same picture";
}

// The window's save and the command line write the same bytes.
TEST_F(Form9Test, SaveWritesWhatTheCommandLineWrites) {
    const QString left = writeFile("left.bmp", noisePicture(80, 60, 11));
    const QString right = writeFile("right.bmp", noisePicture(60, 80, 12));
    platform.openAnswers.push_back(left);
    click("Command1(0)");
    platform.openAnswers.push_back(right);
    click("Command1(1)");
    control<QRadioButton>("Option1(1)")->click();
    for (const char* name : {"Command3(6)", "Command3(0)", "Command3(7)", "Command3(2)"})
        click(name);
    click("Command1(2)");
    platform.saveAnswers.push_back(file("window.bmp"));
    trigger("mnusave");
    ASSERT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_EQ(platform.saveRequests[0].filter, QStringLiteral("(*.bmp)|*.bmp"));

    QString errors;
    QTextStream err(&errors);
    ASSERT_EQ(
        RunCommandLine({"--colors", "blue", "--shift", "60,60", "-o", file("cli.bmp"), left, right},
                       err),
        kExitSuccess)
        << errors.toStdString();
    QFile saved(file("window.bmp"));
    QFile written(file("cli.bmp"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray savedBytes = saved.readAll();
    EXPECT_GT(savedBytes.size(), 54);
    EXPECT_EQ(savedBytes, written.readAll());
}

TEST_F(Form9Test, ACancelledSaveWritesNothing) {
    trigger("mnusave");
    EXPECT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(Form9Test, PrintShowsThePaperDialogAndPrintsTheCrop) {
    platform.clipboard = solidPicture(4, 3, kPhoto1);
    trigger("mnupaste1");
    click("Command3(6)");
    trigger("mnuprint");
    sheetout::PaperDialog* dialog = window.sheetOutput().paperDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    auto log = std::make_shared<RecordingPrinter::Log>();
    platform.answerPrinterWith(log);
    // The arrow pad still works while the dialog is open; the print crops what is shown then.
    click("Command3(6)");
    dialog->findChild<QPushButton*>(QStringLiteral("Command1(0)"))->click();
    ASSERT_EQ(log->drawings.size(), 1u);
    EXPECT_EQ(log->drawings[0].picture.size(), QSize(630, 480));
    EXPECT_TRUE(log->ended);
    EXPECT_FALSE(dialog->isVisible());
}

// A scene drawn twice from two eyes a little apart: near things shift more than far ones.
QImage stereoView(int eye) {
    QImage view(640, 480, QImage::Format_RGB32);
    QPainter painter(&view);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 300);
    sky.setColorAt(0, QColor(110, 170, 235));
    sky.setColorAt(1, QColor(200, 225, 250));
    painter.fillRect(0, 0, 640, 300, sky);
    painter.fillRect(0, 300, 640, 180, QColor(90, 160, 70));
    auto at = [eye](double x, double depth) { return x + eye * depth; };
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 220, 60));
    painter.drawEllipse(QPointF(at(520, 1), 80), 40, 40);
    painter.setBrush(QColor(200, 60, 50));
    painter.drawPolygon(
        QPolygonF({QPointF(at(150, 6), 200), QPointF(at(250, 6), 130), QPointF(at(350, 6), 200)}));
    painter.setBrush(QColor(240, 230, 210));
    painter.drawRect(QRectF(at(170, 6), 200, 160, 120));
    painter.setBrush(QColor(110, 70, 40));
    painter.drawRect(QRectF(at(460, 12), 250, 24, 150));
    painter.setBrush(QColor(40, 120, 50));
    painter.drawEllipse(QPointF(at(472, 12), 230), 60, 70);
    painter.setBrush(QColor(60, 90, 200));
    painter.drawEllipse(QPointF(at(300, 20), 420), 45, 45);
    return view;
}

TEST_F(Form9Test, AStereoPairCombinesIntoAnAnaglyph) {
    platform.clipboard = stereoView(+1);
    trigger("mnupaste1");
    platform.clipboard = stereoView(-1);
    trigger("mnupaste2");
    click("Command1(2)");
    window.show();
    const QImage grabbed = window.grab().toImage();
    if (const QString grabs = qEnvironmentVariable("PICTURECRAFT_GRAB_DIR"); !grabs.isEmpty())
        grabbed.save(grabs + QStringLiteral("/twinlens-window.png"));
    // The near ball shifts 40 pixels between the eyes: its left edge shows in one eye only.
    const QImage composite = shownComposite();
    const QRgb leftFringe = composite.pixel(300 - 45 - 10, 420) & 0xFFFFFFu;
    const QRgb rightFringe = composite.pixel(300 + 45 + 10, 420) & 0xFFFFFFu;
    EXPECT_NE(leftFringe, rightFringe);
    EXPECT_EQ(qRed(composite.pixel(300, 420)), 60) << "the ball's middle is seen by both eyes";
    EXPECT_EQ(qBlue(composite.pixel(300, 420)), 200);
}

}  // namespace
