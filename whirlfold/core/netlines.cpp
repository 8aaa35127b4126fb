#include "netlines.h"

#include <algorithm>
#include <cstring>

namespace picturecraft::whirlfold {

namespace {

constexpr QRgb kBlack = rgb(0, 0, 0);
constexpr int kJoinFlapWidth = 20;

Int16 FloorFifths(Int16 sheetHeight, int k) {
    return Int16(static_cast<long long>(floorReal((Int16(k) * sheetHeight).toDouble() / 5.0)));
}

Int16 SeparatorColumn(Int16 sheetWidth, int k) {
    const long long exact = static_cast<long long>(k) * sheetWidth.value();
    return Int16(static_cast<long long>(floorReal(static_cast<double>(exact) / 6.0)));
}

// The ten lattice lines, in the order they are tested: offsets from a = ⌊x/2⌋ for the
// falling lines, from b = ⌊−x/2⌋ for the rising ones.
struct LatticeRows {
    std::array<double, 10> rows;
};

LatticeRows RowsOfColumn(const NetMetrics& net, double a, double b) {
    return {{a, a + net.g2.toDouble(), a + net.g4.toDouble(), a - net.g2.toDouble(),
             a - net.g4.toDouble(), b + net.g10.toDouble(), b + net.g2.toDouble(),
             b + net.g4.toDouble(), b + net.g6.toDouble(), b + net.g8.toDouble()}};
}

void DrawSlopingLinesLiteral(const NetMetrics& net, Canvas& backdrop) {
    for (Int16 x = 0; x <= net.sheetFrameWidth; ++x) {
        for (Int16 y = 0; y <= net.sheetHeight; ++y) {
            const double a = floorReal(0.5 * x.toDouble());
            const double b = floorReal(0.5 * (-x).toDouble());
            for (const double row : RowsOfColumn(net, a, b).rows)
                if (y.toDouble() == row) backdrop.setPixel(x.value(), y.value(), kBlack);
        }
    }
}

void DrawSlopingLinesFast(const NetMetrics& net, Canvas& backdrop) {
    const int lastColumn = std::min(net.sheetFrameWidth.value(), backdrop.rasterWidth() - 1);
    const int lastRow = std::min(net.sheetHeight.value(), backdrop.rasterHeight() - 1);
    QImage& raster = backdrop.raster();
    for (int x = 0; x <= lastColumn; ++x) {
        const double a = floorReal(0.5 * x);
        const double b = floorReal(0.5 * -x);
        for (const double row : RowsOfColumn(net, a, b).rows) {
            if (row < 0.0 || row > lastRow) continue;
            reinterpret_cast<QRgb*>(raster.scanLine(int(row)))[x] = kBlack | 0xFF000000u;
        }
    }
}

void DrawLine(Canvas& backdrop, int x0, int y0, int x1, int y1) {
    // Each straight mark sets its end point too, so it covers exactly the span it is named by
    // (a separator 0..yT, an edge 0..yE); most end points lie on a sloping line anyway.
    backdrop.drawLine(QPointF(x0, y0), QPointF(x1, y1), kBlack, LineEnd::Included);
}

void DrawSeparators(const NetMetrics& net, Canvas& backdrop) {
    for (const Int16 column : net.separatorColumns)
        DrawLine(backdrop, column.value(), 0, column.value(), net.separatorLength.value());
}

// The left, right and top edges of the net.
void DrawOutline(const NetMetrics& net, Canvas& backdrop) {
    const int w = net.sheetWidth.value();
    DrawLine(backdrop, 0, 0, 0, net.edgeLength.value());
    DrawLine(backdrop, w, 0, w, net.edgeLength.value());
    DrawLine(backdrop, 0, 0, w, 0);
}

// The joinFlap along the right edge: its slanting top corner, then its outer edge from the
// backdrop's top row.
void DrawJoinFlap(const NetMetrics& net, Canvas& backdrop) {
    const int w = net.sheetWidth.value();
    DrawLine(backdrop, w, 0, w + kJoinFlapWidth, kJoinFlapWidth);
    DrawLine(backdrop, w + kJoinFlapWidth, 0, w + kJoinFlapWidth, net.edgeLength.value());
}

void DrawStraightMarks(const NetMetrics& net, Canvas& backdrop) {
    DrawSeparators(net, backdrop);
    DrawOutline(net, backdrop);
    DrawJoinFlap(net, backdrop);
}

}  // namespace

NetMetrics NetMetrics::read(const Canvas& sheet, const Canvas& backdrop) {
    const Int16 h = rne(sheet.height());
    const Int16 w = rne(sheet.width());
    const Int16 f = rne(backdrop.width());
    const double fifth = h.toDouble() / 5.0;
    const double fourFifths = (Int16(4) * h).toDouble() / 5.0;
    return {h,
            w,
            f,
            FloorFifths(h, 2),
            FloorFifths(h, 4),
            FloorFifths(h, 6),
            FloorFifths(h, 8),
            FloorFifths(h, 10),
            Int16(static_cast<long long>(floorReal(fifth + 0.5))),
            Int16(static_cast<long long>(floorReal(fourFifths + 0.5))),
            {SeparatorColumn(w, 1), SeparatorColumn(w, 3), SeparatorColumn(w, 5)}};
}

void CopySheetToBackdrop(const Canvas& sheet, Canvas& backdrop) {
    const int width = std::min(sheet.rasterWidth(), backdrop.rasterWidth());
    const int height = std::min(sheet.rasterHeight(), backdrop.rasterHeight());
    if (width <= 0) return;
    QImage& to = backdrop.raster();
    for (int y = 0; y < height; ++y)
        std::memcpy(to.scanLine(y), sheet.raster().constScanLine(y), size_t(width) * sizeof(QRgb));
}

void DrawNetLines(const Canvas& sheet, Canvas& backdrop) {
    const NetMetrics net = NetMetrics::read(sheet, backdrop);
    DrawSlopingLinesLiteral(net, backdrop);
    DrawStraightMarks(net, backdrop);
}

void DrawNetLinesFast(const Canvas& sheet, Canvas& backdrop) {
    const NetMetrics net = NetMetrics::read(sheet, backdrop);
    DrawSlopingLinesFast(net, backdrop);
    DrawStraightMarks(net, backdrop);
}

}  // namespace picturecraft::whirlfold
