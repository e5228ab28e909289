#pragma once
// What is drawn on Form1 itself (the save marker, the caption's "*"). The
// window keeps it in an image and paints that image as its background, so it
// survives every repaint, also of the parts hidden while the window was
// restored.
#include <QColor>
#include <QFont>
#include <QImage>
#include <functional>

#include "runtime/platform.h"

namespace gc::desktop {

class WindowLayer final : public Window {
public:
    // changed is told which part of the window to repaint.
    WindowLayer(QSize size, QFont font, QColor textColour, std::function<void(const QRect&)> changed);

    void drawLine(int x1, int y1, int x2, int y2, Rgb colour) override;
    void print(int x, int y, std::string_view text) override;

    // Fills the layer with the background colour.
    void clear();
    // Grows the layer to cover size at least; what is drawn stays.
    void cover(QSize size);

    const QImage& image() const { return image_; }

private:
    QImage image_;
    QFont font_;
    QColor textColour_;
    std::function<void(const QRect&)> changed_;
};

}  // namespace gc::desktop
