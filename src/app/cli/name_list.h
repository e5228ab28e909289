#pragma once
// The names a batch file asks for. The whole file is examined before any card
// is painted, so every bad line is reported at once and no card is painted
// twice.
#include <string>
#include <string_view>
#include <vector>

namespace gc::cli {

struct BatchName {
    int line;  // 1-based, the first line that asks for the name
    std::string name;
};

struct SkippedLine {
    int line;
    std::string problem;  // why the name rules reject it, in one line
};

struct RepeatedName {
    int line;
    int firstLine;
};

struct NameList {
    std::vector<BatchName> cards;  // in file order, each name once
    std::vector<SkippedLine> skipped;
    std::vector<RepeatedName> repeats;
};

// One name a line. A final newline ends the last line rather than starting an
// empty one; an empty line anywhere else is the empty name. A CR before the
// newline is dropped, so files saved with CR LF endings read the same.
NameList readNameList(std::string_view text);

// A card's file name in the output folder: the name with its spaces as '-'.
// The empty name becomes "_empty", which no name can give, since names hold
// only a-z and spaces.
std::string cardFileName(const std::string& name, const std::string& extension);

}  // namespace gc::cli
