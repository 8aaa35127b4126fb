#include "sheetcanvases.h"

namespace picturecraft::whirlfold {

namespace {

constexpr QRgb kWindowColour = rgb(255, 255, 255);

Canvas sheetCanvas(double width, double height) {
    return Canvas(width, height, CanvasUnit::Pixels, CanvasEdge::None, kWindowColour);
}

}  // namespace

SheetCanvases::SheetCanvases() : sheet(sheetCanvas(769, 497)), backdrop(sheetCanvas(769, 505)) {}

SheetSizes SheetCanvases::SizeForStartup() {
    SheetSizes sizes;
    sizes.sheetHeight = rne(sheet.height());
    const Int16 twelveRows = sizes.sheetHeight * Int16(12);
    sizes.sheetWidth = rne(twelveRows.toDouble() / 5);
    sheet.setWidth(sizes.sheetWidth.toDouble());
    sizes.sheetFrameWidth = rne(toSingle(toSingle(sheet.width()) + 30));
    sizes.sheetFrameHeight = rne(toSingle(toSingle(sheet.height()) + 3));
    backdrop.resize(sizes.sheetFrameWidth.toDouble(), sizes.sheetFrameHeight.toDouble());
    return sizes;
}

}  // namespace picturecraft::whirlfold
