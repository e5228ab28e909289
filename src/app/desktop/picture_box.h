#pragma once
// Shows a drawing surface held in memory: Picture1 on the window.
#include <QWidget>

#include "runtime/image_surface.h"

namespace gc::desktop {

class PictureBox final : public QWidget {
public:
    PictureBox(const ImageSurface& surface, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ImageSurface& surface_;
};

}  // namespace gc::desktop
