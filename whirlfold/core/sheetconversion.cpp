#include "sheetconversion.h"

#include "netlines.h"
#include "regionmappers.h"

namespace picturecraft::whirlfold {

void ConvertSheet(const WorkingCanvases& working, Canvas& sheet, Canvas& backdrop) {
    for (const Region& region : RegionTable()) MapRegionFast(region, working, sheet);
    CopySheetToBackdrop(sheet, backdrop);
    DrawNetLinesFast(sheet, backdrop);
}

void ConvertSheetLiteral(const WorkingCanvases& working, Canvas& sheet, Canvas& backdrop) {
    MapRegion01(working, sheet);
    MapRegion02(working, sheet);
    MapRegion03(working, sheet);
    MapRegion04(working, sheet);
    MapRegion05(working, sheet);
    MapRegion06(working, sheet);
    MapRegion07(working, sheet);
    MapRegion08(working, sheet);
    MapRegion09(working, sheet);
    MapRegion10(working, sheet);
    MapRegion11(working, sheet);
    MapRegion12(working, sheet);
    MapRegion13(working, sheet);
    MapRegion14(working, sheet);
    CopySheetToBackdrop(sheet, backdrop);
    DrawNetLines(sheet, backdrop);
}

}  // namespace picturecraft::whirlfold
