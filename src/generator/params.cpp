#include "generator/params.h"

#include "runtime/calc.h"
#include "runtime/clock.h"
#include "runtime/generator.h"

namespace gc {

std::string mid(const std::string& text, std::size_t start, std::size_t n) {
    if (start == 0 || start > text.size()) return {};
    return text.substr(start - 1, n);
}

void setparams(PictureState& s, Generator& gen, Clock& clock) {
    const std::string date = clock.dateText();  // mm-dd-yyyy
    const std::string time = clock.timeText();  // hh:mm:ss
    const std::string stamp = mid(date, 7, 4) + mid(date, 1, 2) + mid(date, 4, 2) + mid(time, 1, 2) +
                              mid(time, 4, 2) + mid(time, 7, 2);
    s.imeslike = "T" + stamp;

    const auto u = [&gen]() { return N(static_cast<double>(gen.next())); };
    let(s.tip1, intPart(15.0 * u() + 1.0), Kind::Single);
    let(s.tip2, intPart(3.0 * u() + 1.0), Kind::Single);
    let(s.tip3, intPart(4.0 * u() + 1.0), Kind::Single);
    let(s.pozic0, intPart(300.0 * u() + 5.0), Kind::Single);
    let(s.fi0, 6.283 * u(), Kind::Double);
    s.fi1 = Value::i16(0);
    let(s.r0, 3.0 * u() + 1.0, Kind::Single);
    s.korakfi1 = Value::dbl(3e-05);
    let(s.fak1, 10.0 * u() + 10.0, Kind::Single);
    let(s.fak2, 10.0 * u() + 10.0, Kind::Single);
    let(s.fak3, 10.0 * u() + 10.0, Kind::Single);
}

}  // namespace gc
