#include "app/desktop/window_layer.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "runtime/image_surface.h"
#include "runtime/raster.h"

namespace gc::desktop {

WindowLayer::WindowLayer(QSize size, QFont font, QColor textColour, std::function<void(const QRect&)> changed)
    : image_(size, QImage::Format_RGB32), font_(std::move(font)), textColour_(textColour), changed_(std::move(changed)) {
    image_.fill(opaque(black));
}

void WindowLayer::clear() {
    image_.fill(opaque(black));
    changed_(image_.rect());
}

void WindowLayer::cover(QSize size) {
    const QSize wanted = image_.size().expandedTo(size);
    if (wanted == image_.size()) return;
    QImage grown(wanted, QImage::Format_RGB32);
    grown.fill(opaque(black));
    QPainter(&grown).drawImage(0, 0, image_);
    image_ = std::move(grown);
}

void WindowLayer::drawLine(int x1, int y1, int x2, int y2, Rgb colour) {
    // The engine's own line rule, so the marker covers the same pixels as
    // the strokes would: both end points included.
    const PixelBuffer buf{reinterpret_cast<std::uint32_t*>(image_.bits()), image_.width(), image_.height(),
                          image_.bytesPerLine() / 4};
    rasterLine(buf, static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2), static_cast<float>(y2),
               opaque(colour));
    changed_(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2))));
}

void WindowLayer::print(int x, int y, std::string_view text) {
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetrics metrics(font_);
    QPainter painter(&image_);
    painter.setFont(font_);
    painter.setPen(textColour_);
    painter.drawText(QPoint(x, y + metrics.ascent()), s);
    changed_(QRect(x, y, metrics.horizontalAdvance(s) + 1, metrics.height()));
}

}  // namespace gc::desktop
