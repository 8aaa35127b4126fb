#pragma once

#include "facemapper.h"
#include "sheetlayout.h"

namespace picturecraft::cubefold {

// One conversion, as the program's timer tick runs it: MapLeftFace, MapRightFace and
// MapBottomFace from mainCanvas into the face canvases, then ComposeSheet onto the sheet.
// A Conversion keeps its mapping tables between runs.
class Conversion {
  public:
    explicit Conversion(MappingPath path = MappingPath::Table) : mapper_(path) {}

    void Run(const Canvas& mainCanvas, SheetCanvases& sheet);

  private:
    FaceMapper mapper_;
};

}  // namespace picturecraft::cubefold
