#pragma once
// The program's icon is cut from one of its own cards.
#include <QImage>
#include <QRect>

namespace gc::icon {

// The name whose card becomes the icon. Changing it changes every icon.
inline constexpr const char* iconName = "ana novak";

// The square of the picture the icon shows: the full picture height above
// the caption line, centred across the width.
QRect iconSquare();

// The square cut from a 700 x 525 picture and scaled smoothly to size x size.
QImage iconImage(const QImage& picture, int size);

}  // namespace gc::icon
