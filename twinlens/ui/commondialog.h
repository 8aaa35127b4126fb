#pragma once

// CommonDialog: one of the window's standard dialog objects (CommonDialog1 ... 4). Each keeps
// the set-up it was last shown with and reaches the person through the Platform, so tests
// script the answers.

#include <optional>

#include <QObject>

#include "platform.h"

namespace picturecraft::twinlens {

class CommonDialog : public QObject {
    Q_OBJECT
  public:
    // The platform must outlive the dialog object.
    CommonDialog(const QString& name, Platform& platform, QObject* parent);

    // Shows the open dialog with `setup`; the chosen path, or nullopt for Cancel.
    std::optional<QString> ShowOpen(const FileDialogSetup& setup);

    const FileDialogSetup& setup() const { return setup_; }

  private:
    Platform& platform_;
    FileDialogSetup setup_;
};

}  // namespace picturecraft::twinlens
