#include <array>

#include "render/pipeline.h"
#include "runtime/calc.h"

namespace gc {

namespace {

struct ChannelInputs {
    N ba, fak1, fak2, fak3;
    N sinR, cosR, sinFit;
};

using ChannelFormula = N (*)(const ChannelInputs&);

// One row per variant: the formulas for re, gr and bl. The bracket is formed
// first and ba is the left factor.
constexpr std::array<std::array<ChannelFormula, 3>, channelVariants> channelFormulas = {{
    {[](const ChannelInputs& p) { return p.ba * p.fak1; },
     [](const ChannelInputs& p) { return p.ba * p.fak2; },
     [](const ChannelInputs& p) { return p.ba * p.fak3; }},
    {[](const ChannelInputs& p) { return p.ba * (N(10.0) + p.sinR); },
     [](const ChannelInputs& p) { return p.ba * (N(10.0) + p.cosR); },
     [](const ChannelInputs& p) { return p.ba * (N(10.0) + p.sinFit); }},
    {[](const ChannelInputs& p) { return p.ba * (p.fak1 + p.sinR); },
     [](const ChannelInputs& p) { return p.ba * (p.fak2 + p.cosR); },
     [](const ChannelInputs& p) { return p.ba * (p.fak3 + p.sinFit); }},
}};

struct IndexInputs {
    N re, gr, bl, r, fit, r6;
    N sinR, cosR, sinFit;
};

using IndexFormula = N (*)(const IndexInputs&);

constexpr std::array<IndexFormula, indexVariants> indexFormulas = {
    [](const IndexInputs& p) { return (p.re + p.gr) + p.bl; },
    [](const IndexInputs& p) { return (p.re + p.gr) + (p.bl * (N(1.0) + p.sinR)); },
    // r6 is always zero, but bl / fit is still computed and can still fail.
    [](const IndexInputs& p) { return ((p.re / p.r) + (p.gr / sqrt(p.r))) + ((p.bl / p.fit) * p.r6); },
    [](const IndexInputs& p) { return ((p.re * p.sinFit) + (p.gr * p.sinR)) + (p.bl * p.cosR); },
};

}  // namespace

void calcrgb(PictureState& s, const PixelTrig& t) {
    const auto& row = channelFormulas[static_cast<std::size_t>(selectVariant(s.tip2, channelVariants) - 1)];
    // Each channel is a statement of its own: ba and the factors do not change
    // between them, so they are read once.
    const ChannelInputs in{s.ba, s.fak1, s.fak2, s.fak3, t.sinR, t.cosR, t.sinFit};
    Value* channel[3] = {&s.re, &s.gr, &s.bl};
    for (std::size_t c = 0; c < 3; ++c) let(*channel[c], row[c](in), Kind::Double);
    for (Value* v : channel) let(*v, abs(N(*v)), Kind::Double);
}

void calcbarva(PictureState& s, const PixelTrig& t) {
    const int variant = selectVariant(s.tip3, indexVariants);
    const IndexInputs in{s.re, s.gr, s.bl, s.r, s.fit, s.r6, t.sinR, t.cosR, t.sinFit};
    let(s.barva, indexFormulas[static_cast<std::size_t>(variant - 1)](in), Kind::Double);
}

}  // namespace gc
