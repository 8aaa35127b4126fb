#pragma once

// The finished sheet on the backdrop: the painted sheet copied to its top-left corner, then the
// net's black line work over it.
//
//   0          x1=W/6      x3=W/2      x5=5W/6      W    W+20   F
//   +-----------+-----------+-----------+-----------+      |     |   top edge, separators 0..yT
//   |\   /\     |     /\    |    /\     |    /\    /|\     |     |
//   | \ /  \    |    /  \   |   /  \    |   /  \  / | \    |     |   every sloping lattice line
//   |  X    \   .   /    \  .  /    \   .  /    \/  |  \---+     |   y = ±x/2 + i·2H/5, one pixel
//   | / \    \  .  /      \ . /      \  . /     /\  |   joinFlap |   per column, over the flap
//   |/   \    \ . /        \./        \ ./     /  \ |      |     |   strip too (to column F)
//   +     ...                                       +      +         left, right and outer flap
//   0..yE                                       W: 0..yE  W+20: 0..yE   edges down to yE
//   (no bottom edge; rows H..H+2 of the backdrop are spare and the sloping lines reach row H)

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
// lattice lines, then the separators and the outline.
void DrawNetLines(const Canvas& sheet, Canvas& backdrop);

// The same pixels, each column's ten rows computed directly.
void DrawNetLinesFast(const Canvas& sheet, Canvas& backdrop);

}  // namespace picturecraft::whirlfold
