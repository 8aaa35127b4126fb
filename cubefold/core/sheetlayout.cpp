#include "sheetlayout.h"

namespace picturecraft::cubefold {

Canvas MakeMainCanvas() {
    return Canvas(kMainCanvasWidth, kMainCanvasHeight, CanvasUnit::Pixels, CanvasEdge::SunkenFrame,
                  kMainBackground);
}

Canvas MakeFaceCanvas() {
    return Canvas(kFaceSize, kFaceSize, CanvasUnit::Pixels, CanvasEdge::None, kFaceBackground);
}

Canvas MakeSheetCanvas() {
    return Canvas(kSheetCanvasWidth, kSheetCanvasHeight, CanvasUnit::Pixels,
                  CanvasEdge::SunkenFrame, kSheetBackground);
}

}  // namespace picturecraft::cubefold
