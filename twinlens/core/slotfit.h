#pragma once

// SlotFit: the sizes a photograph takes in its slot, kept at the photograph's aspect ratio.
//
//   thumbnail: within 2565 x 1920 twips     channel canvas: within 9600 x 7200 twips
//
// A photograph at least as wide as 4:3 fills the width, a narrower one fills the height.

#include <QSizeF>

namespace picturecraft::twinlens {

inline constexpr double kThumbnailWidth = 2565.0;  // twips
inline constexpr double kThumbnailHeight = 1920.0;
inline constexpr double kChannelWidth = 9600.0;
inline constexpr double kChannelHeight = 7200.0;

struct SlotFit {
    QSizeF thumbnail;  // twips
    QSizeF channel;    // twips
};

// w x h: the photograph's natural size in any unit (only the ratio counts), both above 0.
// Double precision throughout; 3w = 4h takes the wide branch.
SlotFit FitSlot(double w, double h);

}  // namespace picturecraft::twinlens
