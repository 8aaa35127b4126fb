#include "paperdialog.h"

#include <QCloseEvent>
#include <QColor>
#include <QGroupBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace picturecraft::sheetout {

namespace {

// Placements in twips, relative to the control's container (the window, or the frame).
struct Place {
    int left, top, width, height;
};

struct Layout {
    Place client;  // left and top unused
    Place sizeFrame;
    Place orientationFrame;
    Place okButton;
    Place stopButton;
    int sizeCount;
};

constexpr Layout kWhirlfoldLayout{{0, 0, 5550, 4545},      {600, 480, 2295, 1935},
                                  {600, 2760, 2295, 1215}, {4200, 3120, 1095, 495},
                                  {4200, 3840, 1095, 495}, 4};
constexpr Layout kPlainLayout{{0, 0, 5205, 4005},      {600, 480, 2295, 1215},
                              {600, 2040, 2295, 1215}, {3720, 2640, 1095, 495},
                              {3720, 3240, 1095, 495}, 2};

// Option buttons inside their frame: left 480, one every 360 twips from 360.
constexpr int kOptionLeft = 480;
constexpr int kOptionFirstTop = 360;
constexpr int kOptionStep = 360;
constexpr int kSizeOptionWidth = 1455;
constexpr int kSizeOptionHeight = 255;
constexpr int kOrientationOptionWidth = 1215;
constexpr int kOrientationOptionHeight = 375;

constexpr int kTwipsPerPixel = 15;

const char* const kSizeCaptions[] = {"Ａ４", "Ｂ５", "Ｂ４", "Ａ３"};
const char* const kOrientationCaptions[] = {"横長", "たて長"};

const QColor kOkColour(0xC0, 0xFF, 0xFF);
const QColor kStopColour(0xFF, 0xC0, 0xFF);

QRect pixels(const Place& place) {
    return QRect(place.left / kTwipsPerPixel, place.top / kTwipsPerPixel,
                 place.width / kTwipsPerPixel, place.height / kTwipsPerPixel);
}

const Layout& layoutFor(Variant variant) {
    return variant == Variant::Whirlfold ? kWhirlfoldLayout : kPlainLayout;
}

// A push button in the graphical style: its face filled with its own colour, a raised edge.
QString filledButtonStyle(const QColor& colour) {
    return QStringLiteral(
               "QPushButton { background-color: %1; color: black; border: 2px outset %2; }"
               "QPushButton:pressed { border-style: inset; }"
               "QPushButton:focus { outline: 1px dotted black; }")
        .arg(colour.name(), colour.darker(150).name());
}

}  // namespace

PaperDialog::PaperDialog(Variant variant, PaperSettings& settings, Actions actions)
    : QWidget(nullptr, Qt::Window),
      variant_(variant),
      settings_(settings),
      actions_(std::move(actions)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(programName(variant));
    setAttribute(Qt::WA_DeleteOnClose);
    // The dialog never keeps the program alive on its own; the main window decides that.
    setAttribute(Qt::WA_QuitOnClose, false);
    build();
    selectFromSettings();
}

PaperDialog::~PaperDialog() = default;

void PaperDialog::build() {
    const Layout& layout = layoutFor(variant_);
    resize(pixels(layout.client).size());

    auto* sizeFrame = new QGroupBox(QStringLiteral("紙の大きさ"), this);
    sizeFrame->setObjectName(QStringLiteral("Frame1"));
    sizeFrame->setGeometry(pixels(layout.sizeFrame));
    for (int i = 0; i < layout.sizeCount; ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(kSizeCaptions[i]), sizeFrame);
        option->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        option->setGeometry(pixels(
            {kOptionLeft, kOptionFirstTop + i * kOptionStep, kSizeOptionWidth, kSizeOptionHeight}));
        connect(option, &QRadioButton::clicked, this,
                [this, i] { settings_.paperSize = static_cast<std::int16_t>(i); });
        sizeOptions_.append(option);
    }

    auto* orientationFrame = new QGroupBox(QStringLiteral("紙の向き"), this);
    orientationFrame->setObjectName(QStringLiteral("Frame2"));
    orientationFrame->setGeometry(pixels(layout.orientationFrame));
    for (int i = 0; i < 2; ++i) {
        auto* option =
            new QRadioButton(QString::fromUtf8(kOrientationCaptions[i]), orientationFrame);
        option->setObjectName(QStringLiteral("Option2(%1)").arg(i));
        option->setGeometry(pixels({kOptionLeft, kOptionFirstTop + i * kOptionStep,
                                    kOrientationOptionWidth, kOrientationOptionHeight}));
        connect(option, &QRadioButton::clicked, this,
                [this, i] { settings_.paperOrientation = static_cast<std::int16_t>(i); });
        orientationOptions_.append(option);
    }

    ok_ = new QPushButton(QStringLiteral("ＯＫ"), this);
    ok_->setObjectName(QStringLiteral("Command1(0)"));
    ok_->setGeometry(pixels(layout.okButton));
    ok_->setStyleSheet(filledButtonStyle(kOkColour));
    connect(ok_, &QPushButton::clicked, this, &PaperDialog::okClicked);

    stop_ = new QPushButton(QStringLiteral("やめる"), this);
    stop_->setObjectName(QStringLiteral("Command1(1)"));
    stop_->setGeometry(pixels(layout.stopButton));
    stop_->setStyleSheet(filledButtonStyle(kStopColour));
    connect(stop_, &QPushButton::clicked, this, &PaperDialog::stopClicked);
}

namespace {

void selectOnly(const QList<QRadioButton*>& options, int index) {
    for (int i = 0; i < options.size(); ++i) {
        // Auto-exclusive buttons cannot all be cleared; an index without a button clears them.
        options[i]->setAutoExclusive(false);
        options[i]->setChecked(i == index);
        options[i]->setAutoExclusive(true);
    }
}

}  // namespace

void PaperDialog::selectFromSettings() {
    selectOnly(sizeOptions_, settings_.paperSize);
    selectOnly(orientationOptions_, settings_.paperOrientation);
}

QRadioButton* PaperDialog::sizeOption(int index) const {
    return index >= 0 && index < sizeOptions_.size() ? sizeOptions_[index] : nullptr;
}

QRadioButton* PaperDialog::orientationOption(int index) const {
    return index >= 0 && index < orientationOptions_.size() ? orientationOptions_[index] : nullptr;
}

bool PaperDialog::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) selectFromSettings();
    return QWidget::event(event);
}

void PaperDialog::showEvent(QShowEvent* event) {
    selectFromSettings();
    QWidget::showEvent(event);
}

void PaperDialog::closeEvent(QCloseEvent* event) {
    event->accept();
    if (actions_.closed) actions_.closed();
}

void PaperDialog::okClicked() {
    // The printer dialog runs its own event loop, where the close box may destroy this window.
    const QPointer<PaperDialog> alive(this);
    if (actions_.print) actions_.print();
    if (alive) hideAndHandBack();
}

void PaperDialog::stopClicked() {
    hideAndHandBack();
}

void PaperDialog::hideAndHandBack() {
    hide();
    if (actions_.afterHide) actions_.afterHide();
}

}  // namespace picturecraft::sheetout
