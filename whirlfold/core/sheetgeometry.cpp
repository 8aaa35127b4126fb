#include "sheetgeometry.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace picturecraft::whirlfold {

namespace {

using Base = RegionTest::Base;
using Compare = RegionTest::Compare;
using UKind = OffsetU::Kind;

constexpr ScanBound kZero{ScanBound::Kind::Zero, 0, false};
constexpr ScanBound kWhole{ScanBound::Kind::Whole, 0, false};
constexpr ScanBound Part(int multiple) {
    return {ScanBound::Kind::Part, multiple, false};
}
constexpr ScanBound PartHalf(int multiple) {
    return {ScanBound::Kind::Part, multiple, true};
}

constexpr OffsetU kU{UKind::Column, 0};
constexpr OffsetU kUMinusW{UKind::ColumnMinusWidth, 0};
constexpr OffsetU USixths(int k) {
    return {UKind::ColumnMinusSixths, k};
}

constexpr RegionTest AtLeast(Base base, int first = 0, int second = 0, int third = 0) {
    return {base, {first, second, third}, Compare::AtLeastRow};
}
constexpr RegionTest AtMost(Base base, int first = 0, int second = 0, int third = 0) {
    return {base, {first, second, third}, Compare::AtMostRow};
}

constexpr Base A = Base::A;
constexpr Base B = Base::B;
constexpr Base FA = Base::FloorA;
constexpr Base FB = Base::FloorB;

using enum SourceFormula;

// Each test reads as written: AtLeast(A, -2, +2) is (a − h2) + h2 ≥ y; h2 + a is a + h2.
// clang-format off
constexpr std::array<Region, kRegionCount> kRegions{{
    {"MapRegion01", 0, kZero, PartHalf(2), kZero, PartHalf(1), kU, 1,
     {AtMost(A), AtLeast(B, +2)}, 2, Plain},
    {"MapRegion02", 0, kZero, PartHalf(2), Part(5), kWhole, kUMinusW, 1,
     {AtLeast(FA, -4), AtMost(FB, +6)}, 2, Plain},
    {"MapRegion03", 0, kZero, PartHalf(2), Part(1), Part(3), USixths(2), 1,
     {AtLeast(A), AtMost(B, +2), AtMost(A, -2), AtLeast(B, +4)}, 4, TurnA},
    {"MapRegion04", 0, kZero, Part(2), Part(3), PartHalf(5), USixths(4), 1,
     {AtLeast(A, -2), AtMost(B, +4), AtMost(A, -4), AtLeast(B, +6)}, 4, TurnB},
    {"MapRegion05", 1, Part(2), PartHalf(4), kZero, PartHalf(1), kU, 2,
     {AtMost(A, +2), AtLeast(B, +2, +2)}, 2, Plain},
    {"MapRegion06", 1, Part(2), PartHalf(4), Part(5), kWhole, kUMinusW, 2,
     {AtLeast(FA, -4, +2), AtMost(FB, +6, +2)}, 2, Plain},
    {"MapRegion07", 1, Part(2), PartHalf(4), Part(1), Part(3), USixths(2), 2,
     {AtLeast(A, +2), AtMost(B, +2, +2), AtMost(A, -2, +2), AtLeast(B, +4, +2)}, 4, TurnA},
    {"MapRegion08", 1, Part(2), PartHalf(4), Part(3), PartHalf(5), USixths(4), 2,
     {AtLeast(A, -2, +2), AtMost(B, +4, +2), AtMost(A, -4, +2), AtLeast(B, +6, +2)}, 4, TurnB},
    {"MapRegion09", 2, Part(1), PartHalf(3), kZero, PartHalf(2), USixths(1), 3,
     {AtLeast(A, +2), AtMost(B, +2), AtMost(A, -2, +2), AtLeast(B, +4)}, 4, TurnC},
    {"MapRegion10", 2, Part(1), PartHalf(3), Part(2), PartHalf(4), USixths(3), 3,
     {AtLeast(A), AtMost(B, +4), AtMost(A, -2), AtLeast(B, +6)}, 4, HalfTurn},
    {"MapRegion11", 2, Part(1), PartHalf(3), Part(4), kWhole, USixths(5), 3,
     {AtLeast(A, -2), AtMost(B, +6), AtMost(A, -4), AtLeast(B, +8)}, 4, TurnD},
    {"MapRegion12", 3, Part(3), PartHalf(5), kZero, PartHalf(2), USixths(1), 4,
     {AtLeast(A, +2, +2), AtMost(B, +2, +2), AtMost(A, -2, +2, +2), AtLeast(B, +4, +2)}, 4, TurnC},
    {"MapRegion13", 3, Part(3), PartHalf(5), Part(2), PartHalf(4), USixths(3), 4,
     {AtLeast(A, +2), AtMost(B, +4, +2), AtMost(A, -2, +2), AtLeast(B, +6, +2)}, 4, HalfTurn},
    {"MapRegion14", 3, Part(3), PartHalf(5), Part(4), kWhole, USixths(5), 4,
     {AtLeast(A, -2, +2), AtMost(B, +6, +2), AtMost(A, -4, +2), AtLeast(B, +8, +2)}, 4, TurnD},
}};
// clang-format on

// The chain of v after H − y.
constexpr std::array<int, 4> kOffsetVChain{-4, +2, -1, +2};

double Fifth(Int16 sheetHeight, int k) {
    return (Int16(k) * sheetHeight).toDouble() / 5.0;
}

Int16 BoundValue(const ScanBound& bound, Int16 whole, double divisor) {
    switch (bound.kind) {
        case ScanBound::Kind::Zero:
            return 0;
        case ScanBound::Kind::Whole:
            return whole;
        case ScanBound::Kind::Part: {
            const double part = (Int16(bound.multiple) * whole).toDouble() / divisor;
            return rne(bound.plusHalf ? part + 0.5 : part);
        }
    }
    return 0;
}

double BaseValue(Base base, Int16 x) {
    const double a = 0.5 * x.toDouble();
    const double b = 0.5 * (-x.toDouble());
    switch (base) {
        case Base::A:
            return a;
        case Base::B:
            return b;
        case Base::FloorA:
            return floorReal(a);
        case Base::FloorB:
            return floorReal(b);
    }
    return a;
}

double AddSigned(double value, int signedFifths, const SheetMetrics& sheet) {
    return signedFifths > 0 ? value + sheet.fifths(signedFifths)
                            : value - sheet.fifths(-signedFifths);
}

}  // namespace

const std::array<Region, kRegionCount>& RegionTable() {
    return kRegions;
}

SheetMetrics SheetMetrics::fromSizes(Int16 sheetHeight, Int16 sheetWidth) {
    return {sheetHeight,
            sheetWidth,
            sheetHeight.toDouble() / 5.0,
            Fifth(sheetHeight, 2),
            Fifth(sheetHeight, 4),
            Fifth(sheetHeight, 6),
            Fifth(sheetHeight, 8)};
}

double SheetMetrics::fifths(int k) const {
    switch (k) {
        case 1:
            return h1;
        case 2:
            return h2;
        case 4:
            return h4;
        case 6:
            return h6;
        case 8:
            return h8;
        default:
            throw std::logic_error("no named constant h" + std::to_string(k));
    }
}

MapperFrame MapperFrame::read(const Canvas& working, const Canvas& sheet) {
    const Int16 canvasHeight = rne(working.height());
    const Int16 canvasWidth = rne(working.width());
    const Int16 sheetHeight = rne(sheet.height());
    const Int16 sheetWidth = rne(sheet.width());
    const double rhombusWidth = sheetWidth.toDouble() / 3.0;
    if (rhombusWidth == 0.0) throw std::domain_error("division by zero: the sheet is 0 wide");
    const SheetMetrics metrics = SheetMetrics::fromSizes(sheetHeight, sheetWidth);
    return {canvasHeight, canvasWidth, metrics, canvasWidth.toDouble() / rhombusWidth};
}

ScanBox ScanBoxOf(const Region& region, const SheetMetrics& sheet) {
    const Int16 h = sheet.sheetHeight;
    const Int16 w = sheet.sheetWidth;
    return {BoundValue(region.firstRow, h, 5.0), BoundValue(region.lastRow, h, 5.0),
            BoundValue(region.firstColumn, w, 6.0), BoundValue(region.lastColumn, w, 6.0)};
}

double TestValue(const RegionTest& test, const SheetMetrics& sheet, Int16 x) {
    double value = BaseValue(test.base, x);
    for (const int addend : test.addends) {
        if (addend == 0) break;
        value = AddSigned(value, addend, sheet);
    }
    return value;
}

bool TestHolds(const RegionTest& test, double value, Int16 y) {
    return test.compare == Compare::AtLeastRow ? value >= y.toDouble() : value <= y.toDouble();
}

bool InRegion(const Region& region, const SheetMetrics& sheet, Int16 x, Int16 y) {
    for (int i = 0; i < region.testCount; ++i) {
        const RegionTest& test = region.tests[size_t(i)];
        if (!TestHolds(test, TestValue(test, sheet, x), y)) return false;
    }
    return true;
}

std::vector<int> RegionsAt(const SheetMetrics& sheet, Int16 x, Int16 y) {
    std::vector<int> regions;
    for (int i = 0; i < kRegionCount; ++i) {
        const Region& region = kRegions[size_t(i)];
        const ScanBox box = ScanBoxOf(region, sheet);
        const bool inBox =
            box.firstRow <= y && y <= box.lastRow && box.firstColumn <= x && x <= box.lastColumn;
        if (inBox && InRegion(region, sheet, x, y)) regions.push_back(i);
    }
    return regions;
}

double OffsetUOf(const Region& region, const SheetMetrics& sheet, Int16 x) {
    switch (region.offsetU.kind) {
        case UKind::Column:
            return x.toDouble();
        case UKind::ColumnMinusWidth:
            return (x - sheet.sheetWidth).toDouble();
        case UKind::ColumnMinusSixths:
            return x.toDouble() -
                   (Int16(region.offsetU.sixths) * sheet.sheetWidth).toDouble() / 6.0;
    }
    return x.toDouble();
}

double OffsetVOf(const Region& region, const SheetMetrics& sheet, Int16 y) {
    double v = (sheet.sheetHeight - y).toDouble();
    for (int i = 0; i < region.offsetVSteps; ++i) v = AddSigned(v, kOffsetVChain[size_t(i)], sheet);
    return v;
}

double ScaledU(const Region& region, const MapperFrame& frame, double offsetU) {
    return region.formula == SourceFormula::HalfTurn ? (-offsetU) * frame.mapScale
                                                     : offsetU * frame.mapScale;
}

double ScaledV(const MapperFrame& frame, double offsetV) {
    return offsetV * frame.mapScale;
}

const TurnAngles& Angles() {
    static const TurnAngles angles = [] {
        const double a60 = (60.0 / 180.0) * kDecimalPi;
        const double a30 = (30.0 / 180.0) * kDecimalPi;
        return TurnAngles{std::cos(a60), std::sin(a60), std::cos(a30), std::sin(a30)};
    }();
    return angles;
}

SourcePoint SourcePointOf(SourceFormula formula, const MapperFrame& frame, double p, double q) {
    const double cw = frame.canvasWidth.toDouble();
    const double ch = frame.canvasHeight.toDouble();
    const auto [c60, s60, c30, s30] = Angles();
    switch (formula) {
        case SourceFormula::Plain:
            return {rne(cw / 2.0 + p), rne(ch / 4.0 + (-q))};
        case SourceFormula::HalfTurn:
            return {rne(cw / 2.0 + p), rne((Int16(3) * frame.canvasHeight).toDouble() / 4.0 + q)};
        case SourceFormula::TurnA:
            return {rne(((((-p) * c60) + (q * c30)) + cw / 2.0) + (((ch * s60) * c60) / 2.0)),
                    rne((((q * s30) + (p * s60)) + (((ch * c60) * c60) / 2.0)) + ch / 2.0)};
        case SourceFormula::TurnB:
            return {rne(((((-p) * c60) - (q * c30)) + cw / 2.0) - (((ch * s60) * c60) / 2.0)),
                    rne(((((-p) * s60) + (q * s30)) + (((ch * c60) * c60) / 2.0)) + ch / 2.0)};
        case SourceFormula::TurnC:
            return {rne((((q * c30) + (p * c60)) + cw / 2.0) + (((ch * s60) * c60) / 2.0)),
                    rne((((p * s60) - (q * s30)) - (((ch * c60) * c60) / 2.0)) + ch / 2.0)};
        case SourceFormula::TurnD:
            return {rne((((p * c60) - (q * c30)) + cw / 2.0) - (((ch * s60) * c60) / 2.0)),
                    rne(((((-p) * s60) - (q * s30)) - (((ch * c60) * c60) / 2.0)) + ch / 2.0)};
    }
    return {0, 0};
}

bool WithinCanvas(const SourcePoint& source, const MapperFrame& frame) {
    return Int16(0) <= source.x && source.x <= frame.canvasWidth && Int16(0) <= source.y &&
           source.y <= frame.canvasHeight;
}

SourcePoint SourceOfPixel(const Region& region, const MapperFrame& frame, Int16 x, Int16 y) {
    const double u = OffsetUOf(region, frame.sheet, x);
    const double v = OffsetVOf(region, frame.sheet, y);
    return SourcePointOf(region.formula, frame, ScaledU(region, frame, u), ScaledV(frame, v));
}

}  // namespace picturecraft::whirlfold
