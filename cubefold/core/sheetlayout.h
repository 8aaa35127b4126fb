#pragma once

// The fixed geometry of Cubefold: the main canvas the picture is fitted into, the three face
// canvases, the sheet canvas, and the outline of the net.
//
// All canvases work in pixels. The face canvases and the outline stand in the sheet window's
// hidden layout area; the sheet shows that area moved up by kLayoutShift pixels.

#include <array>

#include <QPoint>
#include <QRgb>

#include "canvas.h"

namespace picturecraft::cubefold {

// mainCanvas: outer 1017 x 721, a 2-pixel sunken frame, raster 1013 x 717.
inline constexpr double kMainCanvasWidth = 1017;
inline constexpr double kMainCanvasHeight = 721;

// Each face canvas: 297 x 297 without border.
inline constexpr double kFaceSize = 297;

// sheetCanvas: outer 977 x 641, a 2-pixel sunken frame, raster 973 x 637.
inline constexpr double kSheetCanvasWidth = 977;
inline constexpr double kSheetCanvasHeight = 641;

// The hidden layout area of the sheet window: 977 x 673.
inline constexpr int kLayoutAreaWidth = 977;
inline constexpr int kLayoutAreaHeight = 673;

// Layout position (x, y) lands on sheet raster position (x, y - kLayoutShift).
inline constexpr int kLayoutShift = 30;

// The colours every canvas starts with. The platform's window background (system colour 5)
// and title-bar text (system colour 9) are white in the default scheme; the sheet is meant for
// paper, so they are fixed here rather than taken from the desktop's theme.
inline constexpr QRgb kMainBackground = rgb(255, 255, 255);
inline constexpr QRgb kFaceBackground = rgb(255, 255, 255);
inline constexpr QRgb kSheetBackground = rgb(255, 255, 255);
inline constexpr QRgb kOutlineColour = rgb(0, 0, 0);

// Top-left corners of face canvases 0 (left), 1 (right) and 2 (bottom) in the layout area.
inline constexpr std::array<QPoint, 3> kFacePlaces{QPoint(32, 32), QPoint(328, 32),
                                                   QPoint(32, 328)};

// One outline segment, end points in layout-area pixels.
struct NetSegment {
    int x1, y1, x2, y2;
};

// The outline of the net, drawn in index order, in layout-area pixels. The faces cover x and
// y 32..328 (left), x 328..624 and y 32..328 (right), x 32..328 and y 328..624 (bottom), both
// ends included.
//
//   The corner's net: three faces, glue tabs 32 pixels deep with 45-degree sides.
//
//         0 32                 328                 624 656
//      32  /+-------------------+-------------------+\   (tabs)
//         | |                   :                   | |
//         | |    left face 0    :   right face 1    | |
//     296  \|                   :                   |/
//     328   +- - - - - - - - - -+- - - - - - - - - -+
//     360  /|                   |\   (tab)
//         | |   bottom face 2   | |
//     592  \|                   |/
//     624   +-------------------+
//     656    \_________________/
//
//   The blank piece: a lower square with a tab, a right triangle, an upper square.
//
//           376 408       592 624 672 720                968
//      72                         +-----------------------+
//                                 |                       |
//                                 |     upper square      |
//     320                         +.                      |
//     336       +-----------+       '.                    |
//     368     +'             '+.   .' +-------------------+
//     416     |                 '+'   triangle         .'
//             |                  |                 .'
//             |   lower square   |             .'
//             |                  |         .'
//             |                  |     .'
//     664     +------------------+ .'
//
// ':' and '- -' are the edges between faces and the edges that meet when the corner is
// folded; they are not drawn through the pictures, only 8-pixel ticks mark their ends. The
// three corners meeting at (672, 368) are cut off 48 pixels from that point (0, 1, 2).
// Several entries repeat others (6, 8, 23, 28, 36) or lie on another (9 and 41 on 18); all
// are drawn.
inline constexpr std::array<NetSegment, 48> kNetSegments{{
    {672, 320, 720, 368},  // 0 blank piece: notch, upper slant
    {624, 368, 672, 416},  // 1 blank piece: notch, left slant
    {672, 416, 720, 368},  // 2 blank piece: notch, lower slant
    {0, 360, 0, 592},      // 3 bottom face left tab: outer edge
    {0, 64, 0, 296},       // 4 left face tab: outer edge
    {0, 592, 32, 624},     // 5 bottom face left tab: lower slant
    {0, 592, 32, 624},     // 6 the same again
    {0, 296, 32, 328},     // 7 left face tab: lower slant
    {0, 296, 32, 328},     // 8 the same again
    {968, 144, 968, 312},  // 9 blank piece, upper square: on its right edge
    {624, 32, 656, 64},    // 10 right face tab: upper slant
    {64, 656, 296, 656},   // 11 bottom face lower tab: outer edge
    {328, 616, 328, 624},  // 12 tick: bottom end of the bottom face's right edge
    {624, 32, 624, 328},   // 13 right face: right edge
    {672, 72, 968, 72},    // 14 blank piece, upper square: top edge
    {328, 624, 32, 624},   // 15 bottom face: bottom edge
    {32, 624, 64, 656},    // 16 bottom face lower tab: left slant
    {296, 656, 328, 624},  // 17 bottom face lower tab: right slant
    {968, 72, 968, 368},   // 18 blank piece, upper square: right edge
    {656, 64, 656, 296},   // 19 right face tab: outer edge
    {624, 328, 656, 296},  // 20 right face tab: lower slant
    {0, 64, 32, 32},       // 21 left face tab: upper slant
    {0, 360, 32, 328},     // 22 bottom face left tab: upper slant
    {0, 64, 32, 32},       // 23 the same as 21
    {328, 336, 328, 328},  // 24 tick: top end of the bottom face's right edge
    {328, 328, 336, 328},  // 25 tick: left end of the right face's bottom edge
    {328, 32, 624, 32},    // 26 right face: top edge
    {328, 328, 360, 360},  // 27 bottom face right tab: upper slant
    {336, 328, 328, 328},  // 28 the same as 25, reversed
    {360, 360, 360, 592},  // 29 bottom face right tab: outer edge
    {624, 328, 616, 328},  // 30 tick: right end of the right face's bottom edge
    {328, 624, 360, 592},  // 31 bottom face right tab: lower slant
    {720, 368, 968, 368},  // 32 blank piece: upper square's bottom, triangle's top side
    {672, 664, 968, 368},  // 33 blank piece, triangle: long side
    {376, 368, 376, 664},  // 34 blank piece, lower square: left edge
    {672, 416, 672, 664},  // 35 blank piece: lower square's right edge, triangle's left side
    {968, 368, 672, 664},  // 36 the same as 33, reversed
    {376, 368, 624, 368},  // 37 blank piece, lower square: top edge
    {376, 664, 672, 664},  // 38 blank piece, lower square: bottom edge
    {32, 328, 32, 624},    // 39 bottom face: left edge
    {32, 32, 32, 328},     // 40 left face: left edge
    {968, 128, 968, 328},  // 41 blank piece, upper square: on its right edge
    {32, 32, 328, 32},     // 42 left face: top edge
    {672, 72, 672, 320},   // 43 blank piece, upper square: left edge
    {376, 368, 408, 336},  // 44 blank piece, lower square tab: left slant
    {408, 336, 592, 336},  // 45 blank piece, lower square tab: outer edge
    {592, 336, 624, 368},  // 46 blank piece, lower square tab: right slant
    {328, 32, 328, 40},    // 47 tick: top end of the fold between left and right face
}};

// The canvases as the program creates them: white, at their fixed sizes.
Canvas MakeMainCanvas();
Canvas MakeFaceCanvas();
Canvas MakeSheetCanvas();

// Face canvases 0 (left), 1 (right), 2 (bottom) and the sheet canvas they are composed onto.
struct SheetCanvases {
    std::array<Canvas, 3> faces{MakeFaceCanvas(), MakeFaceCanvas(), MakeFaceCanvas()};
    Canvas sheet = MakeSheetCanvas();
};

}  // namespace picturecraft::cubefold
