#include "facemapper.h"

#include <cmath>

namespace picturecraft::cubefold {

namespace {

// The rotation into the view: an isometric turn whose depth axis is the cube's diagonal
// through the far corner.
struct ViewConstants {
    double cosA = std::cos(std::atan(std::sqrt(2.0)));              // 1/sqrt(3)
    double cosB = std::cos(std::atan(std::sqrt(5.0 / 4.0) / 0.5));  // 1/sqrt(6)
    double cosC = std::cos(std::atan(std::sqrt(2.0) / 2.0));        // sqrt(2/3)
    double cos45 = std::cos(degreesToRadians(45.0));                // a hair above 1/sqrt(2)
    double sqrt3 = std::sqrt(3.0);
};

// Pixels from one raster row to the next (a raster of the same size has the same stride).
int rasterStride(const QImage& raster) {
    return static_cast<int>(raster.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb)));
}

const ViewConstants& viewConstants() {
    static const ViewConstants constants;
    return constants;
}

struct CubePoint {
    Int16 p, q, r;
};

CubePoint cubePoint(FaceSide side, const FaceSizes& sizes, Int16 faceX, Int16 faceY) {
    switch (side) {
        case FaceSide::Left:
            return {sizes.faceWidth - faceX, 0, sizes.faceHeight - faceY};
        case FaceSide::Right:
            return {0, faceX, sizes.faceHeight - faceY};
        case FaceSide::Bottom:
            return {sizes.faceWidth - faceX, faceY, 0};
    }
    return {};
}

}  // namespace

FaceSizes ReadFaceSizes(FaceSide side, const Canvas& mainCanvas, const Canvas& faceCanvas) {
    const Int16 mainHeight = rne(mainCanvas.height());
    const Int16 mainWidth = rne(mainCanvas.width());
    const bool outer = side == FaceSide::Bottom;
    const Int16 faceHeight = rne(outer ? faceCanvas.height() : faceCanvas.innerHeight());
    const Int16 faceWidth = rne(outer ? faceCanvas.width() : faceCanvas.innerWidth());
    return {mainWidth, mainHeight, faceWidth, faceHeight};
}

std::optional<QPointF> ProjectFacePixel(FaceSide side, const FaceSizes& sizes, Int16 faceX,
                                        Int16 faceY) {
    const ViewConstants& k = viewConstants();
    const CubePoint cube = cubePoint(side, sizes, faceX, faceY);
    const double p = cube.p.toDouble();
    const double q = cube.q.toDouble();
    const double r = cube.r.toDouble();

    const double viewZ = (k.cosA * r + k.cosA * p) + k.cosA * q;
    const double viewY = k.cosC * r + (-(p * k.cosB) - k.cosB * q);
    const double viewX = -(k.cos45 * p) + k.cos45 * q;

    const double eyeDistance = sizes.faceWidth.toDouble() * k.sqrt3;
    if (viewZ == eyeDistance) return std::nullopt;
    const double planeDepth = (-sizes.mainWidth).toDouble() / 10.0;

    const double screenX = (viewX * (planeDepth - eyeDistance)) / (viewZ - eyeDistance);
    const double screenY = (viewY * (planeDepth - eyeDistance)) / (viewZ - eyeDistance);
    return QPointF(sizes.mainWidth.toDouble() / 2.0 + screenX,
                   sizes.mainHeight.toDouble() / 2.0 - screenY);
}

std::optional<QPoint> FaceSourcePixel(FaceSide side, const FaceSizes& sizes, Int16 faceX,
                                      Int16 faceY) {
    const std::optional<QPointF> source = ProjectFacePixel(side, sizes, faceX, faceY);
    if (!source) return std::nullopt;
    const double row = source->y();
    if (!(row >= 0.0 && row <= sizes.mainHeight.toDouble())) return std::nullopt;
    const Int16 sourceX = rne(source->x());
    const Int16 sourceY = rne(row);
    if (sourceX < 0 || sourceX > sizes.mainWidth || sourceY < 0 || sourceY > sizes.mainHeight)
        return std::nullopt;
    return QPoint(sourceX.value(), sourceY.value());
}

void MapFaceLiteral(FaceSide side, const Canvas& mainCanvas, Canvas& faceCanvas) {
    const FaceSizes sizes = ReadFaceSizes(side, mainCanvas, faceCanvas);
    for (Int16 faceY = 0; faceY <= sizes.faceHeight; ++faceY) {
        for (Int16 faceX = 0; faceX <= sizes.faceWidth; ++faceX) {
            const std::optional<QPoint> source = FaceSourcePixel(side, sizes, faceX, faceY);
            if (source)
                faceCanvas.copyPixel(mainCanvas, source->x(), source->y(), faceX.value(),
                                     faceY.value());
        }
    }
}

void FaceMapper::MapLeftFace(const Canvas& mainCanvas, Canvas& faceCanvas) {
    MapFace(FaceSide::Left, mainCanvas, faceCanvas);
}

void FaceMapper::MapRightFace(const Canvas& mainCanvas, Canvas& faceCanvas) {
    MapFace(FaceSide::Right, mainCanvas, faceCanvas);
}

void FaceMapper::MapBottomFace(const Canvas& mainCanvas, Canvas& faceCanvas) {
    MapFace(FaceSide::Bottom, mainCanvas, faceCanvas);
}

void FaceMapper::MapFace(FaceSide side, const Canvas& mainCanvas, Canvas& faceCanvas) {
    if (path_ == MappingPath::Literal) {
        MapFaceLiteral(side, mainCanvas, faceCanvas);
        return;
    }
    const FaceSizes sizes = ReadFaceSizes(side, mainCanvas, faceCanvas);
    std::optional<Table>& table = tables_[static_cast<size_t>(side)];
    if (!table || !fits(*table, sizes, mainCanvas, faceCanvas))
        table = build(side, sizes, mainCanvas, faceCanvas);
    apply(*table, mainCanvas, faceCanvas);
}

bool FaceMapper::fits(const Table& table, const FaceSizes& sizes, const Canvas& mainCanvas,
                      const Canvas& faceCanvas) {
    return table.sizes.mainWidth == sizes.mainWidth && table.sizes.mainHeight == sizes.mainHeight &&
           table.sizes.faceWidth == sizes.faceWidth && table.sizes.faceHeight == sizes.faceHeight &&
           table.mainRaster == mainCanvas.raster().size() &&
           table.faceRaster == faceCanvas.raster().size();
}

FaceMapper::Table FaceMapper::build(FaceSide side, const FaceSizes& sizes, const Canvas& mainCanvas,
                                    const Canvas& faceCanvas) {
    Table table{sizes, mainCanvas.raster().size(), faceCanvas.raster().size(), {}};
    const int faceStride = rasterStride(faceCanvas.raster());
    const int sourceStride = rasterStride(mainCanvas.raster());
    for (Int16 faceY = 0; faceY <= sizes.faceHeight; ++faceY) {
        for (Int16 faceX = 0; faceX <= sizes.faceWidth; ++faceX) {
            if (!faceCanvas.contains(faceX.value(), faceY.value())) continue;
            const std::optional<QPoint> source = FaceSourcePixel(side, sizes, faceX, faceY);
            if (!source || !mainCanvas.contains(source->x(), source->y())) continue;
            table.copies.push_back({faceY.value() * faceStride + faceX.value(),
                                    source->y() * sourceStride + source->x()});
        }
    }
    return table;
}

void FaceMapper::apply(const Table& table, const Canvas& mainCanvas, Canvas& faceCanvas) {
    const auto* source = reinterpret_cast<const QRgb*>(mainCanvas.raster().constBits());
    auto* face = reinterpret_cast<QRgb*>(faceCanvas.raster().bits());
    for (const Copy& copy : table.copies) face[copy.face] = source[copy.source] | 0xFF000000u;
}

}  // namespace picturecraft::cubefold
