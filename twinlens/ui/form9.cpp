#include "form9.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "artwork.h"
#include "canvasview.h"
#include "commondialog.h"
#include "thumbnailview.h"

namespace picturecraft::twinlens {

namespace {

// Positions and sizes are laid out in twips, 15 to a pixel.
QRect twips(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

QString hex(QRgb colour) {
    return QStringLiteral("#%1").arg(colour & 0xFFFFFFu, 6, 16, QLatin1Char('0'));
}

struct ButtonLayout {
    const char* name;
    const char* caption;
    QRect place;  // pixels
    QRgb back;
};

// A push button drawn in the graphical style, filled with its back colour.
QPushButton* makeButton(QWidget* parent, const ButtonLayout& layout) {
    auto* button = new QPushButton(QString::fromUtf8(layout.caption), parent);
    button->setObjectName(QString::fromUtf8(layout.name));
    button->setGeometry(layout.place);
    button->setFocusPolicy(Qt::TabFocus);
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 2px outset "
                                         "%1; } QPushButton:pressed { border-style: inset; }")
                              .arg(hex(layout.back)));
    return button;
}

void paintWith(QWidget* widget, QRgb back, QRgb text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(back));
    palette.setColor(QPalette::WindowText, QColor::fromRgb(text));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel* makeLabel(QWidget* parent, const char* name, const char* caption, QRect place, QRgb back,
                  QRgb text, double points, bool bordered) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(place);
    label->setAlignment(Qt::AlignCenter);
    paintWith(label, back, text);
    QFont font(Form9::labelFontFamily());
    font.setPointSizeF(points);
    label->setFont(font);
    if (bordered) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
    }
    return label;
}

const QString kPasteQuestion1 = QStringLiteral("絵１にクリップボードの内容をはりつけますか");
const QString kPasteQuestion2 = QStringLiteral("絵２にクリップボードの内容をはりつけますか");
const QString kConfirmTitle = QStringLiteral("確認");

constexpr QRgb kWindowBack = 0xC0C0C0;
constexpr QRgb kBlack = 0x000000;

}  // namespace

Form9::Form9(Platform& platform, QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      sheetOutput_(sheetout::Variant::Twinlens, platform,
                   sheetout::SheetSource{[this]() -> const Canvas& { return anaglyph_.output(); },
                                         [this] { anaglyph_.CropOutput(); },
                                         {}}),
      quit_([] { QApplication::quit(); }) {
    setObjectName(QStringLiteral("form9"));
    setWindowTitle(QStringLiteral("Twinlens"));
    setWindowIcon(QIcon(QPixmap::fromImage(GlassesPicture(32))));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    QFont font(labelFontFamily());
    font.setPointSizeF(9.0);
    setFont(font);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(13680 / 15, 8235 / 15);
    paintWith(client, kWindowBack, kBlack);
    setCentralWidget(client);
    commonDialog1_ = new CommonDialog(QStringLiteral("CommonDialog1"), platform_, this);
    commonDialog2_ = new CommonDialog(QStringLiteral("CommonDialog2"), platform_, this);
    // The save and printer dialogs of the outputs, shown by the sheet output.
    commonDialog3_ = new CommonDialog(QStringLiteral("CommonDialog3"), platform_, this);
    commonDialog4_ = new CommonDialog(QStringLiteral("CommonDialog4"), platform_, this);
    buildControls(client);
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    showState();
}

Form9::~Form9() = default;

QString Form9::openFilter() {
    return QStringLiteral("(*.bmp;*.gif;*.jpg)|*.bmp;*.gif;*.jpg");
}

QString Form9::labelFontFamily() {
    const QStringList installed = QFontDatabase::families();
    for (const char* wanted : {"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic", "IPA Pゴシック",
                               "IPAGothic", "IPAゴシック"}) {
        const QString family = QString::fromUtf8(wanted);
        if (installed.contains(family)) return family;
    }
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    return japanese.isEmpty() ? QString::fromUtf8("ＭＳ Ｐゴシック") : japanese.constFirst();
}

// --- Building the window -----------------------------------------------------------------

void Form9::buildControls(QWidget* client) {
    buildSlotControls(client);
    buildConversionControls(client);
    buildArrowPad(client);
    buildSettingsFrame(client);

    picture3_ = new CanvasView(anaglyph_.composite(), client);
    picture3_->setObjectName(QStringLiteral("Picture3"));
    picture3_->move(twips(2640, 960, 0, 0).topLeft());
    picture3_->raise();

    auto* image3 = new QLabel(client);
    image3->setObjectName(QStringLiteral("Image3"));
    image3->setGeometry(twips(12720, 7320, 735, 735));
    image3->setScaledContents(true);
    image3->setPixmap(QPixmap::fromImage(GlassesPicture()));
}

void Form9::buildSlotControls(QWidget* client) {
    const ButtonLayout buttons[] = {
        {"Command1(0)", "絵１　読み込み", twips(360, 120, 1335, 375), 0xC0FFFF},
        {"Command2(0)", "clear", twips(1800, 120, 495, 375), 0xFFC0FF},
        {"Command1(1)", "絵２　読み込み", twips(360, 5520, 1335, 375), 0xFFC0C0},
        {"Command2(1)", "clear", twips(1800, 5520, 495, 375), 0xFFC0FF},
    };
    const std::function<void()> actions[] = {[this] { OpenPicture1(); }, [this] { ClearSlot1(); },
                                             [this] { OpenPicture2(); }, [this] { ClearSlot2(); }};
    for (int i = 0; i < 4; ++i)
        connect(makeButton(client, buttons[i]), &QPushButton::clicked, this, actions[i]);

    makeLabel(client, "Label1(0)", "左目でみた写真", twips(0, 600, 2565, 255), 0xC0FFFF, kBlack,
              9.75, true);
    makeLabel(client, "Label1(1)", "右目で見た写真", twips(0, 6000, 2565, 255), 0xFFC0C0, kBlack,
              9.75, true);

    image1_ = new ThumbnailView(client);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(twips(0, 840, 2565, 1920));
    connectThumbnail(image1_, 1);
    image2_ = new ThumbnailView(client);
    image2_->setObjectName(QStringLiteral("Image2"));
    image2_->setGeometry(twips(0, 6240, 2565, 1920));
    connectThumbnail(image2_, 2);
}

void Form9::buildConversionControls(QWidget* client) {
    const ButtonLayout buttons[] = {
        {"Command1(3)", "絵１のみ変換", twips(3120, 120, 1215, 495), 0xC0FFFF},
        {"Command1(4)", "絵２のみ変換", twips(4560, 120, 1215, 495), 0xFFC0C0},
        {"Command1(2)", "変換・合成", twips(8520, 120, 3015, 495), 0xC0FFC0},
        {"Command2(2)", "clear", twips(11640, 120, 615, 495), 0xFFC0FF},
    };
    const std::function<void()> actions[] = {
        [this] { runAndShow([this] { anaglyph_.ConvertLeftOnly(); }); },
        [this] { runAndShow([this] { anaglyph_.ConvertRightOnly(); }); },
        [this] { runAndShow([this] { anaglyph_.ConvertAndCombine(); }); },
        [this] { runAndShow([this] { anaglyph_.ClearComposite(); }); }};
    for (int i = 0; i < 4; ++i)
        connect(makeButton(client, buttons[i]), &QPushButton::clicked, this, actions[i]);
    makeLabel(client, "Label1(2)", "合成した写真", twips(2640, 720, 9615, 255), 0xC0FFC0, kBlack,
              9.75, true);
}

void Form9::buildArrowPad(QWidget* client) {
    const ButtonLayout buttons[] = {
        {"Command3(0)", "←", twips(600, 3840, 375, 495), 0xE0E0E0},
        {"Command3(1)", "→", twips(1680, 3840, 375, 495), 0xE0E0E0},
        {"Command3(2)", "↑", twips(1080, 3360, 495, 375), 0xE0E0E0},
        {"Command3(3)", "↓", twips(1080, 4440, 495, 375), 0xE0E0E0},
        {"Command3(4)", "←←", twips(120, 3840, 375, 495), 0xFFFFFF},
        {"Command3(5)", "↑↑", twips(1080, 2880, 495, 375), 0xFFFFFF},
        {"Command3(6)", "→→", twips(2160, 3840, 375, 495), 0xFFFFFF},
        {"Command3(7)", "↓↓", twips(1080, 4920, 495, 375), 0xFFFFFF},
        {"Command3(8)", "0", twips(1080, 3840, 495, 495), 0xC0C0C0},
    };
    for (int i = 0; i < 9; ++i) {
        connect(makeButton(client, buttons[i]), &QPushButton::clicked, this, [this, i] {
            runAndShow([this, i] { anaglyph_.Nudge(static_cast<ArrowButton>(i)); });
        });
    }
}

void Form9::buildSettingsFrame(QWidget* client) {
    constexpr QRgb kOptionText = 0xFFFF00;
    constexpr QRgb kNoteText = 0xFFE0C0;
    auto* frame = new QGroupBox(QStringLiteral("設定"), client);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(twips(12360, 840, 1215, 2055));
    paintWith(frame, kWindowBack, kOptionText);

    options_ = new QButtonGroup(this);
    const struct {
        const char* caption;
        QRect place;
    } options[] = {{"赤・水", twips(120, 360, 855, 255)},
                   {"赤・青", twips(120, 960, 855, 255)},
                   {"赤・緑", twips(120, 1560, 855, 255)}};
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(options[i].caption), frame);
        option->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        option->setGeometry(options[i].place);
        paintWith(option, kWindowBack, kOptionText);
        options_->addButton(option, i);
    }
    connect(options_, &QButtonGroup::idClicked, this, [this](int i) { anaglyph_.SetColorMode(i); });
    options_->button(0)->setChecked(true);

    makeLabel(frame, "Label2(1)", "（標準）", twips(120, 600, 855, 255), kWindowBack, kNoteText,
              8.25, false);
    makeLabel(frame, "Label2(0)", "（セロファン）", twips(120, 1200, 975, 255), kWindowBack,
              kNoteText, 8.25, false);
}

void Form9::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル"));
    file->setObjectName(QStringLiteral("mnufile"));
    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集"));
    edit->setObjectName(QStringLiteral("mnuhenshu"));
    auto item = [this](QMenu* menu, const char* name, const char* caption,
                       std::function<void()> action) {
        QAction* added = menu->addAction(QString::fromUtf8(caption));
        added->setObjectName(QString::fromUtf8(name));
        connect(added, &QAction::triggered, this, std::move(action));
    };
    auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QString::fromUtf8(name));
    };
    item(file, "mnuopen1", "絵１を開く", [this] { OpenPicture1(); });
    item(file, "mnuopen2", "絵２を開く", [this] { OpenPicture2(); });
    separator(file, "mnu2");
    item(file, "mnusave", "保存", [this] { SaveComposite(); });
    item(file, "mnuprint", "印刷", [this] { PrintComposite(); });
    item(edit, "mnucopy", "コピー", [this] { CopyComposite(); });
    separator(edit, "mnu1");
    item(edit, "mnupaste1", "絵１に貼り付け", [this] { PastePicture1(); });
    item(edit, "mnupaste2", "絵２に貼り付け", [this] { PastePicture2(); });
}

void Form9::connectThumbnail(ThumbnailView* thumbnail, int slot) {
    connect(thumbnail, &ThumbnailView::mousePressed, this, [this, slot](Qt::MouseButton button) {
        if (button == Qt::LeftButton) OpenPicture(slot);
        if (button == Qt::RightButton) askToPaste(slot);
    });
}

// --- The workflow ------------------------------------------------------------------------

void Form9::OpenPicture1() {
    OpenPicture(1);
}
void Form9::OpenPicture2() {
    OpenPicture(2);
}

void Form9::OpenPicture(int slot) {
    CommonDialog* dialog = slot == 1 ? commonDialog1_ : commonDialog2_;
    FileDialogSetup setup;
    setup.filter = openFilter();
    setup.filterIndex = 0;
    setup.initialFolder = sheetout::ProgramFolder();
    setup.fileName = QString();
    setup.cancelIsFailure = true;
    const std::optional<QString> path = dialog->ShowOpen(setup);
    if (!path) return;
    runAndShow([&] {
        if (slot == 1) anaglyph_.LoadPicture1(*path);
        if (slot == 2) anaglyph_.LoadPicture2(*path);
    });
}

void Form9::PastePicture1() {
    if (const std::optional<QImage> picture = platform_.clipboardPicture())
        runAndShow([&] { anaglyph_.PastePicture1(*picture); });
}

void Form9::PastePicture2() {
    if (const std::optional<QImage> picture = platform_.clipboardPicture())
        runAndShow([&] { anaglyph_.PastePicture2(*picture); });
}

void Form9::askToPaste(int slot) {
    const QString& question = slot == 1 ? kPasteQuestion1 : kPasteQuestion2;
    if (platform_.showMessage(question, kConfirmTitle, MessageButtons::OkCancel) !=
        MessageAnswer::Ok)
        return;
    if (slot == 1) PastePicture1();
    if (slot == 2) PastePicture2();
}

void Form9::ClearSlot1() {
    runAndShow([this] { anaglyph_.ClearSlot1(); });
}

void Form9::ClearSlot2() {
    runAndShow([this] { anaglyph_.ClearSlot2(); });
}

void Form9::CopyComposite() {
    if (!anaglyph_.CropOutput()) return;
    platform_.clearClipboard();
    platform_.putClipboardBitmap(anaglyph_.output().picture());
}

void Form9::SaveComposite() {
    if (!anaglyph_.CropOutput()) return;
    sheetOutput_.SaveSheet(anaglyph_.output());
}

void Form9::PrintComposite() {
    sheetOutput_.ShowPaperDialog();
}

void Form9::runAndShow(const std::function<void()>& step) {
    step();
    showState();
}

void Form9::showState() {
    picture3_->syncSize();
    const std::pair<ThumbnailView*, const Thumbnail*> views[] = {
        {image1_, &anaglyph_.thumbnail1()}, {image2_, &anaglyph_.thumbnail2()}};
    for (const auto& [view, thumbnail] : views) {
        if (view->picture().cacheKey() != thumbnail->picture.cacheKey() ||
            view->picture().isNull() != thumbnail->picture.isNull())
            view->setPicture(thumbnail->picture);
        view->resize(qRound(thumbnail->size.width() / 15.0),
                     qRound(thumbnail->size.height() / 15.0));
    }
}

// --- Window events -----------------------------------------------------------------------

void Form9::closeEvent(QCloseEvent* event) {
    event->accept();
    if (quit_) quit_();
}

void Form9::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (centred_ || !screen()) return;
    centred_ = true;
    QRect frame = frameGeometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
}

}  // namespace picturecraft::twinlens
