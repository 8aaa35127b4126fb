#pragma once

// SheetCanvases: the sheet window's two canvases, Picture1 (the sheet the region mappers paint)
// and Picture3 (the backdrop that receives a copy of the sheet and the net lines, and is shown,
// saved and printed), and their start-up sizing. Both lie at the sheet window's top-left corner,
// the backdrop over the sheet:
//
//   +----------------------------------------+--+
//   | sheet: sheetWidth x sheetHeight         |  |  backdrop: sheetFrameWidth x
//   | (1193 x 497)                            |  |  sheetFrameHeight (1223 x 500)
//   +----------------------------------------+  |
//   +-------------------------------------------+

#include "canvas.h"
#include "numbers.h"

namespace picturecraft::whirlfold {

// The sizes the start-up derives, pixels.
struct SheetSizes {
    Int16 sheetHeight;
    Int16 sheetWidth;
    Int16 sheetFrameWidth;
    Int16 sheetFrameHeight;
};

struct SheetCanvases {
    // Both at their design sizes (769 x 497 and 769 x 505 pixels), no edge, white background.
    SheetCanvases();

    // The start-up sizing: sheetHeight is the sheet's height rounded (ties to even);
    // sheetWidth = sheetHeight x 12 (16-bit, OverflowError above a height of 2730) / 5, rounded;
    // the backdrop is the sheet's size plus 30 x 3, added in single precision and rounded.
    SheetSizes SizeForStartup();

    Canvas sheet;     // Picture1
    Canvas backdrop;  // Picture3
};

}  // namespace picturecraft::whirlfold
