#pragma once

#include <array>

#include "canvas.h"

namespace picturecraft::cubefold {

// Paints the sheet: face canvases 0, 1 and 2, unscaled, at their layout places moved up by
// kLayoutShift (sheet raster (32, 2), (328, 2), (32, 298); a later face wins where they
// overlap), then the 48 outline segments in index order, in black, each end point included.
// Nothing else on the sheet changes; the sheet is never cleared.
void ComposeSheet(const std::array<Canvas, 3>& faces, Canvas& sheetCanvas);

}  // namespace picturecraft::cubefold
