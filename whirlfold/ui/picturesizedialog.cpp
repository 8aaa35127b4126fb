#include "picturesizedialog.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>

#include "canvas.h"
#include "controls.h"

namespace picturecraft::whirlfold {

PictureSizeDialog::PictureSizeDialog(std::function<void(int)> chooseFitMode)
    : QWidget(nullptr, Qt::Window), chooseFitMode_(std::move(chooseFitMode)) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Whirlfold"));
    resize(TwipsRect(0, 0, 4680, 3090).size());

    auto* frame = new QGroupBox(QStringLiteral("元の絵の大きさ"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(TwipsRect(360, 360, 3015, 1695));

    const std::array<QString, 2> captions{QStringLiteral("小さい（ワイド）"),
                                          QStringLiteral("大きい（ズーム）")};
    const std::array<int, 2> tops{480, 960};
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(captions.at(i), frame);
        option->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        option->setGeometry(TwipsRect(360, tops.at(i), 1935, 375));
        group->addButton(option, i);
        connect(option, &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked && chooseFitMode_) chooseFitMode_(i);
        });
        options_.at(i) = option;
    }

    QPushButton* back =
        MakeColouredButton(this, QStringLiteral("Command1"), QStringLiteral("もどる"),
                           rgb(0xFF, 0xC0, 0xFF), TwipsRect(3480, 2400, 975, 495));
    connect(back, &QPushButton::clicked, this, &QWidget::hide);
}

void PictureSizeDialog::SelectOption(int index) {
    options_.at(index)->setChecked(true);
}

void PictureSizeDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

}  // namespace picturecraft::whirlfold
