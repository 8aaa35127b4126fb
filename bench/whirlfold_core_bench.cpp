// One whole Whirlfold conversion (fourteen mappers, the copy to the backdrop, the net lines) at
// the start-up sizes: a 1193 x 497 sheet from four 423.4864 x 489 working canvases.

#include <benchmark/benchmark.h>

#include <array>
#include <memory>

#include "canvas.h"
#include "sheetconversion.h"

namespace {

using picturecraft::Canvas;
using picturecraft::CanvasEdge;
using picturecraft::CanvasUnit;
using picturecraft::whirlfold::WorkingCanvases;

struct StartUpCanvases {
    std::array<std::unique_ptr<Canvas>, 4> working;
    Canvas sheet{1193, 497};
    Canvas backdrop{1223, 500};

    StartUpCanvases() {
        for (int k = 0; k < 4; ++k) {
            auto canvas =
                std::make_unique<Canvas>(423.4864, 489, CanvasUnit::Pixels, CanvasEdge::FlatBorder);
            for (int y = 0; y < canvas->rasterHeight(); ++y)
                for (int x = 0; x < canvas->rasterWidth(); ++x)
                    canvas->setPixel(x, y, picturecraft::rgb(x & 0xFF, y & 0xFF, 64 * k));
            working[size_t(k)] = std::move(canvas);
        }
    }
    WorkingCanvases view() const {
        return {working[0].get(), working[1].get(), working[2].get(), working[3].get()};
    }
};

void BM_ConvertSheetLiteral(benchmark::State& state) {
    StartUpCanvases canvases;
    for (auto _ : state) {
        picturecraft::whirlfold::ConvertSheetLiteral(canvases.view(), canvases.sheet,
                                                     canvases.backdrop);
        benchmark::DoNotOptimize(canvases.backdrop.raster().constBits());
    }
}
BENCHMARK(BM_ConvertSheetLiteral)->Unit(benchmark::kMillisecond);

void BM_ConvertSheetFast(benchmark::State& state) {
    StartUpCanvases canvases;
    for (auto _ : state) {
        picturecraft::whirlfold::ConvertSheet(canvases.view(), canvases.sheet, canvases.backdrop);
        benchmark::DoNotOptimize(canvases.backdrop.raster().constBits());
    }
}
BENCHMARK(BM_ConvertSheetFast)->Unit(benchmark::kMillisecond);

}  // namespace
