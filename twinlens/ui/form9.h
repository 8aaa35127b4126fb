#pragma once

// Form9: Twinlens's main window `form9` (client area 13680 x 8235 twips, 912 x 549 pixels).
//
//   slot 1: read, clear, label, thumbnail 1      conversion buttons along the top
//   arrow pad (nine buttons)                     label and composite Picture3 (640 x 480)
//   slot 2: read, clear, label, thumbnail 2      settings frame (colour option) at the right
//
// The window owns the workflow: its handlers ask the Platform for files, the clipboard and
// answers, run the Anaglyph, and show the result. Controls carry their names as objectName
// ("Command1(2)", "Image1", "mnupaste2"), so tests find them as a person finds them.

#include <functional>

#include <QMainWindow>

#include "anaglyph.h"
#include "platform.h"
#include "sheetout.h"

class QButtonGroup;
class QLabel;
class QPushButton;

namespace picturecraft {
class CanvasView;
}

namespace picturecraft::twinlens {

class CommonDialog;
class ThumbnailView;

class Form9 : public QMainWindow {
    Q_OBJECT
  public:
    // The platform must outlive the window. The window starts as the program does: colour
    // option "赤・水", the channels filled, the composite black, both thumbnails empty.
    explicit Form9(Platform& platform, QWidget* parent = nullptr);
    ~Form9() override;

    // What a close request runs; QApplication::quit unless replaced.
    void setQuitHandler(std::function<void()> quit) { quit_ = std::move(quit); }

    // The workflow, as the buttons, menus and thumbnails run it.
    void OpenPicture1();
    void OpenPicture2();
    void PastePicture1();
    void PastePicture2();
    void ClearSlot1();
    void ClearSlot2();
    void CopyComposite();
    // CropOutput, then the save dialog and the bitmap, through the sheet output.
    void SaveComposite();
    // Shows the paper dialog; its ＯＫ prints the freshly cropped output.
    void PrintComposite();

    const Anaglyph& anaglyph() const { return anaglyph_; }
    sheetout::SheetOutput& sheetOutput() { return sheetOutput_; }

    // The open-dialog filter of both slots.
    static QString openFilter();
    // The font of the labels: "ＭＳ Ｐゴシック", or an installed Japanese font in its place.
    static QString labelFontFamily();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void buildControls(QWidget* client);
    void buildSlotControls(QWidget* client);
    void buildConversionControls(QWidget* client);
    void buildArrowPad(QWidget* client);
    void buildSettingsFrame(QWidget* client);
    void buildMenus();
    void connectThumbnail(ThumbnailView* thumbnail, int slot);
    void askToPaste(int slot);
    void OpenPicture(int slot);
    void runAndShow(const std::function<void()>& step);
    void showState();

    Platform& platform_;
    Anaglyph anaglyph_;
    sheetout::SheetOutput sheetOutput_;
    std::function<void()> quit_;
    bool centred_ = false;

    CanvasView* picture3_ = nullptr;
    ThumbnailView* image1_ = nullptr;
    ThumbnailView* image2_ = nullptr;
    QButtonGroup* options_ = nullptr;
    CommonDialog* commonDialog1_ = nullptr;
    CommonDialog* commonDialog2_ = nullptr;
    CommonDialog* commonDialog3_ = nullptr;
    CommonDialog* commonDialog4_ = nullptr;
};

}  // namespace picturecraft::twinlens
