#pragma once
// The per-pixel pipeline: polar position about the moving centre, base value,
// channel values, colour index and the two strokes. Each procedure reads and
// writes slots of the state; a statement that fails leaves its slot as it was.
#include <array>
#include <cstdint>

#include "app/state.h"
#include "runtime/platform.h"

namespace gc {

// Sines and cosines of a position's r and fit. Several statements of the
// pipeline take them; they are worked out once per position, with the same
// functions, so every statement still sees exactly its own value.
struct PixelTrig {
    double sinR, cosR, sinFit, cosFit;
};
PixelTrig pixelTrig(const PictureState& s);

// Returns the trigonometry of the r and fit it leaves in the slots.
PixelTrig polarpos(PictureState& s);
void calcba(PictureState& s, const PixelTrig& t);
void calcrgb(PictureState& s, const PixelTrig& t);
void calcbarva(PictureState& s, const PixelTrig& t);
inline void calcba(PictureState& s) { calcba(s, pixelTrig(s)); }
inline void calcrgb(PictureState& s) { calcrgb(s, pixelTrig(s)); }
inline void calcbarva(PictureState& s) { calcbarva(s, pixelTrig(s)); }

inline constexpr int baseVariants = 15;
inline constexpr int channelVariants = 3;
inline constexpr int indexVariants = 4;

// The variant a selector slot runs: its value made a 16-bit whole number, when
// that lies in 1..count; every other value, and a failed conversion, runs 1.
inline int selectVariant(const Value& selector, int count) {
    // Made a 16-bit whole number (nearest, halves to even); anything that is
    // not 1..count after that, or does not convert, runs variant 1. Values
    // outside (0.5, count + 0.5] can only round outside 1..count.
    const double v = selector.num();
    if (!(v > 0.5 && v <= count + 0.5)) return 1;
    const int k = static_cast<int>(roundHalfEven(v));
    return k <= count ? k : 1;
}

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
PlotLocals plotLocals(PictureState& s, const PixelTrig& t);
inline PlotLocals plotLocals(PictureState& s) { return plotLocals(s, pixelTrig(s)); }
// Draws the strokes plotLocals worked out, as plotpixel's last two statements.
void drawStrokes(Surface& surface, const PlotLocals& p);

// The whole pipeline of one position: polarpos, calcba, calcrgb, calcbarva
// and plotpixel's work short of drawing.
PlotLocals runPosition(PictureState& s);
// The same for two positions of independent states, stage by stage: the
// processor then works on both dependency chains at once.
void runPositionPair(PictureState& a, PictureState& b, PlotLocals& pa, PlotLocals& pb);

}  // namespace gc
