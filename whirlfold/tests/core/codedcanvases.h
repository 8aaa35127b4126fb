#pragma once

// Working canvases and sheets for conversion tests: every working-canvas pixel carries its own
// slot and raster position in its colour, so a sheet pixel tells exactly where it came from.

#include <array>
#include <memory>
#include <optional>

#include "canvas.h"
#include "numbers.h"
#include "sheetconversion.h"

namespace picturecraft::whirlfold::testing {

// The start-up size of a working canvas: 489 high and 489 × √3 / 2 wide, with its border.
inline constexpr double kWorkingWidth = 423.4864;
inline constexpr double kWorkingHeight = 489.0;

// (slot + 1) in the top bits, then the row and the column, 9 bits each; never white or black.
inline QRgb CodedColour(int slot, int x, int y) {
    return (QRgb(slot + 1) << 18) | (QRgb(y) << 9) | QRgb(x);
}

struct SourceOfColour {
    int slot;
    int x;
    int y;
};
inline std::optional<SourceOfColour> Decode(QRgb colour) {
    const int slotCode = int(colour >> 18) & 0x3F;
    if (slotCode < 1 || slotCode > 4) return std::nullopt;
    return SourceOfColour{slotCode - 1, int(colour & 0x1FF), int((colour >> 9) & 0x1FF)};
}

inline std::unique_ptr<Canvas> WorkingCanvas(double width = kWorkingWidth,
                                             double height = kWorkingHeight,
                                             QRgb background = rgb(255, 255, 255)) {
    return std::make_unique<Canvas>(width, height, CanvasUnit::Pixels, CanvasEdge::FlatBorder,
                                    background);
}

inline void PaintCoded(Canvas& canvas, int slot) {
    for (int y = 0; y < canvas.rasterHeight(); ++y)
        for (int x = 0; x < canvas.rasterWidth(); ++x)
            canvas.setPixel(x, y, CodedColour(slot, x, y));
}

// Four working canvases, each holding its own coded picture.
struct CodedSlots {
    std::array<std::unique_ptr<Canvas>, 4> canvases;

    explicit CodedSlots(double width = kWorkingWidth, double height = kWorkingHeight) {
        for (int k = 0; k < 4; ++k) {
            canvases[size_t(k)] = WorkingCanvas(width, height);
            PaintCoded(*canvases[size_t(k)], k);
        }
    }
    WorkingCanvases view() const {
        return {canvases[0].get(), canvases[1].get(), canvases[2].get(), canvases[3].get()};
    }
};

// A sheet H high and RNE(12·H / 5) wide, and its backdrop 30 wider and 3 higher, both
// starting with a pattern no conversion paints (so untouched pixels can be told apart).
struct SheetPair {
    Canvas sheet;
    Canvas backdrop;

    explicit SheetPair(int sheetHeight)
        : sheet(WidthFor(sheetHeight), sheetHeight),
          backdrop(WidthFor(sheetHeight) + 30, sheetHeight + 3) {
        Mark(sheet);
        Mark(backdrop);
    }
    static int WidthFor(int sheetHeight) {
        return rne((Int16(sheetHeight) * Int16(12)).toDouble() / 5.0).value();
    }
    // What every pixel of both canvases holds before a conversion.
    static QRgb Pattern(int x, int y) { return 0xF00000u | QRgb((x * 7 + y * 13) & 0xFFFF); }

  private:
    static void Mark(Canvas& canvas) {
        for (int y = 0; y < canvas.rasterHeight(); ++y)
            for (int x = 0; x < canvas.rasterWidth(); ++x) canvas.setPixel(x, y, Pattern(x, y));
    }
};

}  // namespace picturecraft::whirlfold::testing
