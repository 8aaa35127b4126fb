#pragma once

// The conversion tick's work, from the four working canvases to the finished backdrop.

#include <array>

#include "canvas.h"

namespace picturecraft::whirlfold {

// Working canvases Picture2(k), indexed by slot k = 0..3 (not by the number shown to the user).
// All four are non-null: a slot without a picture is a blank canvas.
using WorkingCanvases = std::array<const Canvas*, 4>;

// MapRegion01 .. MapRegion14 in order into `sheet` (Picture1 of the sheet window), then
// CopySheetToBackdrop and DrawNetLines on `backdrop` (Picture3). Both canvases accumulate:
// pixels no step paints keep what they held.
// Throws OverflowError for sizes beyond the 16-bit limits (a sheet higher than 3276 pixels,
// wider than 6553, a working canvas higher than 10922) and std::domain_error for a sheet 0
// pixels wide; after a throw the sheet may hold part of the conversion. Works straight on the
// rasters and gives the pixels of ConvertSheetLiteral.
void ConvertSheet(const WorkingCanvases& working, Canvas& sheet, Canvas& backdrop);

// The same conversion pixel by pixel through the canvas operations, step by step as the
// mappers and the net lines are defined: the reference the fast path is checked against.
void ConvertSheetLiteral(const WorkingCanvases& working, Canvas& sheet, Canvas& backdrop);

}  // namespace picturecraft::whirlfold
