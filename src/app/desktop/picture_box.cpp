#include "app/desktop/picture_box.h"

#include <QPaintEvent>
#include <QPainter>

namespace gc::desktop {

PictureBox::PictureBox(const ImageSurface& surface, QWidget* parent) : QWidget(parent), surface_(surface) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), surface_.image(), event->rect());
}

}  // namespace gc::desktop
