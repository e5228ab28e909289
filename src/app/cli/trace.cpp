#include <iomanip>
#include <ostream>
#include <sstream>

#include "app/cli/commands.h"
#include "app/headless.h"
#include "runtime/number_text.h"

namespace gc::cli {

namespace {

void traceLine(std::ostream& out, const PictureState& s, const PlotLocals& p) {
    const auto n = [](const auto& v) { return numberText(v); };
    out << n(s.i) << ',' << n(s.j) << ',' << n(s.x) << ',' << n(s.y) << ',' << n(s.fi1) << ',' << n(s.fit) << ','
        << n(s.r) << ',' << n(s.fi) << ',' << n(s.ba) << ',' << n(s.re) << ',' << n(s.gr) << ',' << n(s.bl) << ','
        << n(s.barva) << ',' << n(p.m) << ',' << n(p.k) << ',' << n(p.R) << ',' << n(p.G) << ',' << n(p.B);
    for (const Stroke& st : p.strokes) out << ',' << n(st.x1) << ',' << n(st.y1) << ',' << n(st.x2) << ',' << n(st.y2);
    char colour[8];
    std::snprintf(colour, sizeof colour, "%06X", static_cast<unsigned>(p.colour));
    out << ',' << colour << '\n';
}

}  // namespace

int runTrace(const Options& o, std::ostream& out) {
    const Range rows = *o.rows;
    const Range cols = o.cols.value_or(Range{0, scanColumnLast});
    HeadlessCard headless(o.name, o.settings);
    out << "i,j,x,y,fi1,fit,r,fi,ba,re,gr,bl,barva,m,k,R,G,B,x1,y1,x2,y2,x3,y3,x4,y4,color\n";
    // The whole pass runs from the first position, so carried values are real.
    headless.card().newpicture([&](const PictureState& s, const PlotLocals& p) {
        const int i = static_cast<int>(s.i.num()), j = static_cast<int>(s.j.num());
        if (j >= rows.first && j <= rows.last && i >= cols.first && i <= cols.last) traceLine(out, s, p);
    });
    return 0;
}

}  // namespace gc::cli
