#include "regionmappers.h"

namespace picturecraft::whirlfold {

void MapRegionLiteral(const Region& region, const WorkingCanvases& working, Canvas& sheet) {
    const Canvas& canvas = *working[size_t(region.slot)];
    const MapperFrame frame = MapperFrame::read(canvas, sheet);
    const ScanBox box = ScanBoxOf(region, frame.sheet);
    for (Int16 y = box.firstRow; y <= box.lastRow; ++y) {
        for (Int16 x = box.firstColumn; x <= box.lastColumn; ++x) {
            if (!InRegion(region, frame.sheet, x, y)) continue;
            const SourcePoint source = SourceOfPixel(region, frame, x, y);
            if (!WithinCanvas(source, frame)) continue;
            sheet.copyPixel(canvas, source.x.value(), source.y.value(), x.value(), y.value());
        }
    }
}

void MapRegion01(const WorkingCanvases& w, Canvas& s) {
    MapRegionLiteral(RegionTable()[0], w, s);
}
void MapRegion02(const WorkingCanvases& w, Canvas& s) {
    MapRegionLiteral(RegionTable()[1], w, s);
}
void MapRegion03(const WorkingCanvases& w, Canvas& s) {
    MapRegionLiteral(RegionTable()[2], w, s);
}
void MapRegion04(const WorkingCanvases& w, Canvas& s) {
    MapRegionLiteral(RegionTable()[3], w, s);
}
void MapRegion05(const WorkingCanvases& w, Canvas& s) {
    MapRegionLiteral(RegionTable()[4], w, s);
}
void MapRegion06(const WorkingCanvases& w, Canvas& s) {
    MapRegionLiteral(RegionTable()[5], w, s);
}
void MapRegion07(const WorkingCanvases& w, Canvas& s) {
    MapRegionLiteral(RegionTable()[6], w, s);
}
void MapRegion08(const WorkingCanvases& w, Canvas& s) {
    MapRegionLiteral(RegionTable()[7], w, s);
}
void MapRegion09(const WorkingCanvases& w, Canvas& s) {
    MapRegionLiteral(RegionTable()[8], w, s);
}
void MapRegion10(const WorkingCanvases& w, Canvas& s) {
    MapRegionLiteral(RegionTable()[9], w, s);
}
void MapRegion11(const WorkingCanvases& w, Canvas& s) {
    MapRegionLiteral(RegionTable()[10], w, s);
}
void MapRegion12(const WorkingCanvases& w, Canvas& s) {
    MapRegionLiteral(RegionTable()[11], w, s);
}
void MapRegion13(const WorkingCanvases& w, Canvas& s) {
    MapRegionLiteral(RegionTable()[12], w, s);
}
void MapRegion14(const WorkingCanvases& w, Canvas& s) {
    MapRegionLiteral(RegionTable()[13], w, s);
}

void MapRegionFast(const Region& region, const WorkingCanvases& working, Canvas& sheet) {
    MapRegionLiteral(region, working, sheet);
}

}  // namespace picturecraft::whirlfold
