#include <array>

#include "render/pipeline.h"
#include "runtime/calc.h"

namespace gc {

namespace {

struct BaseInputs {
    N x, y, r, fi, fit;
    N sinR;
};

using BaseFormula = N (*)(const BaseInputs&);

// Indexed by variant - 1; the grouping is exactly that of the formula table.
constexpr std::array<BaseFormula, baseVariants> baseFormulas = {
    [](const BaseInputs& p) { return p.r * p.r; },
    [](const BaseInputs& p) { return p.r * p.fi; },
    [](const BaseInputs& p) { return (p.r * p.r) * p.sinR; },
    [](const BaseInputs& p) { return p.x * p.r; },
    [](const BaseInputs& p) { return ((p.r * p.sinR) * p.x) * cos(p.y); },
    [](const BaseInputs& p) { return ((p.r * p.r) * (N(2.0) + sin(p.fit * p.r))) / pow(p.r, p.r + p.sinR); },
    [](const BaseInputs& p) { return (p.r * tan(p.fi)) * p.fi; },
    [](const BaseInputs& p) { return ((p.r * tan(p.r)) * p.x) * sin(p.x); },
    [](const BaseInputs& p) {
        return ((p.r * (N(1.0) + p.sinR)) + (p.x * (N(1.0) + sin(p.x)))) + (p.y * (N(1.0) + sin(p.y)));
    },
    [](const BaseInputs& p) {
        return (p.r * (N(1.0) + p.sinR)) + (((p.x * (N(1.0) + sin(p.x))) * p.y) * (N(1.0) + sin(p.y)));
    },
    [](const BaseInputs& p) { return ((p.r + p.x) + p.y) / p.fi; },
    [](const BaseInputs& p) { return ((p.r * (N(1.0) + p.sinR)) * (N(1.0) + cos(p.fit + p.r))) * p.fi; },
    [](const BaseInputs& p) { return p.r / p.fi; },
    [](const BaseInputs& p) { return (sqrt(p.r) / p.fi) * pow(p.r, N(1.0) + sin(p.x)); },
    [](const BaseInputs& p) { return pow(p.r / abs(p.x), (N(1.0) + p.sinR) + cos(p.fi)); },
};

}  // namespace

void calcba(PictureState& s, const PixelTrig& t) {
    const int variant = selectVariant(s.tip1, baseVariants);
    const BaseInputs in{s.x, s.y, s.r, s.fi, s.fit, t.sinR};
    let(s.ba, baseFormulas[static_cast<std::size_t>(variant - 1)](in), Kind::Double);
}

}  // namespace gc
