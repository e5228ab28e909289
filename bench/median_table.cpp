#include "median_table.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <string_view>
#include <unistd.h>

namespace gc::bench {

namespace {

constexpr std::string_view prefix = "pass/";

double toMilliseconds(double value, benchmark::TimeUnit unit) {
    switch (unit) {
        case benchmark::kNanosecond: return value / 1e6;
        case benchmark::kMicrosecond: return value / 1e3;
        case benchmark::kMillisecond: return value;
        case benchmark::kSecond: return value * 1e3;
    }
    return value;
}

}  // namespace

std::string passName(const char* renderer, const std::string& name) {
    std::string card = name.empty() ? "(empty)" : name;
    std::replace(card.begin(), card.end(), ' ', '-');
    return std::string(prefix) + renderer + '/' + card;
}

MedianTable::MedianTable() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

void MedianTable::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
        const std::string& f = r.run_name.function_name;
        if (r.run_type != Run::RT_Aggregate || r.aggregate_name != "median" || !f.starts_with(prefix)) continue;
        const auto slash = f.find('/', prefix.size());
        if (slash == std::string::npos) continue;
        const std::string renderer = f.substr(prefix.size(), slash - prefix.size());
        medians_[f.substr(slash + 1)][renderer] = toMilliseconds(r.GetAdjustedRealTime(), r.time_unit);
    }
}

void MedianTable::printTable(std::ostream& out) const {
    if (medians_.empty()) return;
    const auto cell = [](const std::map<std::string, double>& m, const char* key) -> std::string {
        const auto it = m.find(key);
        if (it == m.end()) return "-";
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.1f", it->second);
        return buf;
    };
    const auto ratio = [](const std::map<std::string, double>& m, const char* slow, const char* fast) -> std::string {
        const auto s = m.find(slow), f = m.find(fast);
        if (s == m.end() || f == m.end() || f->second <= 0) return "-";
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.1fx", s->second / f->second);
        return buf;
    };
    char line[256];
    out << "\nWhole picture pass, median wall time in ms (painter lines: one QPainter::drawLine a stroke, one thread;\n"
           "desktop: the pass in the window, yields and repaints included)\n";
    std::snprintf(line, sizeof line, "%-16s %10s %10s %14s %16s %16s %10s %16s\n", "card", "1 thread", "all cores",
                  "painter lines", "painter/1 thread", "painter/all cores", "desktop", "desktop/all cores");
    out << line;
    for (const auto& [card, m] : medians_) {
        std::snprintf(line, sizeof line, "%-16s %10s %10s %14s %16s %16s %10s %16s\n", card.c_str(),
                      cell(m, oneThread).c_str(), cell(m, allCores).c_str(), cell(m, painterLines).c_str(),
                      ratio(m, painterLines, oneThread).c_str(), ratio(m, painterLines, allCores).c_str(),
                      cell(m, desktopWindow).c_str(), ratio(m, desktopWindow, allCores).c_str());
        out << line;
    }
}

}  // namespace gc::bench
