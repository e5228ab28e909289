#pragma once
// A generator that hands out given numbers, then zeros, and counts them.
#include <vector>

#include "runtime/generator.h"

namespace gc::test {

class ScriptedGenerator final : public Generator {
public:
    explicit ScriptedGenerator(std::vector<float> numbers = {}) : numbers_(std::move(numbers)) {}
    void restart() override {}
    void reseed(std::uint32_t) override {}
    float next() override {
        const float u = drawn < numbers_.size() ? numbers_[drawn] : 0.0f;
        ++drawn;
        return u;
    }
    std::size_t drawn = 0;

private:
    std::vector<float> numbers_;
};

inline constexpr float largestDraw = 1.0f - 0x1.0p-24f;

}  // namespace gc::test
