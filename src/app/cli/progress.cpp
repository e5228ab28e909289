#include "app/cli/progress.h"

#include <cmath>
#include <cstdio>
#include <ostream>

namespace gc::cli {

namespace {

constexpr int barWidth = 20;
constexpr const char* clearToEnd = "\x1b[K";

}  // namespace

std::string durationText(double seconds) {
    const long s = std::lround(std::ceil(seconds < 0 ? 0 : seconds));
    char buf[32];
    if (s < 60)
        std::snprintf(buf, sizeof buf, "%ld s", s);
    else if (s < 3600)
        std::snprintf(buf, sizeof buf, "%ld min %02ld s", s / 60, s % 60);
    else
        std::snprintf(buf, sizeof buf, "%ld h %02ld min", s / 3600, s % 3600 / 60);
    return buf;
}

std::string progressLine(int done, int total, double seconds) {
    const int filled = total > 0 ? done * barWidth / total : barWidth;
    std::string line = '[' + std::string(static_cast<std::size_t>(filled), '#') +
                       std::string(static_cast<std::size_t>(barWidth - filled), '-') + "]  " +
                       std::to_string(done) + '/' + std::to_string(total);
    if (done > 0 && seconds > 0) {
        const double rate = done / seconds;
        char buf[32];
        std::snprintf(buf, sizeof buf, "  %.1f cards/s", rate);
        line += buf;
        line += done < total ? "  " + durationText((total - done) / rate) + " left"
                             : "  done in " + durationText(seconds);
    }
    return line;
}

BatchProgress::BatchProgress(std::ostream& err, bool terminal, int total)
    : err_(err), terminal_(terminal), total_(total) {
    if (terminal_) redraw();
}

void BatchProgress::redraw() {
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start_;
    err_ << '\r' << progressLine(done_, total_, elapsed.count()) << clearToEnd << std::flush;
    drawn_ = true;
}

void BatchProgress::message(const std::string& line) {
    if (terminal_ && drawn_) err_ << '\r' << clearToEnd;
    err_ << line << '\n';
    if (terminal_) redraw();
    else err_ << std::flush;
}

void BatchProgress::cardWritten(const std::string& path) {
    ++done_;
    if (terminal_)
        redraw();
    else
        err_ << "written " << path << '\n' << std::flush;
}

void BatchProgress::cardFailed(const std::string& why) {
    ++done_;
    message(why);
}

void BatchProgress::finish() {
    if (terminal_ && drawn_) err_ << '\n';
    err_ << std::flush;
}

}  // namespace gc::cli
