#include "sheetout.h"

#include <exception>

#include <QCoreApplication>
#include <QPointer>

#include "numbers.h"
#include "paperdialog.h"
#include "picturefile.h"

namespace picturecraft::sheetout {

namespace {

constexpr double kPrintedShare = 0.9;  // of the page width (and height, for the fitted box)
constexpr double kSheetOffset = 0.05;  // twips: in effect the printable area's corner

const QString kBitmapFilter = QStringLiteral("(*.bmp)|*.bmp");

// Restores the normal pointer however the print ends.
class BusyPointer {
  public:
    explicit BusyPointer(Platform& platform) : platform_(platform) {
        platform_.setBusyPointer(true);
    }
    ~BusyPointer() { platform_.setBusyPointer(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

  private:
    Platform& platform_;
};

void setPaperAndOrientation(Printer& printer, Variant variant, const PaperSettings& settings) {
    if (const auto code = paperCodeFor(variant, settings.paperSize)) printer.setPaperCode(*code);
    printer.setOrientationCode(orientationCodeFor(settings.paperOrientation));
}

// Whirlfold and Cubefold: the sheet across 90 % of the page width, in the top-left corner.
void printSheetWide(Printer& printer, Variant variant, const PaperSettings& settings,
                    const Canvas& canvas) {
    const QImage picture = canvas.picture();
    setPaperAndOrientation(printer, variant, settings);
    const QRectF target = sheetPlacement(printer.pageWidthTwips(), canvas.width(), canvas.height());
    if (!printer.drawPicture(picture, target)) return;
    printer.endDocument();
}

// Twinlens: the freshly cropped output fitted into 90 % of the page and centred on it.
void printFitted(Printer& printer, Platform& platform, const PaperSettings& settings,
                 const SheetSource& source) {
    const BusyPointer busy(platform);
    if (source.prepareForPrinting) source.prepareForPrinting();
    const Canvas& canvas = source.printedCanvas();
    const QImage picture = canvas.picture();
    setPaperAndOrientation(printer, Variant::Twinlens, settings);
    const FittedPlacement placement = fittedPlacement(
        printer.pageWidthTwips(), printer.pageHeightTwips(), canvas.width(), canvas.height());
    if (!printer.drawPicture(picture, placement.target)) return;
    printer.endDocument();
}

QString saveFailedText(Variant variant, const QString& path) {
    // Whirlfold speaks plain hiragana to its users; the other two write the word in kanji.
    const QString lead = variant == Variant::Whirlfold ? QStringLiteral("ほぞんできませんでした：")
                                                       : QStringLiteral("保存できませんでした：");
    return lead + path;
}

}  // namespace

QString folderWithSeparator(const QString& folder) {
    if (folder.endsWith(QLatin1Char('/'))) return folder;
    return folder + QLatin1Char('/');
}

QString ProgramFolder() {
    return folderWithSeparator(QCoreApplication::applicationDirPath());
}

QString programName(Variant variant) {
    switch (variant) {
        case Variant::Whirlfold:
            return QStringLiteral("Whirlfold");
        case Variant::Cubefold:
            return QStringLiteral("Cubefold");
        case Variant::Twinlens:
            return QStringLiteral("Twinlens");
    }
    return {};
}

PaperSettings startingPaperSettings(Variant variant) {
    PaperSettings settings;
    if (variant == Variant::Whirlfold) settings.paperSize = 2;
    return settings;
}

std::optional<int> paperCodeFor(Variant variant, std::int16_t paperSize) {
    if (variant == Variant::Whirlfold) {
        switch (paperSize) {
            case 0:
                return 9;
            case 1:
                return 13;
            case 2:
                return 12;
            case 3:
                return 8;
            default:
                return std::nullopt;
        }
    }
    return paperSize == 0 ? 9 : 13;
}

int orientationCodeFor(std::int16_t paperOrientation) {
    return paperOrientation == 0 ? 2 : 1;
}

QRectF sheetPlacement(int pageWidth, double picWidth, double picHeight) {
    const double printW = pageWidth * kPrintedShare;
    const double printH = toSingle(picHeight) * (printW / toSingle(picWidth));
    return QRectF(toSingle(kSheetOffset), toSingle(kSheetOffset), toSingle(printW),
                  toSingle(printH));
}

FittedPlacement fittedPlacement(int pageWidth, int pageHeight, double outputWidth,
                                double outputHeight) {
    const double boxW = pageWidth * kPrintedShare;
    const double boxH = pageHeight * kPrintedShare;
    double printW = 0;
    double printH = 0;
    const bool taller = boxH / boxW < outputHeight / outputWidth;
    if (taller) {
        printW = (outputWidth * boxH) / outputHeight;
        printH = boxH;
    } else {
        printH = (outputHeight * boxW) / outputWidth;
        printW = boxW;
    }
    const double x = (pageWidth - printW) / 2;
    const double y = (pageHeight - printH) / 2;
    return {QRectF(toSingle(x), toSingle(y), toSingle(printW), toSingle(printH)), !taller};
}

class SheetOutput::DialogHolder {
  public:
    QPointer<PaperDialog> dialog;
};

SheetOutput::SheetOutput(Variant variant, Platform& platform, SheetSource source)
    : variant_(variant),
      platform_(platform),
      source_(std::move(source)),
      settings_(startingPaperSettings(variant)),
      dialog_(std::make_unique<DialogHolder>()) {}

SheetOutput::~SheetOutput() {
    // The dialog calls back into this object; it must not outlive it.
    if (dialog_->dialog && QCoreApplication::instance()) delete dialog_->dialog.data();
}

void SheetOutput::ShowPaperDialog() {
    if (!dialog_->dialog) {
        PaperDialog::Actions actions;
        actions.print = [this] { PrintSheet(); };
        actions.afterHide = [this] {
            if (source_.showSheetWindowAgain) source_.showSheetWindowAgain();
        };
        actions.closed = [this] { dialog_->dialog = nullptr; };
        dialog_->dialog = new PaperDialog(variant_, settings_, std::move(actions));
    }
    PaperDialog* dialog = dialog_->dialog;
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    dialog->selectFromSettings();
}

PaperDialog* SheetOutput::paperDialog() const {
    return dialog_->dialog;
}

void SheetOutput::PrintSheet() {
    const std::unique_ptr<Printer> printer = platform_.askPrinter();
    if (!printer || !source_.printedCanvas) return;
    try {
        if (variant_ == Variant::Twinlens) {
            printFitted(*printer, platform_, settings_, source_);
        } else {
            printSheetWide(*printer, variant_, settings_, source_.printedCanvas());
        }
    } catch (const std::exception&) {
        // A failure while printing ends the print without a page and without a message.
    }
}

bool SheetOutput::SaveSheet(const Canvas& canvas) {
    FileDialogSetup setup;
    setup.initialFolder = ProgramFolder();
    setup.filter = kBitmapFilter;
    setup.filterIndex = 0;
    setup.fileName = QString();
    // Whirlfold and Cubefold ask before replacing a file and report Cancel as such; Twinlens
    // replaces without asking, and its Cancel comes back as an empty name.
    const bool sheetMaker = variant_ != Variant::Twinlens;
    setup.askOverwrite = sheetMaker;
    setup.cancelIsFailure = sheetMaker;

    const std::optional<QString> chosen = platform_.askSaveFile(setup);
    if (!chosen || chosen->isEmpty()) return false;
    if (writeBitmapFile(canvas.picture(), *chosen)) return true;
    platform_.showMessage(saveFailedText(variant_, *chosen), programName(variant_),
                          MessageButtons::Ok);
    return false;
}

}  // namespace picturecraft::sheetout
