#pragma once

// Canvas: a persistent off-screen RGB raster with a background colour and an optional edge.
//
//     outer size (what width()/height() report, in the canvas's unit)
//     +--------------------------+
//     | edge (0, 1 or 2 pixels)  |
//     |  +--------------------+  |
//     |  | raster: drawing    |  |   drawing coordinates start at the raster's top-left
//     |  | coordinates (0,0)  |  |   pixel; whatever falls outside the raster is clipped
//     |  +--------------------+  |   and changes nothing
//     +--------------------------+
//
// Units: a canvas works in pixels or in twips (15 twips to a pixel, always). Sizes and
// drawing positions are given in the canvas's own unit; pixel-level operations (pixel(),
// setPixel(), copyPixel()) always take raster pixel indices.
//
// The raster holds round(outer / unitsPerPixel) - 2 * edge pixels each way (ties away from
// zero, never below 0). Resizing keeps the pixels that still fit and paints new ones in
// the background colour.

#include <cstdint>

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QRgb>

namespace picturecraft {

enum class CanvasUnit { Pixels, Twips };

enum class CanvasEdge {
    None,         // no border
    FlatBorder,   // a flat 1-pixel border
    SunkenFrame,  // a sunken 3-D frame 2 pixels wide
};

// How drawn pixels combine with those already on the canvas.
enum class Combine {
    Replace,  // destination = source
    And,      // destination = source AND destination, per colour component
    Xor,      // destination = source XOR destination, per colour component
};

// Whether a line sets its end point (it always sets its start point).
enum class LineEnd { Excluded, Included };

inline constexpr double kTwipsPerPixel = 15.0;

// 0xRRGGBB without alpha; pixel() returns colours in this form.
constexpr QRgb rgb(int r, int g, int b) {
    return qRgb(r, g, b) & 0xFFFFFFu;
}

class Canvas {
  public:
    Canvas(double outerWidth, double outerHeight, CanvasUnit unit = CanvasUnit::Pixels,
           CanvasEdge edge = CanvasEdge::None, QRgb background = rgb(255, 255, 255));

    // Outer size, edge included, in the canvas's unit.
    double width() const { return outerWidth_; }
    double height() const { return outerHeight_; }
    void setWidth(double outerWidth);
    void setHeight(double outerHeight);
    void resize(double outerWidth, double outerHeight);

    // The drawing area inside the edge, in the canvas's unit.
    double innerWidth() const;
    double innerHeight() const;

    // The raster, in whole pixels.
    int rasterWidth() const { return raster_.width(); }
    int rasterHeight() const { return raster_.height(); }
    bool contains(int x, int y) const {
        return x >= 0 && y >= 0 && x < raster_.width() && y < raster_.height();
    }

    CanvasUnit unit() const { return unit_; }
    CanvasEdge edge() const { return edge_; }
    int edgePixels() const;  // 0, 1 or 2
    double unitsPerPixel() const { return unit_ == CanvasUnit::Twips ? kTwipsPerPixel : 1.0; }

    QRgb background() const { return background_; }
    void setBackground(QRgb colour) { background_ = colour & 0xFFFFFFu; }

    // Paints the whole raster in the background colour.
    void clear();

    // Pixel access by raster index. pixel() of a point outside the raster is 0 (black);
    // setPixel() and copyPixel() outside either raster change nothing.
    QRgb pixel(int x, int y) const;
    void setPixel(int x, int y, QRgb colour);
    void copyPixel(const Canvas& source, int sourceX, int sourceY, int x, int y);

    // A one-pixel solid line from a to b (canvas units), Bresenham, start point always set.
    void drawLine(QPointF a, QPointF b, QRgb colour, LineEnd end = LineEnd::Excluded);

    // Fills the box (canvas units) with a colour, replacing pixels.
    void fillBox(const QRectF& box, QRgb colour);

    // Draws the whole picture scaled into the target rectangle (canvas units, may lie partly
    // or wholly outside the raster). Nearest-neighbour: a raster pixel is covered when its
    // centre lies in [left, left + width) x [top, top + height); it takes the picture pixel
    // under the corresponding point. Replace or And.
    void drawScaled(const QImage& picture, const QRectF& target,
                    Combine combine = Combine::Replace);
    void drawScaled(const Canvas& source, const QRectF& target, Combine combine = Combine::Replace);

    // Draws the source's raster unscaled with its top-left pixel at `at` (canvas units),
    // combined as asked.
    void drawUnscaled(const Canvas& source, QPointF at, Combine combine);

    // Copies the source rectangle (source units) unscaled to `at` (this canvas's units).
    void copyRect(const Canvas& source, const QRectF& sourceRect, QPointF at);

    // The raster's current contents, 24-bit colour (QImage::Format_RGB32, alpha 255).
    QImage picture() const { return raster_; }

    // Direct access for whole-raster fast paths. The format stays QImage::Format_RGB32.
    const QImage& raster() const { return raster_; }
    QImage& raster() { return raster_; }

  private:
    int rasterExtent(double outer) const;
    int toPixel(double units) const;  // a position in units to the nearest raster index
    void resizeRaster();

    double outerWidth_;
    double outerHeight_;
    CanvasUnit unit_;
    CanvasEdge edge_;
    QRgb background_;
    QImage raster_;
};

}  // namespace picturecraft
