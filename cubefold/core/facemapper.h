#pragma once

// The face mappers: mainCanvas is read as a view into the inside corner of a cube, and each of
// the corner's three faces is turned back into a flat square by inverse perspective.
//
//                 top of the left/right edge
//                         |
//          left face      |      right face          the far corner of the cube lies at
//                         |                          the centre of mainCanvas; the edges
//                         + far corner               to the bottom face run down at 30
//                     .-'   '-.                      degrees to either side
//                 .-'  bottom   '-.
//                       face
//
// Cube coordinates of face pixel (faceX, faceY), side length faceWidth:
//
//     face            cubeP                cubeQ      cubeR                far corner at
//     0 left          faceWidth - faceX    0          faceHeight - faceY   bottom right
//     1 right         0                    faceX      faceHeight - faceY   bottom left
//     2 bottom        faceWidth - faceX    faceY      0                    top right
//
// The mapping depends only on the canvas sizes. FaceMapper's table path computes it once per
// size and then only copies pixels; it writes the same pixels as the literal procedure.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include <QPoint>
#include <QPointF>

#include "canvas.h"
#include "numbers.h"

namespace picturecraft::cubefold {

enum class FaceSide { Left = 0, Right = 1, Bottom = 2 };  // face canvas 0, 1, 2

// The sizes a mapper reads at its start, rounded half to even into 16 bits: mainCanvas's outer
// size, and the face canvas's inner size (left and right face) or outer size (bottom face).
struct FaceSizes {
    Int16 mainWidth;
    Int16 mainHeight;
    Int16 faceWidth;
    Int16 faceHeight;
};
FaceSizes ReadFaceSizes(FaceSide side, const Canvas& mainCanvas, const Canvas& faceCanvas);

// Where face pixel (faceX, faceY) looks in mainCanvas, before any test or rounding:
// (mainWidth / 2 + screenX, mainHeight / 2 - screenY) in raster pixels. nullopt where the
// view depth equals the eye's, which no point of the three faces reaches.
std::optional<QPointF> ProjectFacePixel(FaceSide side, const FaceSizes& sizes, Int16 faceX,
                                        Int16 faceY);

// The mainCanvas pixel that face pixel (faceX, faceY) copies: the real row is tested against
// 0..mainHeight before rounding, both coordinates are rounded half to even into 16 bits and
// tested against 0..mainWidth and 0..mainHeight. nullopt for a skipped pixel. A position in the
// last columns or rows of the outer size lies beyond the raster; its copy changes nothing.
std::optional<QPoint> FaceSourcePixel(FaceSide side, const FaceSizes& sizes, Int16 faceX,
                                      Int16 faceY);

// The mapper pixel by pixel: faceY from 0 to faceHeight, faceX from 0 to faceWidth (both
// inclusive, row by row), each written pixel copied from mainCanvas; skipped pixels keep
// their colour.
void MapFaceLiteral(FaceSide side, const Canvas& mainCanvas, Canvas& faceCanvas);

enum class MappingPath { Literal, Table };

class FaceMapper {
  public:
    explicit FaceMapper(MappingPath path = MappingPath::Table) : path_(path) {}

    // Each fills one face canvas from mainCanvas; nothing else changes.
    void MapLeftFace(const Canvas& mainCanvas, Canvas& faceCanvas);
    void MapRightFace(const Canvas& mainCanvas, Canvas& faceCanvas);
    void MapBottomFace(const Canvas& mainCanvas, Canvas& faceCanvas);
    void MapFace(FaceSide side, const Canvas& mainCanvas, Canvas& faceCanvas);

  private:
    // The written face pixels in the order the mapper visits them, each with the raster
    // offset of its destination and of its source in mainCanvas; valid for the sizes it was
    // built for.
    struct Copy {
        std::int32_t face;
        std::int32_t source;
    };
    struct Table {
        FaceSizes sizes;
        QSize mainRaster;
        QSize faceRaster;
        std::vector<Copy> copies;
    };
    static bool fits(const Table& table, const FaceSizes& sizes, const Canvas& mainCanvas,
                     const Canvas& faceCanvas);
    static Table build(FaceSide side, const FaceSizes& sizes, const Canvas& mainCanvas,
                       const Canvas& faceCanvas);
    static void apply(const Table& table, const Canvas& mainCanvas, Canvas& faceCanvas);

    MappingPath path_;
    std::array<std::optional<Table>, 3> tables_;
};

}  // namespace picturecraft::cubefold
