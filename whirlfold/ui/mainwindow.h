#pragma once

// MainWindow (Form1): Whirlfold's start-up window. Four picture slots shown as thumbnails with
// their hexagon guides, the open buttons, Convert and the status text. It owns the program's
// state (slots, fitMode, currentSlot, the sheet sizes), the sheet window Form2 and the
// picture-size dialog Form4, both created hidden at start-up.
//
// Convert shows "ちょっと待ってね" and arms the one-shot timer with 1000 ms; the tick stops the
// timer and runs the whole conversion without yielding, so the wait text is on screen while the
// sheet is built, then shows the sheet window.

#include <array>
#include <functional>
#include <memory>

#include <QLabel>
#include <QMainWindow>
#include <QPushButton>

#include "canvasview.h"
#include "picturefit.h"
#include "picturesizedialog.h"
#include "pictureslots.h"
#include "platform.h"
#include "sheetcanvases.h"
#include "sheetwindow.h"

namespace picturecraft::whirlfold {

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Runs the start-up sequence. `quit` ends the program; it runs on a close request of this
    // window or of the sheet window. The platform outlives the window.
    MainWindow(Platform& platform, std::function<void()> quit);
    ~MainWindow() override;

    // The operations of the slots; each works on currentSlot and fails silently.
    // OpenPictureFile: the open dialog, then LoadPictureFile with the chosen path.
    void OpenPictureFile();
    void LoadPictureFile();
    // Fills the slot from the clipboard's picture, without asking.
    void PastePicture();

    // Label1 reads "ちょっと待ってね" and shows, Convert hides.
    void ShowWaitNotice();

    PictureSlots& pictureSlots() { return slots_; }
    SheetWindow& sheetWindow() { return *sheetWindow_; }
    PictureSizeDialog& pictureSizeDialog() { return *pictureSizeDialog_; }
    FitMode fitMode() const { return fitMode_; }
    int currentSlot() const { return currentSlot_; }
    const QString& pictureFile() const { return pictureFile_; }
    const SheetSizes& sheetSizes() const { return sheetSizes_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void BuildControls();
    void BuildMenus();
    void RunStartup();
    void ConvertClicked();
    void ConvertOnTick();
    void ThumbnailPressed(int slot, Qt::MouseButton button);
    void ShowConvertReady();
    void ShowWaitingForPictures();
    void RefreshThumbnail(int slot);

    Platform& platform_;
    std::function<void()> quit_;
    PictureSlots slots_;
    std::unique_ptr<SheetWindow> sheetWindow_;
    std::unique_ptr<PictureSizeDialog> pictureSizeDialog_;
    std::unique_ptr<Timer> timer_;

    FitMode fitMode_ = FitMode::Wide;
    int currentSlot_ = 0;
    QString pictureFile_;
    SheetSizes sheetSizes_;

    std::array<CanvasView*, kSlotCount> thumbnailViews_{};  // by slot
    QPushButton* convertButton_ = nullptr;                  // Command1
    QLabel* statusLabel_ = nullptr;                         // Label1
    bool placed_ = false;
};

}  // namespace picturecraft::whirlfold
