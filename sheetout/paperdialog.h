#pragma once

// PaperDialog: the paper dialog Form3, a modeless top-level window with two frames of option
// buttons (paper size, paper orientation) and the two coloured push buttons ＯＫ and やめる.
//
//   Form3 (Whirlfold 370 x 303 px; Cubefold, Twinlens 347 x 267 px)
//   +--------------------------------------+
//   |  +- 紙の大きさ -+                    |
//   |  | o Ａ４        |                   |
//   |  | o Ｂ５        |                   |
//   |  | (o Ｂ４ o Ａ３: Whirlfold)        |
//   |  +---------------+        [ ＯＫ  ]  |
//   |  +- 紙の向き ---+                    |
//   |  | o 横長        |        [ やめる ] |
//   |  | o たて長      |                   |
//   |  +---------------+                   |
//   +--------------------------------------+
//
// Every placement is given in twips and shown at 15 twips to a pixel. The options always show
// the settings: they are selected from them each time the window is shown or activated, and a
// click stores the clicked index at once. The dialog owns no settings and prints nothing
// itself; what ＯＫ and やめる do beyond hiding it comes from its Actions.

#include <functional>

#include <QWidget>

#include "sheetout.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace picturecraft::sheetout {

class PaperDialog : public QWidget {
    Q_OBJECT

  public:
    struct Actions {
        // ＯＫ: runs to its end before the dialog hides.
        std::function<void()> print;
        // After ＯＫ or やめる has hidden the dialog.
        std::function<void()> afterHide;
        // The close box: the dialog is about to be destroyed (WA_DeleteOnClose).
        std::function<void()> closed;
    };

    // `settings` must outlive the dialog. The dialog is top-level, without a parent.
    PaperDialog(Variant variant, PaperSettings& settings, Actions actions);
    ~PaperDialog() override;

    Variant variant() const { return variant_; }

    // Selects Option1(paperSize) and Option2(paperOrientation); an index without a button
    // leaves that frame with none selected.
    void selectFromSettings();

    // The controls by index, nullptr for an index the variant has no button for.
    QRadioButton* sizeOption(int index) const;
    QRadioButton* orientationOption(int index) const;
    QPushButton* okButton() const { return ok_; }
    QPushButton* stopButton() const { return stop_; }

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void build();
    void okClicked();
    void stopClicked();
    void hideAndHandBack();

    Variant variant_;
    PaperSettings& settings_;
    Actions actions_;
    QList<QRadioButton*> sizeOptions_;
    QList<QRadioButton*> orientationOptions_;
    QPushButton* ok_ = nullptr;
    QPushButton* stop_ = nullptr;
};

}  // namespace picturecraft::sheetout
