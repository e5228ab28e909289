#pragma once
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "generator/param_slots.h"

namespace gc::cli {

// A mistake in the command line: exit status 2 and one line on stderr.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Range {
    int first, last;
};

struct Options {
    std::string verb;
    std::string name;
    std::vector<ParamSetting> settings;
    std::optional<std::string> output;  // -o: a file, or batch's folder
    std::optional<Range> rows, cols;    // trace
    std::string namesFile;              // batch: one name a line, "-" for stdin
    std::string format = "png";         // batch: bmp or png
    int jobs = 0;                       // batch: worker threads, 0 for one a core
    int scale = 1;                      // render: times the card's size
    std::optional<std::string> from;    // info: a PNG card to read the name and parameters from
};

inline constexpr int maxScale = 8;

inline constexpr int maxJobs = 64;

// Throws UsageError. --help is handled by the caller before this.
Options parseOptions(const std::vector<std::string>& args);

extern const char* const usageText;

}  // namespace gc::cli
