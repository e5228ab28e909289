#include "runtime/clock.h"

#include <ctime>

namespace gc {

namespace {
std::string localText(const char* format) {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    char buf[32];
    const std::size_t n = std::strftime(buf, sizeof buf, format, &parts);
    return std::string(buf, n);
}
}  // namespace

std::string SystemClock::dateText() { return localText("%m-%d-%Y"); }
std::string SystemClock::timeText() { return localText("%H:%M:%S"); }

}  // namespace gc
