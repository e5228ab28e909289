#include "app/headless.h"

#include <cstdlib>
#include <ctime>
#include <stdexcept>

namespace gc {

std::unique_ptr<Clock> headlessClock() {
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    if (!epoch || !*epoch) return std::make_unique<SystemClock>();
    char* end = nullptr;
    const long long seconds = std::strtoll(epoch, &end, 10);
    if (*end != '\0' || seconds < 0) return std::make_unique<SystemClock>();
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm parts{};
    gmtime_r(&t, &parts);
    char date[32], time[32];
    std::strftime(date, sizeof date, "%m-%d-%Y", &parts);
    std::strftime(time, sizeof time, "%H:%M:%S", &parts);
    return std::make_unique<FixedClock>(date, time);
}

HeadlessCard::HeadlessCard(const std::string& name, std::vector<ParamSetting> overrides, int scale)
    : scaled_(scale > 1 ? std::make_unique<ScaledSurface>(pictureWidth, pictureHeight, scale) : nullptr),
      dialog_(name),
      clock_(headlessClock()),
      card_(Platform{scaled_ ? static_cast<Surface&>(*scaled_) : picture_, copy_, window_, host_, dialog_, *clock_}) {
    if (const auto problem = nameProblem(name)) throw std::invalid_argument(*problem);
    card_.setOverrides(std::move(overrides));
    card_.setup();
    card_.askname();
    card_.makepalette();
}

}  // namespace gc
