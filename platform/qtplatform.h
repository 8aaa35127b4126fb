#pragma once

// QtPlatform: the real desktop services (Qt dialogs, clipboard, printer, cursor, timers).

#include <QPointer>
#include <QWidget>

#include "platform.h"

namespace picturecraft {

class QtPlatform : public Platform {
  public:
    // Dialogs are parented to `dialogParent` when one is set (it may change later).
    explicit QtPlatform(QWidget* dialogParent = nullptr) : dialogParent_(dialogParent) {}
    void setDialogParent(QWidget* parent) { dialogParent_ = parent; }

    std::optional<QString> askOpenFile(const FileDialogSetup& setup) override;
    std::optional<QString> askSaveFile(const FileDialogSetup& setup) override;
    std::unique_ptr<Printer> askPrinter() override;
    MessageAnswer showMessage(const QString& text, const QString& title,
                              MessageButtons buttons) override;
    std::optional<QImage> clipboardPicture() override;
    void clearClipboard() override;
    void putClipboardBitmap(const QImage& picture) override;
    void setBusyPointer(bool busy) override;
    std::unique_ptr<Timer> createTimer() override;

    // "desc|*.a;*.b|desc2|*.c" as Qt name filters: "desc (*.a *.b)", "desc2 (*.c)".
    static QStringList qtNameFilters(const QString& filter);

  private:
    QPointer<QWidget> dialogParent_;
    bool busy_ = false;
};

}  // namespace picturecraft
