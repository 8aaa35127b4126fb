#include "regionmappers.h"

#include <algorithm>
#include <utility>
#include <vector>

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

namespace {

constexpr QRgb kOpaque = 0xFF000000u;

// RNE as a real: adding and taking away 1.5 × 2^52 leaves the nearest whole number, ties to
// even, under the default rounding mode, for |r| < 2^51; larger values stay far outside 16 bits.
inline double RoundToEven(double r) {
    constexpr double kShift = 6755399441055744.0;
    return (r + kShift) - kShift;
}

inline bool FitsInt16(double whole) {
    return whole >= -32768.0 && whole <= 32767.0;
}

// Every source formula written as X = ((column.x + row.x) + x1) + x2 and
// Y = ((column.y + row.y) + y1) + y2: the first sum is the formula's innermost pair (its terms
// commute exactly), a subtraction adds the negated term (also exact), and the missing terms
// of Plain and HalfTurn are +0.0, which changes no value that RNE can tell apart.
struct Terms {
    double x;
    double y;
};
struct FormulaConstants {
    double x1, x2, y1, y2;
};

Terms ColumnTerms(SourceFormula formula, double p) {
    const TurnAngles& t = Angles();
    switch (formula) {
        case SourceFormula::Plain:
        case SourceFormula::HalfTurn:
            return {p, 0.0};
        case SourceFormula::TurnA:
            return {(-p) * t.c60, p * t.s60};
        case SourceFormula::TurnB:
            return {(-p) * t.c60, (-p) * t.s60};
        case SourceFormula::TurnC:
            return {p * t.c60, p * t.s60};
        case SourceFormula::TurnD:
            return {p * t.c60, (-p) * t.s60};
    }
    return {p, 0.0};
}

Terms RowTerms(SourceFormula formula, double q) {
    const TurnAngles& t = Angles();
    switch (formula) {
        case SourceFormula::Plain:
            return {0.0, -q};
        case SourceFormula::HalfTurn:
            return {0.0, q};
        case SourceFormula::TurnA:
            return {q * t.c30, q * t.s30};
        case SourceFormula::TurnB:
            return {-(q * t.c30), q * t.s30};
        case SourceFormula::TurnC:
            return {q * t.c30, -(q * t.s30)};
        case SourceFormula::TurnD:
            return {-(q * t.c30), -(q * t.s30)};
    }
    return {0.0, q};
}

FormulaConstants ConstantsOf(SourceFormula formula, const MapperFrame& frame) {
    const TurnAngles& t = Angles();
    const double cw = frame.canvasWidth.toDouble();
    const double ch = frame.canvasHeight.toDouble();
    const double across = ((ch * t.s60) * t.c60) / 2.0;
    const double down = ((ch * t.c60) * t.c60) / 2.0;
    switch (formula) {
        case SourceFormula::Plain:
            return {cw / 2.0, 0.0, ch / 4.0, 0.0};
        case SourceFormula::HalfTurn:
            return {cw / 2.0, 0.0, (Int16(3) * frame.canvasHeight).toDouble() / 4.0, 0.0};
        case SourceFormula::TurnA:
            return {cw / 2.0, across, down, ch / 2.0};
        case SourceFormula::TurnB:
            return {cw / 2.0, -across, down, ch / 2.0};
        case SourceFormula::TurnC:
            return {cw / 2.0, across, -down, ch / 2.0};
        case SourceFormula::TurnD:
            return {cw / 2.0, -across, -down, ch / 2.0};
    }
    return {};
}

// What the scan needs of each column of the clipped box, index 0 being `first`.
struct ColumnTable {
    int first = 0;
    std::vector<Terms> terms;
    std::array<std::vector<double>, 4> testValues;
    std::vector<double> unturnedX;  // the rounded X of each column, for Plain and HalfTurn
};

ColumnTable TabulateColumns(const Region& region, const MapperFrame& frame,
                            const FormulaConstants& k, int first, int last) {
    const bool unturned =
        region.formula == SourceFormula::Plain || region.formula == SourceFormula::HalfTurn;
    ColumnTable table;
    table.first = first;
    for (int x = first; x <= last; ++x) {
        const double p = ScaledU(region, frame, OffsetUOf(region, frame.sheet, Int16(x)));
        table.terms.push_back(ColumnTerms(region.formula, p));
        if (unturned)
            table.unturnedX.push_back(RoundToEven(((table.terms.back().x + 0.0) + k.x1) + k.x2));
        for (int t = 0; t < region.testCount; ++t)
            table.testValues[size_t(t)].push_back(
                TestValue(region.tests[size_t(t)], frame.sheet, Int16(x)));
    }
    return table;
}

// The columns [begin, end) (table indices) of row y that pass every test. A test's value is
// monotone in x (a grows with x, b falls, and rounding and floor keep the order), so each test
// holds on a prefix or a suffix of the row, and all of them on one run.
std::pair<int, int> PassingRun(const Region& region, const ColumnTable& table, int y) {
    int begin = 0;
    int end = int(table.terms.size());
    const double row = y;
    for (int t = 0; t < region.testCount; ++t) {
        const RegionTest& test = region.tests[size_t(t)];
        const auto& values = table.testValues[size_t(t)];
        const bool atLeast = test.compare == RegionTest::Compare::AtLeastRow;
        const bool rising =
            test.base == RegionTest::Base::A || test.base == RegionTest::Base::FloorA;
        const auto holds = [&](double value) { return atLeast ? value >= row : value <= row; };
        if (rising == atLeast) {
            const auto first = std::partition_point(values.begin(), values.end(),
                                                    [&](double v) { return !holds(v); });
            begin = std::max(begin, int(first - values.begin()));
        } else {
            const auto past = std::partition_point(values.begin(), values.end(), holds);
            end = std::min(end, int(past - values.begin()));
        }
    }
    return {begin, std::max(begin, end)};
}

// A turned region reads its picture along slanting lines, one source row per few sheet
// pixels; painting in strips a few dozen columns wide keeps the source rows a strip touches
// in the cache from one sheet row to the next. Each pixel is still painted once.
constexpr int kStripWidth = 64;

// The working canvas's raster as the copies read it.
struct SourceRaster {
    const uchar* bits;
    qsizetype bytesPerLine;
    double limitX;  // min(cw, raster width − 1): the bounds test and the raster together
    double limitY;  // min(ch, raster height − 1)

    QRgb at(int x, int y) const {
        return reinterpret_cast<const QRgb*>(bits + y * bytesPerLine)[x];
    }
};

SourceRaster SourceRasterOf(const Canvas& canvas, const MapperFrame& frame) {
    const QImage& raster = canvas.raster();
    return {raster.constBits(), raster.bytesPerLine(),
            double(std::min(frame.canvasWidth.value(), canvas.rasterWidth() - 1)),
            double(std::min(frame.canvasHeight.value(), canvas.rasterHeight() - 1))};
}

inline void CopyOne(const SourceRaster& source, QRgb& to, double sx, double sy) {
    if (sx >= 0.0 && sx <= source.limitX && sy >= 0.0 && sy <= source.limitY) {
        to = source.at(int(sx), int(sy)) | kOpaque;
    } else if (!FitsInt16(sx) || !FitsInt16(sy)) {
        throw OverflowError();
    }
}

// Paints a run of one sheet row (`destination` is the row's first pixel).
void CopyRun(const SourceRaster& source, QRgb* destination, const ColumnTable& table,
             const FormulaConstants& k, const Terms& row, std::pair<int, int> run) {
    QRgb* to = destination + table.first;
    if (!table.unturnedX.empty()) {
        // Plain and HalfTurn: X depends on the column alone (row.x is +0.0), Y on the row.
        const double sy = RoundToEven(((0.0 + row.y) + k.y1) + k.y2);
        for (int i = run.first; i < run.second; ++i)
            CopyOne(source, to[i], table.unturnedX[size_t(i)], sy);
        return;
    }
    for (int i = run.first; i < run.second; ++i) {
        const Terms& column = table.terms[size_t(i)];
        CopyOne(source, to[i], RoundToEven(((column.x + row.x) + k.x1) + k.x2),
                RoundToEven(((column.y + row.y) + k.y1) + k.y2));
    }
}

// One sheet row of a region: its row terms and its run of passing columns.
struct RowPlan {
    int y;
    Terms terms;
    std::pair<int, int> run;
};

void PaintInStrips(const SourceRaster& source, Canvas& sheet, const ColumnTable& columns,
                   const FormulaConstants& constants, const std::vector<RowPlan>& rows) {
    QImage& raster = sheet.raster();
    uchar* bits = raster.bits();
    const qsizetype bytesPerLine = raster.bytesPerLine();
    const int width = int(columns.terms.size());
    for (int strip = 0; strip < width; strip += kStripWidth) {
        for (const RowPlan& row : rows) {
            const int begin = std::max(row.run.first, strip);
            const int end = std::min(row.run.second, strip + kStripWidth);
            if (begin >= end) continue;
            auto* destination = reinterpret_cast<QRgb*>(bits + row.y * bytesPerLine);
            CopyRun(source, destination, columns, constants, row.terms, {begin, end});
        }
    }
}

}  // namespace

void MapRegionFast(const Region& region, const WorkingCanvases& working, Canvas& sheet) {
    const Canvas& canvas = *working[size_t(region.slot)];
    const MapperFrame frame = MapperFrame::read(canvas, sheet);
    const ScanBox box = ScanBoxOf(region, frame.sheet);
    const FormulaConstants constants = ConstantsOf(region.formula, frame);
    const int firstRow = std::max(box.firstRow.value(), 0);
    const int lastRow = std::min(box.lastRow.value(), sheet.rasterHeight() - 1);
    const int firstColumn = std::max(box.firstColumn.value(), 0);
    const int lastColumn = std::min(box.lastColumn.value(), sheet.rasterWidth() - 1);
    if (firstRow > lastRow || firstColumn > lastColumn) return;

    const ColumnTable columns = TabulateColumns(region, frame, constants, firstColumn, lastColumn);
    const SourceRaster source = SourceRasterOf(canvas, frame);
    std::vector<RowPlan> rows;
    for (int y = firstRow; y <= lastRow; ++y) {
        const double q = ScaledV(frame, OffsetVOf(region, frame.sheet, Int16(y)));
        rows.push_back({y, RowTerms(region.formula, q), PassingRun(region, columns, y)});
    }
    PaintInStrips(source, sheet, columns, constants, rows);
}

}  // namespace picturecraft::whirlfold
