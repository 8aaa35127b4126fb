#pragma once

// SheetWindow (Form2): shows the finished cut-out sheet after each conversion. It owns the two
// sheet canvases (the sheet Picture1, hidden under the backdrop Picture3) and the sheet output
// (save, paper dialog, printing). At its design size only the left 782 pixels of the backdrop
// are in view; enlarging the window shows the rest.

#include <functional>

#include <QMainWindow>
#include <QPushButton>

#include "canvasview.h"
#include "platform.h"
#include "sheetcanvases.h"
#include "sheetout.h"

namespace picturecraft::whirlfold {

class SheetWindow : public QMainWindow {
    Q_OBJECT
  public:
    // `quit` ends the program; it runs on a close request. The platform outlives the window.
    SheetWindow(Platform& platform, std::function<void()> quit);

    SheetCanvases& canvases() { return canvases_; }
    sheetout::SheetOutput& sheetOutput() { return output_; }

    // After the canvases were resized: the views follow their canvases' sizes.
    void SyncCanvasSizes();
    // Shows the window modeless with the canvases' current contents, in front.
    void ShowSheet();

  signals:
    // "もどる" was clicked; the main window restores itself and hides this window.
    void backRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void BuildMenus();

    SheetCanvases canvases_;
    sheetout::SheetOutput output_;
    std::function<void()> quit_;
    CanvasView* sheetView_ = nullptr;
    CanvasView* backdropView_ = nullptr;
    bool placed_ = false;
};

}  // namespace picturecraft::whirlfold
