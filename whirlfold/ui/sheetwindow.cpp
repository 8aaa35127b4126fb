#include "sheetwindow.h"

#include <QCloseEvent>
#include <QMenuBar>

#include "controls.h"

namespace picturecraft::whirlfold {

SheetWindow::SheetWindow(Platform& platform, std::function<void()> quit)
    : output_(sheetout::Variant::Whirlfold, platform,
              sheetout::SheetSource{
                  [this]() -> const Canvas& { return canvases_.backdrop; },
                  {},
                  [this] { ShowSheet(); },
              }),
      quit_(std::move(quit)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Whirlfold"));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Form2.client"));
    setCentralWidget(client);

    sheetView_ = new CanvasView(canvases_.sheet, client);
    sheetView_->setObjectName(QStringLiteral("Picture1"));
    sheetView_->move(0, 0);
    backdropView_ = new CanvasView(canvases_.backdrop, client);
    backdropView_->setObjectName(QStringLiteral("Picture3"));
    backdropView_->move(0, 0);

    QPushButton* back =
        MakeColouredButton(client, QStringLiteral("Command1(1)"), QStringLiteral("もどる"),
                           rgb(0xFF, 0xC0, 0xFF), TwipsRect(120, 8040, 1215, 495));
    connect(back, &QPushButton::clicked, this, &SheetWindow::backRequested);

    BuildMenus();
    ResizeClientArea(this, TwipsRect(0, 0, 11730, 8655).size());
}

void SheetWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル"));
    file->setObjectName(QStringLiteral("mnufile2"));
    QAction* save = file->addAction(QStringLiteral("名前をつけて　ほぞん"));
    save->setObjectName(QStringLiteral("mnusave"));
    connect(save, &QAction::triggered, this, [this] { output_.SaveSheet(canvases_.backdrop); });
    QAction* separator = file->addSeparator();
    separator->setObjectName(QStringLiteral("mnuh2"));
    QAction* print = file->addAction(QStringLiteral("いんさつ"));
    print->setObjectName(QStringLiteral("mnuprint"));
    connect(print, &QAction::triggered, this, [this] { output_.ShowPaperDialog(); });
}

void SheetWindow::SyncCanvasSizes() {
    sheetView_->syncSize();
    backdropView_->syncSize();
}

void SheetWindow::ShowSheet() {
    sheetView_->update();
    backdropView_->update();
    show();
    raise();
    activateWindow();
}

void SheetWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (quit_) quit_();
}

void SheetWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (placed_) return;
    placed_ = true;
    CentreOnScreen(this);
}

}  // namespace picturecraft::whirlfold
