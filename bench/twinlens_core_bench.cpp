// Twinlens: the conversion and the arrow pad, on the sizes a person meets.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include "anaglyph.h"

using namespace picturecraft;
using namespace picturecraft::twinlens;

namespace {

QImage gradientPicture(int w, int h) {
    QImage picture(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < w; ++x) row[x] = qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF);
    }
    return picture;
}

// QImage needs an application object for its image plugins.
QGuiApplication& application() {
    static int argc = 1;
    static char name[] = "twinlens_core_bench";
    static char* argv[] = {name, nullptr};
    // No window is shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    return app;
}

// "変換・合成" with both photographs 640 x 480 pixels on 640 x 480 channels, photograph 2
// pasted (redrawn from holder 2: raster operations only).
void BM_ConvertAndCombinePasted(benchmark::State& state) {
    application();
    Anaglyph anaglyph;
    anaglyph.PastePicture1(gradientPicture(640, 480));
    anaglyph.PastePicture2(gradientPicture(640, 480));
    for (auto _ : state) {
        anaglyph.ConvertAndCombine();
        benchmark::DoNotOptimize(anaglyph.composite().raster().constBits());
    }
}
BENCHMARK(BM_ConvertAndCombinePasted)->Unit(benchmark::kMicrosecond);

// The same with photograph 2 opened from a bitmap file, which every conversion reads again.
void BM_ConvertAndCombineFromFile(benchmark::State& state) {
    application();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("right.bmp"));
    gradientPicture(640, 480).save(path, "BMP");
    Anaglyph anaglyph;
    anaglyph.PastePicture1(gradientPicture(640, 480));
    anaglyph.LoadPicture2(path);
    for (auto _ : state) {
        anaglyph.ConvertAndCombine();
        benchmark::DoNotOptimize(anaglyph.composite().raster().constBits());
    }
}
BENCHMARK(BM_ConvertAndCombineFromFile)->Unit(benchmark::kMicrosecond);

// One arrow press with a 6000 x 4000 photograph 1 (scaled once at the paste).
void BM_ArrowPressLargePhotograph(benchmark::State& state) {
    application();
    Anaglyph anaglyph;
    anaglyph.PastePicture1(gradientPicture(6000, 4000));
    anaglyph.PastePicture2(gradientPicture(640, 480));
    bool right = true;
    for (auto _ : state) {
        anaglyph.Nudge(right ? ArrowButton::Right : ArrowButton::Left);
        right = !right;
        benchmark::DoNotOptimize(anaglyph.composite().raster().constBits());
    }
}
BENCHMARK(BM_ArrowPressLargePhotograph)->Unit(benchmark::kMicrosecond);

// For comparison: what a press would cost if it scaled the large photograph every time.
void BM_ArrowPressScalingEveryTime(benchmark::State& state) {
    application();
    const QImage photograph = gradientPicture(6000, 4000);
    Canvas channel(9600, 6400, CanvasUnit::Twips);
    int offset = 0;
    for (auto _ : state) {
        channel.raster().fill(qRgb(255, 0, 0));
        offset = offset == 0 ? 15 : 0;
        channel.drawScaled(photograph, QRectF(offset, 0, 9600, 6400), Combine::And);
        benchmark::DoNotOptimize(channel.raster().constBits());
    }
}
BENCHMARK(BM_ArrowPressScalingEveryTime)->Unit(benchmark::kMicrosecond);

}  // namespace
