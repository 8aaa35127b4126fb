// One Cubefold conversion: the three face mappers and ComposeSheet, the literal per-pixel
// procedure beside the table path the program uses.

#include <benchmark/benchmark.h>

#include "conversion.h"
#include "sheetlayout.h"

namespace {

using namespace picturecraft;
using namespace picturecraft::cubefold;

Canvas patternedMainCanvas() {
    Canvas mainCanvas = MakeMainCanvas();
    for (int y = 0; y < mainCanvas.rasterHeight(); ++y)
        for (int x = 0; x < mainCanvas.rasterWidth(); ++x)
            mainCanvas.setPixel(x, y, rgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF));
    return mainCanvas;
}

void convert(benchmark::State& state, MappingPath path) {
    const Canvas mainCanvas = patternedMainCanvas();
    SheetCanvases sheet;
    Conversion conversion(path);
    conversion.Run(mainCanvas, sheet);  // the table path builds its tables once, here
    for (auto _ : state) {
        conversion.Run(mainCanvas, sheet);
        benchmark::DoNotOptimize(sheet.sheet.raster().constBits());
    }
}

void BM_ConversionLiteral(benchmark::State& state) {
    convert(state, MappingPath::Literal);
}
void BM_ConversionTable(benchmark::State& state) {
    convert(state, MappingPath::Table);
}

// The first conversion of a run with the table path: the tables are built, then applied.
void BM_FirstConversionTable(benchmark::State& state) {
    const Canvas mainCanvas = patternedMainCanvas();
    SheetCanvases sheet;
    for (auto _ : state) {
        Conversion conversion(MappingPath::Table);
        conversion.Run(mainCanvas, sheet);
        benchmark::DoNotOptimize(sheet.sheet.raster().constBits());
    }
}

}  // namespace

BENCHMARK(BM_ConversionLiteral)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConversionTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstConversionTable)->Unit(benchmark::kMillisecond);
