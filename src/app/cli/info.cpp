#include <ostream>

#include "app/cli/commands.h"
#include "app/headless.h"
#include "generator/palette.h"
#include "output/card_notes.h"
#include "output/image_file.h"
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

int runInfo(const Options& given, std::ostream& out, std::ostream& err) {
    Options o = given;
    if (o.from) {
        const auto notes = readImageNotes(QString::fromStdString(*o.from));
        if (!notes) {
            err << "greetcard-cli: cannot read '" << *o.from << "' as an image\n";
            return 2;
        }
        const NotesResult read = readCardNotes(*notes);
        if (!read.notes) {
            err << "greetcard-cli: '" << *o.from << "' cannot be made again: " << read.problem << '\n';
            return 2;
        }
        o.name = read.notes->name;
        // The card's own parameters first; --set given here still has the last word.
        o.settings = read.notes->settings;
        o.settings.insert(o.settings.end(), given.settings.begin(), given.settings.end());
    }
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
