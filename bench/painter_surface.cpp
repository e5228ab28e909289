#include "painter_surface.h"

#include <QLineF>

#include "runtime/image_surface.h"

namespace gc::bench {

PainterSurface::PainterSurface(int width, int height) : image_(width, height, QImage::Format_RGB32) {
    image_.fill(opaque(black));
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    pen_.setWidth(1);
    pen_.setCosmetic(true);
}

PainterSurface::~PainterSurface() { painter_.end(); }

void PainterSurface::clear(Rgb colour) {
    painter_.save();
    painter_.setCompositionMode(QPainter::CompositionMode_Source);
    painter_.fillRect(image_.rect(), QColor::fromRgb(opaque(colour)));
    painter_.restore();
}

void PainterSurface::drawLine(float x1, float y1, float x2, float y2, Rgb colour) {
    pen_.setColor(QColor::fromRgb(opaque(colour)));
    painter_.setPen(pen_);
    painter_.drawLine(QLineF(x1, y1, x2, y2));
}

void PainterSurface::print(int x, int y, int points, Rgb colour, std::string_view text) {
    ImageSurface::printWith(painter_, x, y, points, colour, text);
}

Rgb PainterSurface::point(int x, int y) const {
    if (x < 0 || y < 0 || x >= width() || y >= height()) return black;
    return image_.pixel(x, y) & 0xFFFFFFu;
}

void PainterSurface::setPoint(int x, int y, Rgb colour) {
    if (x < 0 || y < 0 || x >= width() || y >= height()) return;
    pen_.setColor(QColor::fromRgb(opaque(colour)));
    painter_.setPen(pen_);
    painter_.drawPoint(x, y);
}

}  // namespace gc::bench
