// Whole-canvas raster operations at the sizes the programs use.

#include <benchmark/benchmark.h>

#include "canvas.h"

using picturecraft::Canvas;
using picturecraft::CanvasUnit;
using picturecraft::Combine;
using picturecraft::rgb;

static void BM_DrawScaledLargePicture(benchmark::State& state) {
    QImage photograph(6000, 4000, QImage::Format_RGB32);
    photograph.fill(rgb(200, 100, 50));
    Canvas channel(9600, 6400, CanvasUnit::Twips);
    for (auto _ : state) {
        channel.drawScaled(photograph, QRectF(0, 0, 9600, 6400), Combine::And);
        benchmark::DoNotOptimize(channel.raster().constBits());
    }
}
BENCHMARK(BM_DrawScaledLargePicture)->Unit(benchmark::kMillisecond);

static void BM_XorWholeCanvas(benchmark::State& state) {
    Canvas left(9600, 7200, CanvasUnit::Twips, picturecraft::CanvasEdge::None, rgb(255, 0, 0));
    Canvas composite(9600, 7200, CanvasUnit::Twips);
    for (auto _ : state) {
        composite.drawUnscaled(left, QPointF(0, 0), Combine::Xor);
        benchmark::DoNotOptimize(composite.raster().constBits());
    }
}
BENCHMARK(BM_XorWholeCanvas)->Unit(benchmark::kMicrosecond);
