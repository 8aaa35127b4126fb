#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace picturecraft {

namespace {

constexpr QRgb kOpaque = 0xFF000000u;

// The raster range [first, last) whose pixel centres lie in [start, start + extent).
struct Span {
    int first;
    int last;
};

Span coveredSpan(double start, double extent, int rasterSize) {
    if (!(extent > 0.0)) return {0, 0};
    // Centre i + 0.5 >= start  <=>  i >= start - 0.5; centre < start + extent likewise.
    const double firstReal = std::ceil(start - 0.5);
    const double lastReal = std::ceil(start + extent - 0.5);
    const int first = static_cast<int>(std::clamp(firstReal, 0.0, double(rasterSize)));
    const int last = static_cast<int>(std::clamp(lastReal, 0.0, double(rasterSize)));
    return {first, std::max(first, last)};
}

// The picture index under raster pixel i of a span scaled from `extent` pixels to
// `sourceSize` picture pixels.
int sampleIndex(int i, double start, double extent, int sourceSize) {
    const double t = ((i + 0.5) - start) / extent;
    const int index = static_cast<int>(std::floor(t * sourceSize));
    return std::clamp(index, 0, sourceSize - 1);
}

QRgb combined(QRgb source, QRgb destination, Combine combine) {
    switch (combine) {
        case Combine::Replace:
            return source | kOpaque;
        case Combine::And:
            return (source & destination) | kOpaque;
        case Combine::Xor:
            return (source ^ destination) | kOpaque;
    }
    return source | kOpaque;
}

}  // namespace

Canvas::Canvas(double outerWidth, double outerHeight, CanvasUnit unit, CanvasEdge edge,
               QRgb background)
    : outerWidth_(outerWidth),
      outerHeight_(outerHeight),
      unit_(unit),
      edge_(edge),
      background_(background & 0xFFFFFFu) {
    resizeRaster();
}

void Canvas::setWidth(double outerWidth) {
    resize(outerWidth, outerHeight_);
}
void Canvas::setHeight(double outerHeight) {
    resize(outerWidth_, outerHeight);
}

void Canvas::resize(double outerWidth, double outerHeight) {
    outerWidth_ = outerWidth;
    outerHeight_ = outerHeight;
    resizeRaster();
}

double Canvas::innerWidth() const {
    return outerWidth_ - 2.0 * edgePixels() * unitsPerPixel();
}
double Canvas::innerHeight() const {
    return outerHeight_ - 2.0 * edgePixels() * unitsPerPixel();
}

int Canvas::edgePixels() const {
    switch (edge_) {
        case CanvasEdge::None:
            return 0;
        case CanvasEdge::FlatBorder:
            return 1;
        case CanvasEdge::SunkenFrame:
            return 2;
    }
    return 0;
}

int Canvas::rasterExtent(double outer) const {
    const double pixels = std::round(outer / unitsPerPixel());
    const double inner = pixels - 2.0 * edgePixels();
    return inner > 0.0 ? static_cast<int>(std::min(inner, 1.0e5)) : 0;
}

int Canvas::toPixel(double units) const {
    return static_cast<int>(std::floor(units / unitsPerPixel() + 0.5));
}

void Canvas::resizeRaster() {
    const int w = rasterExtent(outerWidth_);
    const int h = rasterExtent(outerHeight_);
    if (!raster_.isNull() && raster_.width() == w && raster_.height() == h) return;
    QImage next(w, h, QImage::Format_RGB32);
    next.fill(background_ | kOpaque);
    const int keepW = std::min(w, raster_.width());
    const int keepH = std::min(h, raster_.height());
    for (int y = 0; y < keepH; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(raster_.constScanLine(y));
        std::copy(from, from + keepW, reinterpret_cast<QRgb*>(next.scanLine(y)));
    }
    raster_ = std::move(next);
}

void Canvas::clear() {
    raster_.fill(background_ | kOpaque);
}

QRgb Canvas::pixel(int x, int y) const {
    if (!contains(x, y)) return 0;
    return reinterpret_cast<const QRgb*>(raster_.constScanLine(y))[x] & 0xFFFFFFu;
}

void Canvas::setPixel(int x, int y, QRgb colour) {
    if (!contains(x, y)) return;
    reinterpret_cast<QRgb*>(raster_.scanLine(y))[x] = colour | kOpaque;
}

void Canvas::copyPixel(const Canvas& source, int sourceX, int sourceY, int x, int y) {
    if (!source.contains(sourceX, sourceY) || !contains(x, y)) return;
    setPixel(x, y, source.pixel(sourceX, sourceY));
}

void Canvas::drawLine(QPointF a, QPointF b, QRgb colour, LineEnd end) {
    int x0 = toPixel(a.x());
    int y0 = toPixel(a.y());
    const int x1 = toPixel(b.x());
    const int y1 = toPixel(b.y());
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    while (true) {
        const bool atEnd = x0 == x1 && y0 == y1;
        if (atEnd && end == LineEnd::Excluded && (dx != 0 || dy != 0)) break;
        setPixel(x0, y0, colour);
        if (atEnd) break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y0 += stepY;
        }
    }
}

void Canvas::fillBox(const QRectF& box, QRgb colour) {
    const double upp = unitsPerPixel();
    const Span xs = coveredSpan(box.left() / upp, box.width() / upp, rasterWidth());
    const Span ys = coveredSpan(box.top() / upp, box.height() / upp, rasterHeight());
    for (int y = ys.first; y < ys.last; ++y) {
        auto* row = reinterpret_cast<QRgb*>(raster_.scanLine(y));
        std::fill(row + xs.first, row + xs.last, colour | kOpaque);
    }
}

void Canvas::drawScaled(const QImage& picture, const QRectF& target, Combine combine) {
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0) return;
    const QImage source =
        picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
            ? picture
            : picture.convertToFormat(QImage::Format_RGB32);
    const double upp = unitsPerPixel();
    const double left = target.left() / upp;
    const double top = target.top() / upp;
    const double w = target.width() / upp;
    const double h = target.height() / upp;
    const Span xs = coveredSpan(left, w, rasterWidth());
    const Span ys = coveredSpan(top, h, rasterHeight());
    if (xs.first == xs.last || ys.first == ys.last) return;

    std::vector<int> sourceColumn(static_cast<size_t>(xs.last - xs.first));
    for (int x = xs.first; x < xs.last; ++x)
        sourceColumn[size_t(x - xs.first)] = sampleIndex(x, left, w, source.width());

    for (int y = ys.first; y < ys.last; ++y) {
        const int sy = sampleIndex(y, top, h, source.height());
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(sy));
        auto* to = reinterpret_cast<QRgb*>(raster_.scanLine(y));
        for (int x = xs.first; x < xs.last; ++x)
            to[x] = combined(from[sourceColumn[size_t(x - xs.first)]], to[x], combine);
    }
}

void Canvas::drawScaled(const Canvas& source, const QRectF& target, Combine combine) {
    drawScaled(source.raster_, target, combine);
}

void Canvas::drawUnscaled(const Canvas& source, QPointF at, Combine combine) {
    const int atX = toPixel(at.x());
    const int atY = toPixel(at.y());
    const int firstX = std::max(0, atX);
    const int lastX = std::min(rasterWidth(), atX + source.rasterWidth());
    const int firstY = std::max(0, atY);
    const int lastY = std::min(rasterHeight(), atY + source.rasterHeight());
    for (int y = firstY; y < lastY; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.raster_.constScanLine(y - atY));
        auto* to = reinterpret_cast<QRgb*>(raster_.scanLine(y));
        for (int x = firstX; x < lastX; ++x) to[x] = combined(from[x - atX], to[x], combine);
    }
}

void Canvas::copyRect(const Canvas& source, const QRectF& sourceRect, QPointF at) {
    const double sourceUpp = source.unitsPerPixel();
    const int sx = static_cast<int>(std::floor(sourceRect.left() / sourceUpp + 0.5));
    const int sy = static_cast<int>(std::floor(sourceRect.top() / sourceUpp + 0.5));
    const int w = static_cast<int>(std::floor(sourceRect.width() / sourceUpp + 0.5));
    const int h = static_cast<int>(std::floor(sourceRect.height() / sourceUpp + 0.5));
    const int atX = toPixel(at.x());
    const int atY = toPixel(at.y());
    for (int row = 0; row < h; ++row) {
        const int fromY = sy + row;
        const int toY = atY + row;
        if (fromY < 0 || fromY >= source.rasterHeight() || toY < 0 || toY >= rasterHeight())
            continue;
        for (int column = 0; column < w; ++column)
            copyPixel(source, sx + column, fromY, atX + column, toY);
    }
}

}  // namespace picturecraft
