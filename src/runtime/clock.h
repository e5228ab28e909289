#pragma once
// The local clock as two texts, read separately like the classic runtime's
// date and time functions: "mm-dd-yyyy" and "hh:mm:ss" (24-hour).
#include <string>

namespace gc {

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::string dateText() = 0;
    virtual std::string timeText() = 0;
};

class SystemClock final : public Clock {
public:
    std::string dateText() override;
    std::string timeText() override;
};

// A clock that always reads the same texts: for tests and reproducible output.
class FixedClock final : public Clock {
public:
    FixedClock(std::string date, std::string time) : date_(std::move(date)), time_(std::move(time)) {}
    std::string dateText() override { return date_; }
    std::string timeText() override { return time_; }

private:
    std::string date_, time_;
};

}  // namespace gc
