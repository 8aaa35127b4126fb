#include "form2.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>

#include "canvasview.h"
#include "controls.h"

namespace picturecraft::cubefold {

namespace {

// Client area 14745 x 9675 twips.
constexpr int kClientWidth = pixelsFromTwips(14745);
constexpr int kClientHeight = pixelsFromTwips(9675);

}  // namespace

Form2::Form2(Platform& platform, std::function<void()> back, std::function<void()> quit)
    : back_(std::move(back)),
      quit_(std::move(quit)),
      output_(
          sheetout::Variant::Cubefold, platform,
          {[this]() -> const Canvas& { return canvases_.sheet; }, {}, [this] { showAgain(); }}) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Cubefold"));
    setWindowIcon(QIcon(cubeEmblem()));
    buildControls();
    buildMenu();
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
}

Form2::~Form2() = default;

void Form2::buildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    // The layout area is never seen; it places the face canvases the mappers fill.
    auto* picture2 = new QWidget(client);
    picture2->setObjectName(QStringLiteral("Picture2"));
    picture2->setGeometry(0, 0, kLayoutAreaWidth, kLayoutAreaHeight);
    for (size_t i = 0; i < picture1_.size(); ++i) {
        picture1_[i] = new CanvasView(canvases_.faces[i], picture2);
        picture1_[i]->setObjectName(QStringLiteral("Picture1(%1)").arg(i));
        picture1_[i]->move(kFacePlaces[i]);
    }
    picture2->hide();

    picture3_ = new CanvasView(canvases_.sheet, client);
    picture3_->setObjectName(QStringLiteral("Picture3"));
    picture3_->move(0, 0);

    command1_ = makeColouredButton(QStringLiteral("戻る"), QColor(0xFF, 0xC0, 0xFF), client);
    command1_->setObjectName(QStringLiteral("Command1(1)"));
    command1_->setGeometry(twipsRect(240, 120, 1215, 495));
    command1_->raise();
    command1_->setFocus();
    connect(command1_, &QPushButton::clicked, this, [this] { Command1_Click(1); });
}

void Form2::buildMenu() {
    QMenu* mnufile2 = menuBar()->addMenu(QStringLiteral("ファイル"));
    mnufile2->setObjectName(QStringLiteral("mnufile2"));
    QAction* mnusave = mnufile2->addAction(QStringLiteral("名前をつけて保存"));
    mnusave->setObjectName(QStringLiteral("mnusave"));
    QAction* mnuh2 = mnufile2->addSeparator();
    mnuh2->setObjectName(QStringLiteral("mnuh2"));
    QAction* mnuprint = mnufile2->addAction(QStringLiteral("印刷"));
    mnuprint->setObjectName(QStringLiteral("mnuprint"));
    connect(mnusave, &QAction::triggered, this, [this] { mnusave_Click(); });
    connect(mnuprint, &QAction::triggered, this, [this] { mnuprint_Click(); });
}

void Form2::CanvasesChanged() {
    picture3_->update();
    for (CanvasView* face : picture1_) face->update();
}

void Form2::Command1_Click(int index) {
    if (index == 1 && back_) back_();
}

void Form2::mnusave_Click() {
    output_.SaveSheet(canvases_.sheet);
}

void Form2::mnuprint_Click() {
    output_.ShowPaperDialog();
}

void Form2::showAgain() {
    show();
    raise();
    activateWindow();
}

void Form2::closeEvent(QCloseEvent* event) {
    event->accept();
    if (quit_) quit_();
}

void Form2::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (placed_) return;
    placed_ = true;
    centreOnScreen(*this);
}

}  // namespace picturecraft::cubefold
