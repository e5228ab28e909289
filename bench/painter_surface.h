#pragma once
// The straightforward way to paint a card, kept as the yardstick for the
// picture pass: every stroke one toolkit line on an image, one thread.
#include <QImage>
#include <QPainter>
#include <QPen>

#include "runtime/platform.h"

namespace gc::bench {

class PainterSurface final : public Surface {
public:
    PainterSurface(int width, int height);
    ~PainterSurface() override;

    int width() const override { return image_.width(); }
    int height() const override { return image_.height(); }
    void clear(Rgb colour) override;
    void drawLine(float x1, float y1, float x2, float y2, Rgb colour) override;
    void print(int x, int y, int points, Rgb colour, std::string_view text) override;
    Rgb point(int x, int y) const override;
    void setPoint(int x, int y, Rgb colour) override;

    const QImage& image() const { return image_; }

private:
    QImage image_;
    QPainter painter_;  // open for the surface's whole life, as a simple program keeps it
    QPen pen_;
};

}  // namespace gc::bench
