#pragma once
// The console report, plus a closing table that sets the renderers of each
// card's picture pass side by side: their medians and how many times faster
// the program is than the yardstick.
#include <benchmark/benchmark.h>

#include <iosfwd>
#include <map>
#include <string>

namespace gc::bench {

// The renderers a pass is timed with; a benchmark is named
// "pass/<renderer>/<card>".
inline constexpr const char* oneThread = "one-thread";
inline constexpr const char* allCores = "all-cores";
inline constexpr const char* painterLines = "painter-lines";
inline constexpr const char* desktopWindow = "desktop";

std::string passName(const char* renderer, const std::string& name);

class MedianTable final : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, so that saved output stays plain text.
    MedianTable();
    void ReportRuns(const std::vector<Run>& runs) override;
    void printTable(std::ostream& out) const;

private:
    // card -> renderer -> median milliseconds
    std::map<std::string, std::map<std::string, double>> medians_;
};

}  // namespace gc::bench
