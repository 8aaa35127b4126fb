#include "mainwindow.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPolygonF>

#include "controls.h"
#include "picturefile.h"
#include "sheetconversion.h"
#include "sheetout.h"

namespace picturecraft::whirlfold {

namespace {

const QString kOpenFilter = QStringLiteral("絵ファイル(*.bmp,*.jpg,*gif)|*.bmp;*.jpg;*.gif");
const QString kWaitText = QStringLiteral("ちょっと待ってね");
const QString kOpenPicturesText = QStringLiteral("絵を開いてください");

constexpr int kPlaceStep = 2280;  // twips between neighbouring slots on screen

// Captions by place on screen, from the left, exactly as the user reads them (full-width and
// half-width digits mixed as they are).
const std::array<QString, kSlotCount> kOpenButtonCaptions{
    QStringLiteral("絵１を開く"), QStringLiteral("絵２を開く"), QStringLiteral("絵３を開く"),
    QStringLiteral("絵４を開く")};
const std::array<QString, kSlotCount> kOpenMenuCaptions{
    QStringLiteral("絵１を開く"), QStringLiteral("絵2を開く"), QStringLiteral("絵3を開く"),
    QStringLiteral("絵4を開く")};
const std::array<QString, kSlotCount> kPasteMenuCaptions{
    QStringLiteral("絵１にはりつけ"), QStringLiteral("絵２にはりつけ"),
    QStringLiteral("絵３にはりつけ"), QStringLiteral("絵４にはりつけ")};
const std::array<QString, kSlotCount> kSlotCaptions{
    // by place
    QStringLiteral("絵１"), QStringLiteral("絵2"), QStringLiteral("絵3"), QStringLiteral("絵4")};

QString pasteQuestion(int slot) {
    return QStringLiteral("クリップボードの内容を　絵") + QString::number(NumberOfSlot(slot)) +
           QStringLiteral("にはりつけていいですか");
}

// Image2: a small hexagon cut into three rhombi, the shape every picture is cut into.
QPixmap decoration() {
    QPixmap pixmap(50, 50);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(25, 25);
    const double r = 23;
    const double half = r * 0.8660254037844386;
    const QPointF top(25, 25 - r), upperRight(25 + half, 25 - r / 2),
        lowerRight(25 + half, 25 + r / 2), bottom(25, 25 + r), lowerLeft(25 - half, 25 + r / 2),
        upperLeft(25 - half, 25 - r / 2);
    painter.setPen(QPen(QColor(0, 0, 0x80), 1));
    painter.setBrush(QColor(0xFF, 0xE0, 0x80));
    painter.drawPolygon(QPolygonF({top, upperRight, centre, upperLeft}));
    painter.setBrush(QColor(0x80, 0xC0, 0xFF));
    painter.drawPolygon(QPolygonF({centre, upperRight, lowerRight, bottom}));
    painter.setBrush(QColor(0xFF, 0xA0, 0xC0));
    painter.drawPolygon(QPolygonF({centre, bottom, lowerLeft, upperLeft}));
    return pixmap;
}

}  // namespace

MainWindow::MainWindow(Platform& platform, std::function<void()> quit)
    : platform_(platform), quit_(std::move(quit)), timer_(platform.createTimer()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Whirlfold"));
    timer_->onTick([this] { ConvertOnTick(); });
    BuildControls();
    BuildMenus();
    ResizeClientArea(this, TwipsRect(0, 0, 9720, 4560).size());
    RunStartup();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Form1.client"));
    setCentralWidget(client);

    for (int place = 0; place < kSlotCount; ++place) {
        const int slot = SlotAtPlace(place);
        const int step = kPlaceStep * place;
        QPushButton* open = MakeColouredButton(client, QStringLiteral("Command2(%1)").arg(place),
                                               kOpenButtonCaptions.at(place), rgb(0xFF, 0xFF, 0xC0),
                                               TwipsRect(480 + step, 120, 1575, 375));
        connect(open, &QPushButton::clicked, this, [this, slot] {
            currentSlot_ = slot;
            OpenPictureFile();
        });

        auto* view = new CanvasView(slots_.thumbnail(slot), client);
        view->setObjectName(QStringLiteral("Picture4(%1)").arg(slot));
        view->move(TwipsRect(240 + step, 600, 0, 0).topLeft());
        connect(view, &CanvasView::mousePressed, this,
                [this, slot](Qt::MouseButton button) { ThumbnailPressed(slot, button); });
        thumbnailViews_.at(slot) = view;

        MakeLabel(client, QStringLiteral("Label2(%1)").arg(slot), kSlotCaptions.at(place),
                  TwipsRect(720 + step, 2880, 1215, 255), Qt::AlignCenter);
    }

    convertButton_ =
        MakeColouredButton(client, QStringLiteral("Command1"), QStringLiteral("変換（へんかん）"),
                           rgb(0xC0, 0xFF, 0xFF), TwipsRect(360, 3600, 1815, 735));
    connect(convertButton_, &QPushButton::clicked, this, &MainWindow::ConvertClicked);

    statusLabel_ =
        MakeLabel(client, QStringLiteral("Label1"), QString(), TwipsRect(6600, 4080, 1935, 255));
    QPalette blueText = statusLabel_->palette();
    blueText.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xFF));
    statusLabel_->setPalette(blueText);

    QLabel* image = MakeLabel(client, QStringLiteral("Image2"), QString(),
                              TwipsRect(8640, 3720, 750, 750), Qt::AlignCenter);
    image->setPixmap(decoration());
}

void MainWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル"));
    file->setObjectName(QStringLiteral("mnufile"));
    QMenu* edit = menuBar()->addMenu(QStringLiteral("へんしゅう"));
    edit->setObjectName(QStringLiteral("mnuhenshu"));
    QMenu* settings = menuBar()->addMenu(QStringLiteral("せってい"));
    settings->setObjectName(QStringLiteral("mnuset"));

    for (int place = 0; place < kSlotCount; ++place) {
        const int slot = SlotAtPlace(place);
        QAction* open = file->addAction(kOpenMenuCaptions.at(place));
        open->setObjectName(QStringLiteral("menuopen%1").arg(place + 1));
        connect(open, &QAction::triggered, this, [this, slot] {
            currentSlot_ = slot;
            OpenPictureFile();
        });
        QAction* paste = edit->addAction(kPasteMenuCaptions.at(place));
        paste->setObjectName(QStringLiteral("mnupaste%1").arg(place + 1));
        connect(paste, &QAction::triggered, this, [this, slot] {
            currentSlot_ = slot;
            PastePicture();
        });
    }

    QAction* size = settings->addAction(QStringLiteral("元の絵の大きさ"));
    size->setObjectName(QStringLiteral("mnuookisa"));
    connect(size, &QAction::triggered, this, [this] {
        pictureSizeDialog_->show();
        pictureSizeDialog_->raise();
        pictureSizeDialog_->activateWindow();
    });
}

void MainWindow::RunStartup() {
    pictureSizeDialog_ =
        std::make_unique<PictureSizeDialog>([this](int index) { fitMode_ = FitMode(index); });
    pictureSizeDialog_->SelectOption(0);
    fitMode_ = FitMode::Wide;

    sheetWindow_ = std::make_unique<SheetWindow>(platform_, quit_);
    connect(sheetWindow_.get(), &SheetWindow::backRequested, this,
            &MainWindow::ShowWaitingForPictures);
    sheetWindow_->sheetOutput().paperSettings().paperSize = 2;
    sheetSizes_ = sheetWindow_->canvases().SizeForStartup();
    sheetWindow_->SyncCanvasSizes();

    for (int slot = 0; slot < kSlotCount; ++slot) {
        currentSlot_ = slot;
        slots_.SizeForStartup(slot);
        thumbnailViews_.at(slot)->syncSize();
    }

    convertButton_->hide();
    statusLabel_->setText(kOpenPicturesText);
    statusLabel_->show();
}

void MainWindow::OpenPictureFile() {
    FileDialogSetup setup;
    setup.cancelIsFailure = true;
    setup.fileName = QString();
    setup.initialFolder = sheetout::ProgramFolder();
    setup.filter = kOpenFilter;
    const std::optional<QString> chosen = platform_.askOpenFile(setup);
    if (!chosen) return;
    pictureFile_ = *chosen;
    LoadPictureFile();
}

void MainWindow::LoadPictureFile() {
    const QString path = pictureFile_;
    const bool filled = slots_.FillSlot(
        currentSlot_, PictureSource::File, [&path] { return decodePictureFile(path); }, fitMode_);
    RefreshThumbnail(currentSlot_);
    if (filled) ShowConvertReady();
}

void MainWindow::PastePicture() {
    const bool filled = slots_.FillSlot(
        currentSlot_, PictureSource::Clipboard, [this] { return platform_.clipboardPicture(); },
        fitMode_);
    RefreshThumbnail(currentSlot_);
    if (filled) ShowConvertReady();
}

void MainWindow::ThumbnailPressed(int slot, Qt::MouseButton button) {
    if (button != Qt::RightButton) return;
    currentSlot_ = slot;
    const MessageAnswer answer = platform_.showMessage(pasteQuestion(slot), QStringLiteral("確認"),
                                                       MessageButtons::OkCancel);
    if (answer != MessageAnswer::Cancel) PastePicture();
}

void MainWindow::ShowWaitNotice() {
    statusLabel_->setText(kWaitText);
    statusLabel_->show();
    convertButton_->hide();
}

void MainWindow::ConvertClicked() {
    ShowWaitNotice();
    timer_->setInterval(1000);
}

void MainWindow::ConvertOnTick() {
    timer_->setInterval(0);
    SheetCanvases& canvases = sheetWindow_->canvases();
    ConvertSheet(slots_.workingCanvases(), canvases.sheet, canvases.backdrop);
    sheetWindow_->ShowSheet();
}

void MainWindow::ShowConvertReady() {
    convertButton_->show();
    statusLabel_->setText(kWaitText);
    statusLabel_->hide();
}

void MainWindow::ShowWaitingForPictures() {
    statusLabel_->setText(kOpenPicturesText);
    statusLabel_->show();
    convertButton_->show();
    sheetWindow_->hide();
    show();
    raise();
    activateWindow();
}

void MainWindow::RefreshThumbnail(int slot) {
    thumbnailViews_.at(slot)->update();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (quit_) quit_();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (placed_) return;
    placed_ = true;
    CentreOnScreen(this);
}

}  // namespace picturecraft::whirlfold
