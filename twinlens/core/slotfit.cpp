#include "slotfit.h"

namespace picturecraft::twinlens {

SlotFit FitSlot(double w, double h) {
    if (3.0 * w >= 4.0 * h) {
        return {QSizeF(kThumbnailWidth, kThumbnailWidth * h / w),
                QSizeF(kChannelWidth, kChannelWidth * h / w)};
    }
    return {QSizeF(kThumbnailHeight * w / h, kThumbnailHeight),
            QSizeF(kChannelHeight * w / h, kChannelHeight)};
}

}  // namespace picturecraft::twinlens
