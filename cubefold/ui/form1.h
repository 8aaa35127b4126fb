#pragma once

// Form1: Cubefold's main window. It holds mainCanvas (the fitted picture), the message line, the
// Convert button, the File menu and the one-shot conversion timer.
//
//   state              Command1   Label1
//   no picture         hidden     "ファイルから絵を開いてください"
//   picture loaded     shown      hidden (caption preset to "ちょっと待ってね")
//   pending/converting hidden     "ちょっと待ってね"
//   sheet shown        hidden     "ちょっと待ってね"
//   returned (Back)    shown      "ファイルから絵を開いてください"

#include <functional>
#include <memory>

#include <QMainWindow>

#include "canvas.h"
#include "conversion.h"
#include "platform.h"

class QAction;
class QLabel;
class QPushButton;

namespace picturecraft {
class CanvasView;
}

namespace picturecraft::cubefold {

class Form2;

class Form1 : public QMainWindow {
    Q_OBJECT
  public:
    // The platform must outlive the window. `quit` ends the program; it defaults to
    // QCoreApplication::quit.
    explicit Form1(Platform& platform, std::function<void()> quit = {});
    ~Form1() override;

    Canvas& mainCanvas() { return mainCanvas_; }
    const QString& pictureFile() const { return pictureFile_; }
    // The sheet window, or nullptr before the first conversion creates it.
    Form2* sheetWindow() const { return form2_.get(); }

    // Convert: the wait notice, then the timer armed for 1000 ms.
    void Command1_Click();
    // The timer's tick: the whole conversion, then the sheet window shown.
    void Timer1_Timer();
    // File > Open: the open dialog, then LoadMainPicture.
    void menuopen_Click();
    void ShowWaitNotice();
    // Clears mainCanvas, then draws pictureFile fitted; on success offers Convert. An
    // undecodable file leaves mainCanvas white and the controls as they were.
    void LoadMainPicture();
    // The sheet window's Back: the start message and Convert, the sheet hidden, this shown.
    void ReturnFromSheet();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void buildControls();
    void buildMenu();
    Form2& sheetWindowCreated();

    Platform& platform_;
    std::function<void()> quit_;
    Canvas mainCanvas_;
    QString pictureFile_;
    Conversion conversion_;
    std::unique_ptr<Timer> timer1_;
    std::unique_ptr<Form2> form2_;
    CanvasView* picture1_ = nullptr;
    QLabel* label1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QAction* menuopen_ = nullptr;
    bool placed_ = false;
};

}  // namespace picturecraft::cubefold
