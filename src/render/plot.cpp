#include <cmath>
#include <optional>

#include "render/pipeline.h"
#include "runtime/calc.h"

namespace gc {

namespace {

// A palette row: k is made a 32-bit whole number and checked against the
// array's bounds; outside them every statement that reads the row fails.
const std::array<Value, PictureState::palColLast + 1>* paletteRow(const PictureState& s, double row) {
    const auto k = toI32(row);
    if (!k || *k < 0 || *k > PictureState::palRowLast) return nullptr;
    return &s.pal[static_cast<std::size_t>(*k)];
}

N entry(const std::array<Value, PictureState::palColLast + 1>* row, int column) {
    return row ? N((*row)[static_cast<std::size_t>(column)]) : N::fail();
}

// A colour channel is made a 16-bit whole number, halves to even. Channels
// of at most 32767 in size, the usual case, need no range check.
std::optional<Rgb> compose(double R, double G, double B) {
    if (std::fabs(R) <= 32767.0 && std::fabs(G) <= 32767.0 && std::fabs(B) <= 32767.0)
        return composeRgb(static_cast<int>(roundHalfEven(R)), static_cast<int>(roundHalfEven(G)),
                          static_cast<int>(roundHalfEven(B)));
    const auto r = toI16(R), g = toI16(G), b = toI16(B);
    if (!r || !g || !b) return std::nullopt;
    return composeRgb(*r, *g, *b);
}

inline Stroke stroke(N x1, N y1, N x2, N y2) {
    const float fx1 = static_cast<float>(x1.v), fy1 = static_cast<float>(y1.v), fx2 = static_cast<float>(x2.v),
                fy2 = static_cast<float>(y2.v);
    // Each end made single as toSingle does, the four checks in one: f - f is
    // 0 for a finite number and NaN beyond the single range or for NaN.
    const float spread = ((fx1 - fx1) + (fy1 - fy1)) + ((fx2 - fx2) + (fy2 - fy2));
    const bool ok = x1.ok && y1.ok && x2.ok && y2.ok && spread == 0.0f;
    if (!ok) return Stroke{0, 0, 0, 0, false};
    return Stroke{fx1, fy1, fx2, fy2, true};
}

}  // namespace

PlotLocals plotLocals(PictureState& s, const PixelTrig& t) {
    PlotLocals p;
    // Strict comparisons: exactly 1 or 675 stays as it is, kind included.
    if (s.barva.num() < 1.0) s.barva = Value::i16(1);
    if (s.barva.num() > 675.0) s.barva = Value::i16(675);
    // Mod makes a non-whole barva whole by the runtime's rounding (nearest,
    // halves to even), so 2.5 gives 2 and 3.5 gives 4.
    let(p.m, mod(N(s.barva), N(280.0)));
    let(p.k, intPart(N(p.m) + N(s.pozic0)));
    const auto* row = paletteRow(s, p.k);  // the three statements read the same row
    let(p.R, entry(row, 1) * (N(1.0) + N(t.sinR)));
    let(p.G, entry(row, 2) * (N(1.0) + N(t.sinFit)));
    let(p.B, entry(row, 3) * (N(1.0) + N(t.cosR)));
    // The four statements are independent; taken per channel, sine and cosine
    // of the same angle come from one library call.
    const N angleR = N(p.R) / N(100.0), angleG = N(p.G) / N(100.0);
    let(p.SR, N(100.0) * sin(angleR));
    let(p.CR, N(100.0) * cos(angleR));
    let(p.SG, N(100.0) * sin(angleG));
    let(p.CG, N(100.0) * cos(angleG));

    // Both strokes are statements of their own and compose the colour anew.
    const auto colour = compose(p.R, p.G, p.B);
    p.colour = colour.value_or(0);
    const N i(s.i), j(s.j), SR(p.SR), CR(p.CR), SG(p.SG), CG(p.CG);
    p.strokes[0] = stroke(i + SR, j + CR, i - SG, j - CG);
    p.strokes[1] = stroke(i - SR, j - CR, i + SG, j + CG);
    if (!colour) p.strokes[0].drawn = p.strokes[1].drawn = false;
    return p;
}

void drawStrokes(Surface& surface, const PlotLocals& p) {
    for (const Stroke& st : p.strokes)
        if (st.drawn) surface.drawLine(st.x1, st.y1, st.x2, st.y2, p.colour);
}

}  // namespace gc
