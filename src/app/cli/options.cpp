#include "app/cli/options.h"

#include <charconv>

#include "render/scan.h"
#include "seed/name.h"

namespace gc::cli {

const char* const usageText = R"(greetcard-cli: makes the New Year card of a name without opening a window.

Usage:
  greetcard-cli info NAME [--set SLOT=VALUE]...
  greetcard-cli info --from CARD.png [--set SLOT=VALUE]...
      Prints, as one JSON object, what the name gives before painting: its
      length and seed, the 20 generator numbers drawn for it, the palette
      (rows 0..601 as [red, green, blue]), the picture parameters and the
      picture name. With --from, the name and parameters are read from the
      notes of a PNG card that render wrote.
  greetcard-cli render NAME -o FILE [--scale N] [--set SLOT=VALUE]...
      Paints the whole card and writes it to FILE: a Windows bitmap when FILE
      ends in .bmp, PNG when it ends in .png. A PNG card carries notes with
      its name, seed, parameters and the program's version. --scale N (1 to
      8, default 1) paints the same card N times larger for printing, with
      strokes N pixels wide: 4 gives 2800 x 2100, about 24 x 18 cm at 300 dpi.
  greetcard-cli trace NAME --rows A-B [--cols C-D] [--set SLOT=VALUE]...
      Paints the card and prints, as CSV, every value of the chosen pixel
      positions (rows 0..525, columns 0..700, inclusive ranges).
  greetcard-cli batch FILE -o DIR [--format bmp|png] [--jobs N] [--set SLOT=VALUE]...
      Paints one card for every line of FILE ("-" reads the names from
      standard input) and writes each to DIR/NAME.png (or .bmp), with the
      name's spaces written as '-'; the empty name's card is DIR/_empty.png.
      DIR is made when it is missing; files already there are replaced.
      An empty line is the empty name; a final newline ends the last line
      and starts no new one; a line may end in CR LF. A line that breaks the
      name rules is reported with its number and skipped; a name that
      appears again is painted once. N worker threads each paint whole cards
      (default: one a processor core, 1 to 64). On a terminal a progress bar
      is shown, otherwise one line a card; both on standard error. Ctrl-C
      lets the cards being painted be written whole and starts no more.
  greetcard-cli --help
  greetcard-cli --version

NAME is at most 100 characters, only lowercase letters a-z and spaces; it may
be empty (""). The same name always gives the same card.

--set SLOT=VALUE overrides a picture parameter after it has been drawn:
tip1, tip2, tip3, pozic0, fi0, r0, korakfi1, fak1, fak2, fak3. Any number is
accepted; a selector outside its variants runs variant 1.

The picture name comes from the local clock, or from SOURCE_DATE_EPOCH
(seconds since 1970, read as UTC) when that is set.

Exit status: 0 done, 1 a file or folder could not be written (batch: also
a line of FILE was skipped, or the batch was interrupted), 2 a mistake in the
command line or an unreadable FILE.
)";

namespace {

Range parseRange(const std::string& flag, const std::string& text, int last) {
    const auto fail = [&] {
        return UsageError(flag + " needs a range A-B of whole numbers from 0 to " + std::to_string(last) +
                          " with A <= B, got '" + text + "'");
    };
    const auto dash = text.find('-');
    if (dash == std::string::npos || dash == 0) throw fail();
    Range r{};
    const char* b = text.data();
    const char* e = b + text.size();
    auto res = std::from_chars(b, b + dash, r.first);
    if (res.ec != std::errc() || res.ptr != b + dash) throw fail();
    res = std::from_chars(b + dash + 1, e, r.last);
    if (res.ec != std::errc() || res.ptr != e || dash + 1 == text.size()) throw fail();
    if (r.first < 0 || r.last > last || r.first > r.last) throw fail();
    return r;
}

// A whole number from 1 to `most` for the option `flag`.
int parseCount(const std::string& flag, const std::string& text, int most) {
    int n = 0;
    const char* e = text.data() + text.size();
    const auto res = std::from_chars(text.data(), e, n);
    if (res.ec != std::errc() || res.ptr != e || text.empty() || n < 1 || n > most)
        throw UsageError(flag + " needs a whole number from 1 to " + std::to_string(most) + ", got '" + text + "'");
    return n;
}

}  // namespace

Options parseOptions(const std::vector<std::string>& args) {
    if (args.empty()) throw UsageError("no command given; use info, render, trace or batch (see --help)");
    Options o;
    o.verb = args[0];
    if (o.verb != "info" && o.verb != "render" && o.verb != "trace" && o.verb != "batch")
        throw UsageError("unknown command '" + o.verb + "'; use info, render, trace or batch (see --help)");
    const bool batch = o.verb == "batch";

    std::optional<std::string> name;
    for (std::size_t k = 1; k < args.size(); ++k) {
        const std::string& a = args[k];
        const auto value = [&]() -> const std::string& {
            if (k + 1 >= args.size()) throw UsageError(a + " needs a value (see --help)");
            return args[++k];
        };
        if (a == "--set") {
            const ParsedSetting p = parseParamSetting(value());
            if (!p.setting) throw UsageError(p.problem);
            o.settings.push_back(*p.setting);
        } else if (a == "-o" && (o.verb == "render" || batch)) {
            o.output = value();
        } else if (a == "--format" && batch) {
            o.format = value();
            if (o.format != "png" && o.format != "bmp")
                throw UsageError("--format needs bmp or png, got '" + o.format + "'");
        } else if (a == "--scale" && o.verb == "render") {
            o.scale = parseCount(a, value(), maxScale);
        } else if (a == "--from" && o.verb == "info") {
            o.from = value();
        } else if (a == "--jobs" && batch) {
            o.jobs = parseCount(a, value(), maxJobs);
        } else if (a == "--rows" && o.verb == "trace") {
            o.rows = parseRange(a, value(), scanRowLast);
        } else if (a == "--cols" && o.verb == "trace") {
            o.cols = parseRange(a, value(), scanColumnLast);
        } else if (a.size() > 1 && a[0] == '-') {
            throw UsageError("unknown option '" + a + "' for " + o.verb + " (see --help)");
        } else if (name && batch) {
            throw UsageError("more than one FILE given ('" + *name + "' and '" + a + "')");
        } else if (name) {
            throw UsageError("more than one name given ('" + *name + "' and '" + a +
                             "'); put a name with spaces in quotes");
        } else {
            name = a;
        }
    }
    if (batch) {
        if (!name) throw UsageError("batch needs a FILE of names (see --help)");
        if (!o.output) throw UsageError("batch needs -o DIR (see --help)");
        if (o.output->empty()) throw UsageError("-o needs a folder name, got an empty one");
        o.namesFile = *name;
        return o;
    }
    if (o.from) {
        if (name) throw UsageError("info takes a NAME or --from CARD.png, not both");
        return o;
    }
    if (!name) throw UsageError(o.verb + " needs a NAME (see --help)");
    if (const auto problem = nameProblem(*name)) throw UsageError("bad name: " + *problem);
    o.name = *name;
    if (o.verb == "render" && !o.output) throw UsageError("render needs -o FILE (see --help)");
    if (o.verb == "trace" && !o.rows) throw UsageError("trace needs --rows A-B (see --help)");
    return o;
}

}  // namespace gc::cli
