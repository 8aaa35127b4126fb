#include "qtplatform.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QTimer>

#include "qtprinter.h"

namespace picturecraft {

namespace {

class QtTimer : public Timer {
  public:
    QtTimer() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (handler_) handler_();
        });
    }
    void setInterval(int milliseconds) override {
        interval_ = milliseconds;
        if (milliseconds <= 0) {
            timer_.stop();
        } else {
            timer_.start(milliseconds);
        }
    }
    int interval() const override { return interval_; }
    void onTick(std::function<void()> handler) override { handler_ = std::move(handler); }

  private:
    QTimer timer_;
    int interval_ = 0;
    std::function<void()> handler_;
};

std::optional<QString> runFileDialog(QWidget* parent, const FileDialogSetup& setup,
                                     QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    // Any typed name is attempted, existing or not.
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = QtPlatform::qtNameFilters(setup.filter);
    dialog.setNameFilters(filters);
    if (setup.filterIndex >= 0 && setup.filterIndex < filters.size())
        dialog.selectNameFilter(filters.at(setup.filterIndex));
    dialog.setDirectory(setup.initialFolder);
    dialog.selectFile(setup.fileName);
    if (mode == QFileDialog::AcceptSave && !setup.askOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        if (setup.cancelIsFailure) return std::nullopt;
        return QString();
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QStringList QtPlatform::qtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts.at(i + 1);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        result << QStringLiteral("%1 (%2)").arg(parts.at(i), patterns);
    }
    return result;
}

std::optional<QString> QtPlatform::askOpenFile(const FileDialogSetup& setup) {
    return runFileDialog(dialogParent_, setup, QFileDialog::AcceptOpen);
}

std::optional<QString> QtPlatform::askSaveFile(const FileDialogSetup& setup) {
    return runFileDialog(dialogParent_, setup, QFileDialog::AcceptSave);
}

std::unique_ptr<Printer> QtPlatform::askPrinter() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), dialogParent_);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    return std::make_unique<QtPrinter>(std::move(printer));
}

MessageAnswer QtPlatform::showMessage(const QString& text, const QString& title,
                                      MessageButtons buttons) {
    QMessageBox box(
        QMessageBox::NoIcon, title, text,
        buttons == MessageButtons::Ok ? QMessageBox::Ok : QMessageBox::Ok | QMessageBox::Cancel,
        dialogParent_);
    return box.exec() == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

std::optional<QImage> QtPlatform::clipboardPicture() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasImage()) return std::nullopt;
    QImage picture = qvariant_cast<QImage>(data->imageData());
    if (picture.isNull()) return std::nullopt;
    return picture;
}

void QtPlatform::clearClipboard() {
    QApplication::clipboard()->clear();
}

void QtPlatform::putClipboardBitmap(const QImage& picture) {
    QApplication::clipboard()->setImage(picture.convertToFormat(QImage::Format_RGB888));
}

void QtPlatform::setBusyPointer(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

std::unique_ptr<Timer> QtPlatform::createTimer() {
    return std::make_unique<QtTimer>();
}

}  // namespace picturecraft
