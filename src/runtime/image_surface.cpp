#include "runtime/image_surface.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>

#ifndef GREETCARD_FONT_FILE
#define GREETCARD_FONT_FILE "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
#endif

namespace gc {

ImageSurface::ImageSurface(int width, int height) : image_(width, height, QImage::Format_RGB32) {
    image_.fill(opaque(black));
}

PixelBuffer pixelsOf(QImage& image) {
    return PixelBuffer{reinterpret_cast<std::uint32_t*>(image.bits()), image.width(), image.height(),
                       image.bytesPerLine() / 4};
}

PixelBuffer ImageSurface::pixels() { return pixelsOf(image_); }

void ImageSurface::clear(Rgb colour) { image_.fill(opaque(colour)); }

void ImageSurface::drawLine(float x1, float y1, float x2, float y2, Rgb colour) {
    rasterLine(pixels(), x1, y1, x2, y2, opaque(colour));
}

QFont captionFont(int points) {
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(QStringLiteral(GREETCARD_FONT_FILE));
        const QStringList families = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
        return families.isEmpty() ? QStringLiteral("DejaVu Sans") : families.first();
    }();
    QFont font(family);
    // Points at the surface's 96 dots per inch, as whole pixels, so the size
    // does not depend on the screen the program runs on.
    font.setPixelSize((points * 96 + 36) / 72);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void ImageSurface::print(int x, int y, int points, Rgb colour, std::string_view text) {
    printOn(image_, x, y, points, colour, text);
}

void ImageSurface::printOn(QImage& image, int x, int y, int points, Rgb colour, std::string_view text) {
    QPainter painter(&image);
    printWith(painter, x, y, points, colour, text);
}

void ImageSurface::printWith(QPainter& painter, int x, int y, int points, Rgb colour, std::string_view text) {
    const QFont font = captionFont(points);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(opaque(colour)));
    // (x, y) is the top of the text line; the painter wants the baseline.
    const int baseline = y + QFontMetrics(font).ascent();
    painter.drawText(QPoint(x, baseline), QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

Rgb ImageSurface::point(int x, int y) const {
    if (x < 0 || y < 0 || x >= width() || y >= height()) return black;
    return image_.pixel(x, y) & 0xFFFFFFu;
}

void ImageSurface::setPoint(int x, int y, Rgb colour) {
    if (x < 0 || y < 0 || x >= width() || y >= height()) return;
    image_.setPixel(x, y, opaque(colour));
}

}  // namespace gc
