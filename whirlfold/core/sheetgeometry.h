#pragma once

// The sheet's geometry: its sizes, the fourteen regions that paint it, and for a sheet pixel
// which regions claim it and which working-canvas pixel it shows.
//
// The sheet is a band of 24 triangles in six columns of four. Which region paints where, for
// H = 400, W = 960 (one character per 20 pixels across and 40 down; A..N name MapRegion01..14,
// the last to paint the spot; '.' is left unpainted):
//
//      x: 0       W/6     W/3     W/2     2W/3    5W/6    W
//   y=0   A...............C...............D...............B    slot 0 (picture 1): rows
//         AAAAA.......CCCCCCCCC.......DDDDDDDDD.......BBBBB    0..2H/5, centres 0|W, W/3, 2W/3
//         AAAAAAAAICCCCCCCCCCCCCCCJDDDDDDDDDDDDDDDKBBBBBBBB
//         AAAAIIIIIIIIICCCCCCCJJJJJJJJJDDDDDDDKKKKKKKKKBBBB    slot 2 (picture 2): rows
//   2H/5  IIIIIIIIIIIIIIIIJJJJJJJJJJJJJJJJKKKKKKKKKKKKKKKKK    H/5..3H/5, centres W/6, W/2, 5W/6
//         EEEEIIIIIIIIIGGGGGGGJJJJJJJJJHHHHHHHKKKKKKKKKFFFF
//         EEEEEEEELGGGGGGGGGGGGGGGMHHHHHHHHHHHHHHHNFFFFFFFF    slot 1 (picture 3): rows
//         EEEELLLLLLLLLGGGGGGGMMMMMMMMMHHHHHHHNNNNNNNNNFFFF    2H/5..4H/5, centres as slot 0
//   4H/5  LLLLLLLLLLLLLLLLMMMMMMMMMMMMMMMMNNNNNNNNNNNNNNNNN
//         ....LLLLLLLLL.......MMMMMMMMM.......NNNNNNNNN....    slot 3 (picture 4): rows
//   H     ........L...............M...............N........    3H/5..H, centres as slot 2
//
// A rhombus with centre (cx, cy) has corners (cx ± 2H/5, cy) and (cx, cy ± H/5); the vertical
// lines x = n·W/6 and the sloping lines y = ±x/2 + i·2H/5 cut the sheet into its triangles.
//
// Every region is a rhombus of two triangles (long diagonal 4H/5 across, short diagonal 2H/5
// upright) or, for the seam where the band closes into a ring, half of one: MapRegion01/05
// paint the right halves at the left edge, MapRegion02/06 the left halves at the right edge.
// In the picture the same rhombus is cut from the regular hexagon of the working canvas and
// turned so that its outer corner comes to the top (the source formula).
//
// All the arithmetic follows the conversion's numeric rules (numbers.h): sizes, coordinates and
// their products are Int16, reals are doubles evaluated in the order written; sums such as
// (a - h2) + h2 are kept as written because their last bit decides pixels on region edges.

#include <array>
#include <vector>

#include "canvas.h"
#include "numbers.h"

namespace picturecraft::whirlfold {

// How a region's picture rhombus is turned onto the sheet (which hexagon rhombus it is).
enum class SourceFormula {
    Plain,     // top rhombus, unturned
    HalfTurn,  // bottom rhombus, turned 180 degrees
    TurnA,     // lower right rhombus, 120 degrees counter-clockwise
    TurnB,     // lower left rhombus, 120 degrees clockwise
    TurnC,     // upper right rhombus, 60 degrees counter-clockwise
    TurnD,     // upper left rhombus, 60 degrees clockwise
};

// A bound of a scan box: 0, the whole length (H or W itself), or RNE((k·L) ÷ d [+ 0.5]) with
// d = 5.0 for rows and 6.0 for columns.
struct ScanBound {
    enum class Kind { Zero, Whole, Part };
    Kind kind = Kind::Zero;
    int multiple = 0;  // k, for Part
    bool plusHalf = false;
};

// The left side of a region test, compared with the row y.
//   base: a = 0.5 × x, b = 0.5 × (−x), or their floors ⌊a⌋, ⌊b⌋;
//   then the addends, left to right: +k adds hk, −k subtracts hk (k = 1, 2, 4, 6, 8; 0 ends).
struct RegionTest {
    enum class Base { A, B, FloorA, FloorB };
    enum class Compare { AtLeastRow, AtMostRow };  // value ≥ y, value ≤ y
    Base base = Base::A;
    std::array<int, 3> addends{};
    Compare compare = Compare::AtLeastRow;
};

// The horizontal offset u of a region from its anchor column.
struct OffsetU {
    enum class Kind {
        Column,            // u = x
        ColumnMinusWidth,  // u = x − W, a 16-bit difference
        ColumnMinusSixths  // u = x − (k·W) ÷ 6.0
    };
    Kind kind = Kind::Column;
    int sixths = 0;  // k, for ColumnMinusSixths
};

// One row of the region table; the fourteen rows run in this order in every conversion, so on
// a shared edge the later region's pixel stays.
struct Region {
    const char* name;                                      // "MapRegion01" .. "MapRegion14"
    int slot;                                              // working canvas k = 0..3
    ScanBound firstRow, lastRow, firstColumn, lastColumn;  // inclusive bounding box
    OffsetU offsetU;
    // v = (H − y) then the first `offsetVSteps` of − h4, + h2, − h1, + h2, in that order.
    int offsetVSteps;
    std::array<RegionTest, 4> tests;
    int testCount;
    SourceFormula formula;
};

inline constexpr int kRegionCount = 14;

// MapRegion01 .. MapRegion14.
const std::array<Region, kRegionCount>& RegionTable();

// The sheet sizes and named constants every mapper derives from the sheet canvas.
struct SheetMetrics {
    Int16 sheetHeight;          // H
    Int16 sheetWidth;           // W
    double h1, h2, h4, h6, h8;  // (k·H) ÷ 5.0, the products in 16 bits

    // Throws OverflowError for H > 4095 (8·H).
    static SheetMetrics fromSizes(Int16 sheetHeight, Int16 sheetWidth);
    // hk for k = 1, 2, 4, 6, 8.
    double fifths(int k) const;
};

// What a mapper reads before its scan: ch, cw, H, W (RNE of the outer sizes, in that order)
// and the scale s = cw ÷ (W ÷ 3.0).
struct MapperFrame {
    Int16 canvasHeight;  // ch
    Int16 canvasWidth;   // cw
    SheetMetrics sheet;
    double mapScale;  // s

    // Throws OverflowError when a size leaves 16 bits, std::domain_error for a sheet 0 wide.
    static MapperFrame read(const Canvas& working, const Canvas& sheet);
};

// The inclusive scan box of a region, in sheet pixels (it may reach row H + 1 and column W).
struct ScanBox {
    Int16 firstRow, lastRow, firstColumn, lastColumn;
};
ScanBox ScanBoxOf(const Region& region, const SheetMetrics& sheet);

// The left side of one test for column x.
double TestValue(const RegionTest& test, const SheetMetrics& sheet, Int16 x);
// Whether the test holds for row y.
bool TestHolds(const RegionTest& test, double value, Int16 y);
// Whether sheet pixel (x, y) passes every test of the region (`RegionTest`).
bool InRegion(const Region& region, const SheetMetrics& sheet, Int16 x, Int16 y);

// The regions that paint sheet pixel (x, y), in painting order (indices into RegionTable());
// the last one's colour stays. Empty for the unpainted margins.
std::vector<int> RegionsAt(const SheetMetrics& sheet, Int16 x, Int16 y);

// u and v of the common transform, and the scaled p (with −u for HalfTurn) and q.
double OffsetUOf(const Region& region, const SheetMetrics& sheet, Int16 x);
double OffsetVOf(const Region& region, const SheetMetrics& sheet, Int16 y);
double ScaledU(const Region& region, const MapperFrame& frame, double offsetU);
double ScaledV(const MapperFrame& frame, double offsetV);

// The angle constants c60, s60, c30, s30 from the decimal pi.
struct TurnAngles {
    double c60, s60, c30, s30;
};
const TurnAngles& Angles();

// The working-canvas point a sheet pixel shows, X and Y rounded into 16 bits (X first; each
// throws OverflowError when it leaves 16 bits).
struct SourcePoint {
    Int16 x;
    Int16 y;
};
SourcePoint SourcePointOf(SourceFormula formula, const MapperFrame& frame, double scaledU,
                          double scaledV);
// 0 ≤ X ≤ cw and 0 ≤ Y ≤ ch.
bool WithinCanvas(const SourcePoint& source, const MapperFrame& frame);

// The whole transform for a pixel that lies in the region.
SourcePoint SourceOfPixel(const Region& region, const MapperFrame& frame, Int16 x, Int16 y);

}  // namespace picturecraft::whirlfold
