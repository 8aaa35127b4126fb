#include "commondialog.h"

namespace picturecraft::twinlens {

CommonDialog::CommonDialog(const QString& name, Platform& platform, QObject* parent)
    : QObject(parent), platform_(platform) {
    setObjectName(name);
}

std::optional<QString> CommonDialog::ShowOpen(const FileDialogSetup& setup) {
    setup_ = setup;
    return platform_.askOpenFile(setup_);
}

}  // namespace picturecraft::twinlens
