#include "generator/palette.h"

#include <cmath>

#include "runtime/generator.h"

namespace gc {

void makepalette(PictureState& s, Generator& gen) {
    // Draws are single precision; the arithmetic on them is double, and every
    // product and sum here is exact (small whole numbers times 24-bit draws).
    const auto u = [&gen]() { return static_cast<double>(gen.next()); };

    const float c1 = static_cast<float>(std::floor(10.0 * u() + 10.0));
    const float c2 = static_cast<float>(std::floor(10.0 * u() + 10.0));
    double p[3];
    for (double& pk : p) pk = std::floor(c1 + c2 * u());
    double ph[3];
    for (double& phk : ph) phk = 6.28 * u();
    double w[3];
    for (int c = 0; c < 3; ++c) w[c] = p[c] + p[c] * u();

    Value* work[3] = {&s.re, &s.gr, &s.bl};
    for (int k = 0; k <= paletteRowLast; ++k) {
        for (int c = 0; c < 3; ++c) {
            const double sum = static_cast<double>(k) / w[c] + ph[c];
            *work[c] = Value::dbl(std::floor((std::sin(sum) + 1.0) * 126.0));
        }
        for (int c = 0; c < 3; ++c) s.pal[static_cast<std::size_t>(k)][static_cast<std::size_t>(c + 1)] = *work[c];
    }
}

}  // namespace gc
