#include <optional>

#include <gtest/gtest.h>

#include "casename.h"
#include "codedpicture.h"
#include "facemapper.h"
#include "sheetlayout.h"

using namespace picturecraft;
using namespace picturecraft::cubefold;
using picturecraft::cubefold::testing::codeOf;
using picturecraft::cubefold::testing::fillCoded;

namespace {

struct MappedFaces {
    std::array<Canvas, 3> faces{MakeFaceCanvas(), MakeFaceCanvas(), MakeFaceCanvas()};
};

MappedFaces mapAll(const Canvas& mainCanvas, MappingPath path) {
    MappedFaces mapped;
    FaceMapper mapper(path);
    mapper.MapLeftFace(mainCanvas, mapped.faces[0]);
    mapper.MapRightFace(mainCanvas, mapped.faces[1]);
    mapper.MapBottomFace(mainCanvas, mapped.faces[2]);
    return mapped;
}

Canvas codedMainCanvas() {
    Canvas mainCanvas = MakeMainCanvas();
    fillCoded(mainCanvas);
    return mainCanvas;
}

FaceSizes programSizes(FaceSide side) {
    return ReadFaceSizes(side, MakeMainCanvas(), MakeFaceCanvas());
}

// Every pixel of the two canvases, compared; the first difference is reported.
::testing::AssertionResult sameRaster(const Canvas& a, const Canvas& b) {
    if (a.rasterWidth() != b.rasterWidth() || a.rasterHeight() != b.rasterHeight())
        return ::testing::AssertionFailure() << "raster sizes differ";
    for (int y = 0; y < a.rasterHeight(); ++y)
        for (int x = 0; x < a.rasterWidth(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << "): " << std::hex << a.pixel(x, y)
                       << " vs " << b.pixel(x, y);
    return ::testing::AssertionSuccess();
}

}  // namespace

// The listed face pixels: which mainCanvas pixel each takes, or that it is left alone.
struct FacePixelCase {
    const char* name;
    FaceSide side;
    int faceX, faceY;
    std::optional<QPoint> source;  // the rounded source position; nullopt: skipped
    bool copied;                   // false where the source lies beyond the raster
};

class FacePixelTest : public ::testing::TestWithParam<FacePixelCase> {
  protected:
    static void SetUpTestSuite() {
        const Canvas mainCanvas = codedMainCanvas();
        literal_ = new MappedFaces(mapAll(mainCanvas, MappingPath::Literal));
        table_ = new MappedFaces(mapAll(mainCanvas, MappingPath::Table));
    }
    static void TearDownTestSuite() {
        delete literal_;
        delete table_;
    }
    static MappedFaces* literal_;
    static MappedFaces* table_;
};

MappedFaces* FacePixelTest::literal_ = nullptr;
MappedFaces* FacePixelTest::table_ = nullptr;

TEST_P(FacePixelTest, TakesItsSourcePixelOrKeepsItsColour) {
    const FacePixelCase& c = GetParam();
    const std::optional<QPoint> source =
        FaceSourcePixel(c.side, programSizes(c.side), c.faceX, c.faceY);
    EXPECT_EQ(source, c.source);
    const QRgb expected = c.copied ? codeOf(c.source->x(), c.source->y()) : kFaceBackground;
    const size_t face = static_cast<size_t>(c.side);
    EXPECT_EQ(literal_->faces[face].pixel(c.faceX, c.faceY), expected) << "literal";
    EXPECT_EQ(table_->faces[face].pixel(c.faceX, c.faceY), expected) << "table";
}

INSTANTIATE_TEST_SUITE_P(
    FaceMapper, FacePixelTest,
    ::testing::Values(
        FacePixelCase{"left_far_corner_pixel", FaceSide::Left, 296, 296, QPoint(508, 360), true},
        FacePixelCase{"left_middle", FaceSide::Left, 148, 148, QPoint(319, 251), true},
        FacePixelCase{"left_outer_bottom", FaceSide::Left, 0, 296, QPoint(131, 577), true},
        FacePixelCase{"left_outer_top_above_the_picture", FaceSide::Left, 0, 0, std::nullopt,
                      false},
        FacePixelCase{"right_first_column_ties_to_even", FaceSide::Right, 0, 296, QPoint(508, 360),
                      true},
        FacePixelCase{"right_middle", FaceSide::Right, 148, 148, QPoint(697, 250), true},
        FacePixelCase{"right_last_column_inside", FaceSide::Right, 296, 150, QPoint(1007, 362),
                      true},
        FacePixelCase{"right_source_column_beyond_the_raster", FaceSide::Right, 296, 145,
                      QPoint(1013, 353), false},
        FacePixelCase{"bottom_far_corner_pixel", FaceSide::Bottom, 296, 0, QPoint(508, 361), true},
        FacePixelCase{"bottom_outer_left", FaceSide::Bottom, 0, 0, QPoint(131, 578), true},
        FacePixelCase{"bottom_middle", FaceSide::Bottom, 148, 148, QPoint(507, 578), true},
        FacePixelCase{"bottom_near_corner_below_the_picture", FaceSide::Bottom, 0, 296,
                      std::nullopt, false},
        FacePixelCase{"bottom_source_row_beyond_the_raster", FaceSide::Bottom, 0, 104,
                      QPoint(211, 717), false}),
    ByCaseName());

// The real source positions of the corners, before rounding.
struct ProjectionCase {
    const char* name;
    FaceSide side;
    int faceX, faceY;
    double column, row;
};

class ProjectionTest : public ::testing::TestWithParam<ProjectionCase> {};

TEST_P(ProjectionTest, LooksWhereTheCornerIsSeen) {
    const ProjectionCase& c = GetParam();
    const std::optional<QPointF> at =
        ProjectFacePixel(c.side, programSizes(c.side), c.faceX, c.faceY);
    ASSERT_TRUE(at.has_value());
    EXPECT_NEAR(at->x(), c.column, 0.005);
    EXPECT_NEAR(at->y(), c.row, 0.005);
}

INSTANTIATE_TEST_SUITE_P(
    FaceMapper, ProjectionTest,
    ::testing::Values(
        ProjectionCase{"far_corner_at_the_centre", FaceSide::Left, 297, 297, 508.5, 360.5},
        ProjectionCase{"top_of_the_wall_edge_above_the_picture", FaceSide::Left, 297, 0, 508.5,
                       -75.16},
        ProjectionCase{"bottom_face_left_edge_end", FaceSide::Bottom, 0, 0, 131.21, 578.33},
        ProjectionCase{"bottom_face_right_edge_end", FaceSide::Bottom, 297, 297, 885.79, 578.33},
        ProjectionCase{"left_face_outer_top_corner", FaceSide::Left, 0, 0, -246.09, -75.16},
        ProjectionCase{"right_face_outer_top_corner", FaceSide::Right, 297, 0, 1263.09, -75.16},
        ProjectionCase{"bottom_face_near_corner", FaceSide::Bottom, 0, 297, 508.5, 1231.82},
        ProjectionCase{"bottom_face_near_corner_pixel", FaceSide::Bottom, 0, 296, 505.968,
                       1227.44}),
    ByCaseName());

TEST(FaceMapper, PixelsWhoseViewIsStraightAheadReadColumn508) {
    // viewX is exactly 0 there, so the real column is exactly 508.5 and rounds to even.
    int checked = 0;
    for (int faceY = 0; faceY <= 297; ++faceY) {
        if (const auto source =
                FaceSourcePixel(FaceSide::Right, programSizes(FaceSide::Right), 0, faceY)) {
            EXPECT_EQ(source->x(), 508) << "right face row " << faceY;
            ++checked;
        }
        const int faceX = 297 - faceY;
        if (const auto source =
                FaceSourcePixel(FaceSide::Bottom, programSizes(FaceSide::Bottom), faceX, faceY)) {
            EXPECT_EQ(source->x(), 508) << "bottom face (" << faceX << ", " << faceY << ")";
            ++checked;
        }
    }
    EXPECT_GT(checked, 0);
}

TEST(FaceMapper, WallFacesReadTheInnerSizeAndTheBottomFaceTheOuter) {
    const Canvas mainCanvas = MakeMainCanvas();
    const Canvas bordered(297, 297, CanvasUnit::Pixels, CanvasEdge::FlatBorder);
    const FaceSizes left = ReadFaceSizes(FaceSide::Left, mainCanvas, bordered);
    const FaceSizes bottom = ReadFaceSizes(FaceSide::Bottom, mainCanvas, bordered);
    EXPECT_EQ(left.mainWidth, Int16(1017));
    EXPECT_EQ(left.mainHeight, Int16(721));
    EXPECT_EQ(left.faceWidth, Int16(295));
    EXPECT_EQ(left.faceHeight, Int16(295));
    EXPECT_EQ(bottom.faceWidth, Int16(297));
    EXPECT_EQ(bottom.faceHeight, Int16(297));
}

// The table path against the literal procedure, on pictures where every source pixel is
// distinguishable and on face canvases that already hold something.
TEST(FaceMapperTable, WritesTheSamePixelsAsTheLiteralProcedure) {
    const Canvas mainCanvas = codedMainCanvas();
    const MappedFaces literal = mapAll(mainCanvas, MappingPath::Literal);
    const MappedFaces table = mapAll(mainCanvas, MappingPath::Table);
    for (size_t i = 0; i < 3; ++i) EXPECT_TRUE(sameRaster(literal.faces[i], table.faces[i])) << i;
}

TEST(FaceMapperTable, LeavesUnwrittenPixelsAsTheyWere) {
    const Canvas mainCanvas = codedMainCanvas();
    std::array<Canvas, 3> literal{MakeFaceCanvas(), MakeFaceCanvas(), MakeFaceCanvas()};
    for (Canvas& face : literal) face.fillBox(QRectF(0, 0, 297, 297), rgb(0xFE, 0xFE, 0xFE));
    std::array<Canvas, 3> table = literal;
    const std::array<QPoint, 3> unwritten{QPoint(0, 0), QPoint(296, 145), QPoint(0, 296)};
    FaceMapper literalMapper(MappingPath::Literal);
    FaceMapper tableMapper(MappingPath::Table);
    for (size_t i = 0; i < 3; ++i) {
        const auto side = static_cast<FaceSide>(i);
        literalMapper.MapFace(side, mainCanvas, literal[i]);
        tableMapper.MapFace(side, mainCanvas, table[i]);
        EXPECT_TRUE(sameRaster(literal[i], table[i])) << i;
        EXPECT_EQ(table[i].pixel(unwritten[i].x(), unwritten[i].y()), rgb(0xFE, 0xFE, 0xFE));
    }
}

TEST(FaceMapperTable, FollowsAChangeOfCanvasSize) {
    FaceMapper tableMapper(MappingPath::Table);
    Canvas face = MakeFaceCanvas();
    tableMapper.MapLeftFace(codedMainCanvas(), face);

    Canvas smallMain(600, 400, CanvasUnit::Pixels, CanvasEdge::SunkenFrame);
    fillCoded(smallMain);
    Canvas fromTable = MakeFaceCanvas();
    Canvas fromLiteral = MakeFaceCanvas();
    tableMapper.MapLeftFace(smallMain, fromTable);
    MapFaceLiteral(FaceSide::Left, smallMain, fromLiteral);
    EXPECT_TRUE(sameRaster(fromLiteral, fromTable));
}
