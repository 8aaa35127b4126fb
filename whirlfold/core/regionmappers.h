#pragma once

// The fourteen region mappers: each paints one region of the sheet (sheetgeometry.h) from one
// working canvas. Pixels of the region whose source point lies outside 0..cw x 0..ch, or
// outside the working canvas's raster (the sizes read are outer sizes, border included, so
// X = cw or Y = ch can pass), and pixels outside the region keep what the sheet held.

#include "canvas.h"
#include "sheetconversion.h"
#include "sheetgeometry.h"

namespace picturecraft::whirlfold {

// The literal procedure: every pixel of the scan box tested, transformed and copied one at a
// time with 16-bit checked counters. Throws OverflowError where a 16-bit step overflows.
void MapRegionLiteral(const Region& region, const WorkingCanvases& working, Canvas& sheet);

// The same pixels straight on the rasters: per-row column runs found from the same tests,
// per-column and per-row parts of the source formula computed once. Throws as the literal one
// does for sizes beyond 16 bits.
void MapRegionFast(const Region& region, const WorkingCanvases& working, Canvas& sheet);

// The named mappers, literal, each one row of RegionTable().
void MapRegion01(const WorkingCanvases& working, Canvas& sheet);
void MapRegion02(const WorkingCanvases& working, Canvas& sheet);
void MapRegion03(const WorkingCanvases& working, Canvas& sheet);
void MapRegion04(const WorkingCanvases& working, Canvas& sheet);
void MapRegion05(const WorkingCanvases& working, Canvas& sheet);
void MapRegion06(const WorkingCanvases& working, Canvas& sheet);
void MapRegion07(const WorkingCanvases& working, Canvas& sheet);
void MapRegion08(const WorkingCanvases& working, Canvas& sheet);
void MapRegion09(const WorkingCanvases& working, Canvas& sheet);
void MapRegion10(const WorkingCanvases& working, Canvas& sheet);
void MapRegion11(const WorkingCanvases& working, Canvas& sheet);
void MapRegion12(const WorkingCanvases& working, Canvas& sheet);
void MapRegion13(const WorkingCanvases& working, Canvas& sheet);
void MapRegion14(const WorkingCanvases& working, Canvas& sheet);

}  // namespace picturecraft::whirlfold
