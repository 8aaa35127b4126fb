#include "form1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include "canvasview.h"
#include "controls.h"
#include "form2.h"
#include "picturefit.h"
#include "sheetlayout.h"
#include "sheetout.h"

namespace picturecraft::cubefold {

namespace {

const QString kOpenPrompt = QStringLiteral("ファイルから絵を開いてください");
const QString kWaitNotice = QStringLiteral("ちょっと待ってね");
const QString kPictureFilter = QStringLiteral("絵ファイル(*.bmp,*.jpg,*gif)|*.bmp;*.jpg;*.gif");
constexpr int kConversionDelayMs = 1000;

// Client area 15240 x 10710 twips.
constexpr int kClientWidth = pixelsFromTwips(15240);
constexpr int kClientHeight = pixelsFromTwips(10710);

}  // namespace

Form1::Form1(Platform& platform, std::function<void()> quit)
    : platform_(platform),
      quit_(quit ? std::move(quit) : [] { QCoreApplication::quit(); }),
      mainCanvas_(MakeMainCanvas()),
      timer1_(platform.createTimer()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Cubefold"));
    setWindowIcon(QIcon(cubeEmblem()));
    buildControls();
    buildMenu();
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    timer1_->onTick([this] { Timer1_Timer(); });

    command1_->hide();
    label1_->show();
    label1_->setText(kOpenPrompt);
}

Form1::~Form1() = default;

void Form1::buildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    picture1_ = new CanvasView(mainCanvas_, client);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->move(0, 0);

    auto* image2 = new QLabel(picture1_);
    image2->setObjectName(QStringLiteral("Image2"));
    image2->setPixmap(cubeEmblem());
    image2->setGeometry(twipsRect(120, 120, 750, 750));

    label1_ = new QLabel(picture1_);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(twipsRect(1080, 360, 2535, 255));
    label1_->setAutoFillBackground(true);
    QPalette white = label1_->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    label1_->setPalette(white);
    fitFontToWidth(*label1_, {kOpenPrompt, kWaitNotice});

    command1_ = makeColouredButton(QStringLiteral("変換"), QColor(0xC0, 0xFF, 0xFF), client);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setGeometry(twipsRect(120, 960, 1935, 615));
    command1_->raise();
    command1_->setFocus();
    connect(command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form1::buildMenu() {
    QMenu* mnufile = menuBar()->addMenu(QStringLiteral("ファイル"));
    mnufile->setObjectName(QStringLiteral("mnufile"));
    menuopen_ = mnufile->addAction(QStringLiteral("開く"));
    menuopen_->setObjectName(QStringLiteral("menuopen"));
    connect(menuopen_, &QAction::triggered, this, [this] { menuopen_Click(); });
}

void Form1::ShowWaitNotice() {
    label1_->setText(kWaitNotice);
    label1_->show();
    command1_->hide();
}

void Form1::Command1_Click() {
    ShowWaitNotice();
    timer1_->setInterval(kConversionDelayMs);
}

void Form1::Timer1_Timer() {
    timer1_->setInterval(0);
    Form2& sheet = sheetWindowCreated();
    conversion_.Run(mainCanvas_, sheet.canvases());
    sheet.CanvasesChanged();
    sheet.show();
    sheet.raise();
    sheet.activateWindow();
}

Form2& Form1::sheetWindowCreated() {
    if (!form2_)
        form2_ = std::make_unique<Form2>(
            platform_, [this] { ReturnFromSheet(); }, quit_);
    return *form2_;
}

void Form1::menuopen_Click() {
    FileDialogSetup setup;
    setup.cancelIsFailure = true;
    setup.fileName = QString();
    setup.initialFolder = sheetout::ProgramFolder();
    setup.filter = kPictureFilter;
    const std::optional<QString> chosen = platform_.askOpenFile(setup);
    if (!chosen) return;
    pictureFile_ = *chosen;
    LoadMainPicture();
}

void Form1::LoadMainPicture() {
    const bool loaded = cubefold::LoadMainPicture(pictureFile_, mainCanvas_);
    picture1_->update();
    if (!loaded) return;
    command1_->show();
    label1_->setText(kWaitNotice);
    label1_->hide();
}

void Form1::ReturnFromSheet() {
    label1_->setText(kOpenPrompt);
    label1_->show();
    command1_->show();
    if (form2_) form2_->hide();
    show();
    raise();
    activateWindow();
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    quit_();
}

void Form1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (placed_) return;
    placed_ = true;
    centreOnScreen(*this);
}

}  // namespace picturecraft::cubefold
