#pragma once

// PictureSizeDialog (Form4): the picture-size option, "小さい（ワイド）" (fitMode 0) or
// "大きい（ズーム）" (fitMode 1), for the next picture loaded or pasted. Modeless; "もどる"
// hides it. Pictures already in the slots are never fitted again.

#include <array>
#include <functional>

#include <QRadioButton>
#include <QWidget>

namespace picturecraft::whirlfold {

class PictureSizeDialog : public QWidget {
    Q_OBJECT
  public:
    // `chooseFitMode` receives the index of every option that becomes selected, whether by a
    // click or by SelectOption.
    explicit PictureSizeDialog(std::function<void(int)> chooseFitMode);

    // Selects Option1(index) as a click would.
    void SelectOption(int index);
    QRadioButton* option(int index) const { return options_.at(index); }

  protected:
    // The close box hides the dialog like "もどる", so it reopens with the option in force.
    void closeEvent(QCloseEvent* event) override;

  private:
    std::array<QRadioButton*, 2> options_{};
    std::function<void(int)> chooseFitMode_;
};

}  // namespace picturecraft::whirlfold
