#pragma once
// A surface for printing: it takes the coordinates of the 700 x 525 card and
// draws them `scale` times larger, strokes `scale` pixels wide and the text
// in a font `scale` times the size, so a print shows the same card, only
// sharper. At scale 1 it draws exactly what ImageSurface draws.
#include <QImage>

#include "runtime/platform.h"
#include "runtime/raster.h"

namespace gc {

class ScaledSurface final : public Surface {
public:
    ScaledSurface(int width, int height, int scale);

    int width() const override { return width_; }
    int height() const override { return height_; }
    void clear(Rgb colour) override;
    void drawLine(float x1, float y1, float x2, float y2, Rgb colour) override;
    void print(int x, int y, int points, Rgb colour, std::string_view text) override;
    // A point of the card reads and writes the top-left pixel of its block.
    Rgb point(int x, int y) const override;
    void setPoint(int x, int y, Rgb colour) override;

    int scale() const { return scale_; }
    const QImage& image() const { return image_; }

private:
    PixelBuffer pixels();

    int width_, height_, scale_;
    QImage image_;
};

// A line `width` pixels wide: `width` one-pixel lines side by side across the
// line's longer axis, the middle one on the line itself.
void rasterWideLine(const PixelBuffer& buf, const IntLine& line, int width, std::uint32_t pixel);

}  // namespace gc
