#pragma once

// The conversion tick's work, from the four working canvases to the finished backdrop.

#include <array>

#include "canvas.h"

namespace picturecraft::whirlfold {

// Working canvases Picture2(k), indexed by slot k = 0..3 (not by the number shown to the user).
using WorkingCanvases = std::array<const Canvas*, 4>;

// MapRegion01 .. MapRegion14 in order into `sheet` (Picture1 of the sheet window), then
// CopySheetToBackdrop and DrawNetLines on `backdrop` (Picture3). Both canvases accumulate:
// pixels no step paints keep what they held.
void ConvertSheet(const WorkingCanvases& working, Canvas& sheet, Canvas& backdrop);

}  // namespace picturecraft::whirlfold
