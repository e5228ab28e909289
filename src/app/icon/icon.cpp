#include "app/icon/icon.h"

#include "app/card.h"

namespace gc::icon {

namespace {
// The caption's text line starts 490 pixels down; a few pixels of margin
// keep the tops of tall letters out of the square.
constexpr int captionTop = 490;
constexpr int margin = 6;
}  // namespace

QRect iconSquare() {
    const int side = captionTop - margin;
    return QRect((pictureWidth - side) / 2, 0, side, side);
}

QImage iconImage(const QImage& picture, int size) {
    // Opaque RGB in, opaque ARGB out: PNG icons are expected to carry alpha,
    // and an opaque alpha keeps the square from blending into panels.
    const QImage square = picture.copy(iconSquare()).convertToFormat(QImage::Format_ARGB32);
    return square.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace gc::icon
