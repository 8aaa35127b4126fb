#pragma once

// The finished sheet on the backdrop: the painted sheet copied to its top-left corner, then the
// net's black line work over it.
//
//        0        x1=⌊W/6⌋     x3=⌊W/2⌋      x5=⌊5W/6⌋     W    W+20  F
//   y=0  +---------+-------------+-------------+-------------+.    |    top edge 0..W, and the
//        |\       /|\           /|\           /|\           /| .   |    separators 0..yT
//        | \     / | \         / | \         / | \         / |  .  |
//   yT   |  \   /  |  \       /  |  \       /  |  \       /  |   . |    the flap's corner
//        |   \ /       \     /       \     /       \     /    |    .|    (W,0)-(W+20,20)
//        |    X         \   /         \   /         \   /     |     |
//        |   / \    the sloping lines y = ±x/2 + i·2H/5, one    |     |    run on across the
//        |  /   \   pixel per column, from column 0 to F         |     |    flap to column F
//   yE   +                                                     +     +    left, right and outer
//   H     (no bottom edge; the sloping lines reach row H, the first spare row)    edges 0..yE

#include <array>

#include "canvas.h"
#include "numbers.h"

namespace picturecraft::whirlfold {

// The sizes and lengths the line work derives from the sheet and the backdrop.
struct NetMetrics {
    Int16 sheetHeight;                      // H
    Int16 sheetWidth;                       // W
    Int16 sheetFrameWidth;                  // F
    Int16 g2, g4, g6, g8, g10;              // ⌊(k·H) ÷ 5⌋, the products in 16 bits
    Int16 separatorLength;                  // yT = ⌊H ÷ 5 + 0.5⌋
    Int16 edgeLength;                       // yE = ⌊(4·H) ÷ 5 + 0.5⌋
    std::array<Int16, 3> separatorColumns;  // ⌊k·W ÷ 6⌋ for k = 1, 3, 5

    // Reads H, W and F (RNE of the outer sizes, in that order). Throws OverflowError for
    // H > 3276 (10·H).
    static NetMetrics read(const Canvas& sheet, const Canvas& backdrop);
};

// Draws the sheet's whole raster onto the backdrop at (0, 0), replacing the covered pixels; the
// backdrop's spare columns and rows keep what they held.
void CopySheetToBackdrop(const Canvas& sheet, Canvas& backdrop);

// The literal line work: every pixel of columns 0..F and rows 0..H tested against the ten
// lattice lines, then the separators and the outline (straight marks set both end points).
void DrawNetLines(const Canvas& sheet, Canvas& backdrop);

// The same pixels, each column's ten rows computed directly.
void DrawNetLinesFast(const Canvas& sheet, Canvas& backdrop);

}  // namespace picturecraft::whirlfold
