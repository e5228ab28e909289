#include "render/scan.h"

#include "runtime/calc.h"

namespace gc {

double modelX(const PictureState& s, int column) { return static_cast<double>(column) / s.dx.num() - s.polx.num(); }
double modelY(const PictureState& s, int row) { return s.poly.num() - static_cast<double>(row) / s.dy.num(); }

bool scanpixels(PictureState& s, Surface& picture, Host& host, const ScanGate& gate, const PixelObserver& observer) {
    picture.clear(composeRgb(0, 0, 0));
    const int lastRow = static_cast<int>(s.vis.num());
    const int lastColumn = static_cast<int>(s.sir.num());
    // The counters are the scan's own and are copied into i and j for the
    // pipeline, so a command run inside the yield that reuses those slots
    // (saving does) cannot move the scan.
    for (int row = 0; row <= lastRow; ++row) {
        s.j = Value::i16(static_cast<std::int16_t>(row));
        host.yieldToEvents();
        if (gate && !gate()) return false;
        s.j = Value::i16(static_cast<std::int16_t>(row));
        const double y = modelY(s, row);
        for (int column = 0; column <= lastColumn; ++column) {
            s.i = Value::i16(static_cast<std::int16_t>(column));
            s.x = Value::dbl(modelX(s, column));
            s.y = Value::dbl(y);
            const PlotLocals p = runPosition(s);
            drawStrokes(picture, p);
            if (observer) observer(s, p);
        }
        s.i = Value::i16(static_cast<std::int16_t>(lastColumn + 1));
    }
    s.j = Value::i16(static_cast<std::int16_t>(lastRow + 1));
    return true;
}

}  // namespace gc
