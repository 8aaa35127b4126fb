#include "conversion.h"

#include "composesheet.h"

namespace picturecraft::cubefold {

void Conversion::Run(const Canvas& mainCanvas, SheetCanvases& sheet) {
    mapper_.MapLeftFace(mainCanvas, sheet.faces[0]);
    mapper_.MapRightFace(mainCanvas, sheet.faces[1]);
    mapper_.MapBottomFace(mainCanvas, sheet.faces[2]);
    ComposeSheet(sheet.faces, sheet.sheet);
}

}  // namespace picturecraft::cubefold
