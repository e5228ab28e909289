#include "runtime/scaled_surface.h"

#include <cstdlib>

#include "runtime/image_surface.h"

namespace gc {

void rasterWideLine(const PixelBuffer& buf, const IntLine& l, int width, std::uint32_t pixel) {
    const ClipRect clip{0, 0, buf.width - 1, buf.height - 1};
    const bool xMajor = std::abs(l.x2 - l.x1) >= std::abs(l.y2 - l.y1);
    for (int k = -(width - 1) / 2; k <= width / 2; ++k) {
        const IntLine side = xMajor ? IntLine{l.x1, l.y1 + k, l.x2, l.y2 + k} : IntLine{l.x1 + k, l.y1, l.x2 + k, l.y2};
        rasterLine(buf, clip, side, pixel);
    }
}

ScaledSurface::ScaledSurface(int width, int height, int scale)
    : width_(width), height_(height), scale_(scale), image_(width * scale, height * scale, QImage::Format_RGB32) {
    image_.fill(opaque(black));
}

PixelBuffer ScaledSurface::pixels() { return pixelsOf(image_); }

void ScaledSurface::clear(Rgb colour) { image_.fill(opaque(colour)); }

void ScaledSurface::drawLine(float x1, float y1, float x2, float y2, Rgb colour) {
    const double s = scale_;  // single coordinates times a small whole number: exact in double
    if (const auto l = roundLine(x1 * s, y1 * s, x2 * s, y2 * s)) rasterWideLine(pixels(), *l, scale_, opaque(colour));
}

void ScaledSurface::print(int x, int y, int points, Rgb colour, std::string_view text) {
    ImageSurface::printOn(image_, x * scale_, y * scale_, points * scale_, colour, text);
}

Rgb ScaledSurface::point(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return black;
    return image_.pixel(x * scale_, y * scale_) & 0xFFFFFFu;
}

void ScaledSurface::setPoint(int x, int y, Rgb colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    image_.setPixel(x * scale_, y * scale_, opaque(colour));
}

}  // namespace gc
