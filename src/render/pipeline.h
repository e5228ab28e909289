#pragma once
// The per-pixel pipeline: polar position about the moving centre, base value,
// channel values, colour index and the two strokes. Each procedure reads and
// writes slots of the state; a statement that fails leaves its slot as it was.
#include <array>
#include <cstdint>

#include "app/state.h"
#include "runtime/platform.h"

namespace gc {

void polarpos(PictureState& s);
void calcba(PictureState& s);
void calcrgb(PictureState& s);
void calcbarva(PictureState& s);

inline constexpr int baseVariants = 15;
inline constexpr int channelVariants = 3;
inline constexpr int indexVariants = 4;

// The variant a selector slot runs: its value made a 16-bit whole number, when
// that lies in 1..count; every other value, and a failed conversion, runs 1.
int selectVariant(const Value& selector, int count);

struct Stroke {
    float x1, y1, x2, y2;
    bool drawn;  // false when its statement failed
};

// plotpixel's locals, kept for tracing; they start empty (zero) every call.
struct PlotLocals {
    double m = 0, k = 0;
    double R = 0, G = 0, B = 0;
    double SR = 0, SG = 0, CR = 0, CG = 0;
    std::array<Stroke, 2> strokes{};
    Rgb colour = 0;
};

// Clamps barva, picks the palette row, modulates it and works out the two
// strokes without drawing them, so that renderers can batch strokes.
PlotLocals plotLocals(PictureState& s);
// The same, then draws the strokes; the locals are returned for tracing.
PlotLocals plotpixel(PictureState& s, Surface& surface);

}  // namespace gc
