#include <ostream>

#include "app/cli/commands.h"
#include "app/headless.h"
#include "generator/palette.h"
#include "runtime/number_text.h"

namespace gc::cli {

namespace {

std::string jsonString(const std::string& s) {
    std::string out = "\"";
    for (const char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        if (static_cast<unsigned char>(c) < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

}  // namespace

int runInfo(const Options& o, std::ostream& out) {
    HeadlessCard headless(o.name, o.settings);
    Card& card = headless.card();
    const PictureState& s = card.state();

    // The numbers the name's seed gives, as palette and parameters draw them.
    MersenneGenerator replay;
    replay.restart();
    replay.reseed(static_cast<std::uint32_t>(s.seed.num()));

    card.drawParams();

    out << "{\"name\": " << jsonString(s.t) << ", \"length\": " << numberText(s.dolz)
        << ", \"seed\": " << numberText(s.seed) << ", \"draws\": [";
    for (int k = 0; k < 20; ++k) out << (k ? ", " : "") << numberText(replay.next());
    out << "], \"palette\": [";
    for (int k = 0; k <= paletteRowLast; ++k) {
        const auto& row = s.pal[static_cast<std::size_t>(k)];
        out << (k ? ", " : "") << '[' << numberText(row[1]) << ", " << numberText(row[2]) << ", "
            << numberText(row[3]) << ']';
    }
    out << "], \"params\": {";
    bool first = true;
    for (const ParamSlot& p : paramSlots) {
        out << (first ? "" : ", ") << '"' << p.name << "\": " << numberText(s.*(p.slot));
        first = false;
    }
    out << "}, \"imeslike\": " << jsonString(s.imeslike) << "}\n";
    return 0;
}

}  // namespace gc::cli
