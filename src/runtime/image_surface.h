#pragma once
// A drawing surface held in memory as a 32-bit RGB image. Strokes go through
// the program's own rasteriser; text goes through the toolkit's painter with
// the font the setup installs, so every machine draws the same caption.
#include <QImage>

class QPainter;

#include "runtime/platform.h"
#include "runtime/raster.h"

namespace gc {

class ImageSurface final : public Surface {
public:
    ImageSurface(int width, int height);

    int width() const override { return image_.width(); }
    int height() const override { return image_.height(); }
    void clear(Rgb colour) override;
    void drawLine(float x1, float y1, float x2, float y2, Rgb colour) override;
    void print(int x, int y, int points, Rgb colour, std::string_view text) override;
    Rgb point(int x, int y) const override;
    void setPoint(int x, int y, Rgb colour) override;

    std::optional<PixelBuffer> pixelAccess() override { return pixels(); }

    const QImage& image() const { return image_; }
    PixelBuffer pixels();

    // Text as the surfaces print it, on any image or with any painter.
    static void printOn(QImage& image, int x, int y, int points, Rgb colour, std::string_view text);
    static void printWith(QPainter& painter, int x, int y, int points, Rgb colour, std::string_view text);

private:
    QImage image_;
};

inline constexpr std::uint32_t opaque(Rgb c) { return 0xFF000000u | c; }

// The pixels of a 32-bit image for the rasteriser.
PixelBuffer pixelsOf(QImage& image);

// The caption font: the installed font file when it is there, else the same
// family from the font database. Needs a running QGuiApplication.
QFont captionFont(int points);

}  // namespace gc
