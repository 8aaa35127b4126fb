#include "qtprinter.h"

#include <cmath>

#include <QPageLayout>

namespace picturecraft {

namespace {
constexpr double kMillimetresPerInch = 25.4;
constexpr double kTwipsPerInch = 1440.0;
}  // namespace

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}

QtPrinter::~QtPrinter() {
    if (painter_ && painter_->isActive()) painter_->end();
}

std::optional<QPageSize::PageSizeId> QtPrinter::pageSizeForCode(int code) {
    switch (code) {
        case 9:
            return QPageSize::A4;
        case 13:
            return QPageSize::JisB5;
        case 12:
            return QPageSize::JisB4;
        case 8:
            return QPageSize::A3;
        default:
            return std::nullopt;
    }
}

void QtPrinter::setPaperCode(int code) {
    if (const auto id = pageSizeForCode(code)) printer_->setPageSize(QPageSize(*id));
}

void QtPrinter::setOrientationCode(int code) {
    if (code == 1) printer_->setPageOrientation(QPageLayout::Portrait);
    if (code == 2) printer_->setPageOrientation(QPageLayout::Landscape);
}

// Millimetres, not points: points are whole numbers in Qt's page sizes and lose up to 6 twips.
QSizeF QtPrinter::paperMillimetres() const {
    return printer_->pageLayout().fullRect(QPageLayout::Millimeter).size();
}

int QtPrinter::pageWidthTwips() const {
    return static_cast<int>(
        std::lround(paperMillimetres().width() / kMillimetresPerInch * kTwipsPerInch));
}

int QtPrinter::pageHeightTwips() const {
    return static_cast<int>(
        std::lround(paperMillimetres().height() / kMillimetresPerInch * kTwipsPerInch));
}

bool QtPrinter::beginIfNeeded() {
    if (painter_ && painter_->isActive()) return true;
    painter_ = std::make_unique<QPainter>();
    return painter_->begin(printer_.get());
}

bool QtPrinter::drawPicture(const QImage& picture, const QRectF& target) {
    if (!beginIfNeeded()) return false;
    // The painter's origin is the printable area's top-left corner.
    const double scale = printer_->resolution() / kTwipsPerInch;
    const QRectF device(target.left() * scale, target.top() * scale, target.width() * scale,
                        target.height() * scale);
    painter_->drawImage(device, picture, QRectF(picture.rect()));
    return true;
}

bool QtPrinter::endDocument() {
    if (!beginIfNeeded()) return false;
    return painter_->end();
}

}  // namespace picturecraft
