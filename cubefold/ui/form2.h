#pragma once

// Form2: the sheet window. It shows the sheet canvas Picture3 and holds, in the hidden layout
// area Picture2, the three face canvases the mappers fill. Back returns to the main window;
// the File menu saves or prints the sheet.

#include <array>
#include <functional>

#include <QMainWindow>

#include "platform.h"
#include "sheetlayout.h"
#include "sheetout.h"

class QAction;
class QPushButton;

namespace picturecraft {
class CanvasView;
}

namespace picturecraft::cubefold {

class Form2 : public QMainWindow {
    Q_OBJECT
  public:
    // `back` runs the main window's side of Back; `quit` ends the program. The platform must
    // outlive the window.
    Form2(Platform& platform, std::function<void()> back, std::function<void()> quit);
    ~Form2() override;

    SheetCanvases& canvases() { return canvases_; }
    // Saving and printing of the sheet canvas, with the program's paper settings.
    sheetout::SheetOutput& sheetOutput() { return output_; }
    Canvas& sheetCanvas() { return canvases_.sheet; }

    // Repaints the sheet and face views after a conversion changed their canvases.
    void CanvasesChanged();

    // Back ("戻る", Command1(1)).
    void Command1_Click(int index);
    // File > Save As: the save dialog, then the sheet canvas's raster as a bitmap.
    void mnusave_Click();
    // File > Print: the paper dialog Form3, modeless; its ＯＫ prints the sheet canvas, and
    // either of its buttons shows this window again.
    void mnuprint_Click();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void buildControls();
    void buildMenu();
    void showAgain();

    std::function<void()> back_;
    std::function<void()> quit_;
    SheetCanvases canvases_;
    sheetout::SheetOutput output_;
    CanvasView* picture3_ = nullptr;
    std::array<CanvasView*, 3> picture1_{};
    QPushButton* command1_ = nullptr;
    bool placed_ = false;
};

}  // namespace picturecraft::cubefold
