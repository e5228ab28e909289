#pragma once
// The pseudo-random generator, behind an interface so that tests can script
// the numbers a procedure draws.
#include <cstdint>
#include <random>

namespace gc {

class Generator {
public:
    virtual ~Generator() = default;
    // Back to the generator's initial state.
    virtual void restart() = 0;
    // The numbers that follow depend only on n.
    virtual void reseed(std::uint32_t n) = 0;
    // Next number, uniform in [0, 1), single precision.
    virtual float next() = 0;
};

// The program's generator.
//
// Algorithm: the 32-bit Mersenne Twister MT19937 (Matsumoto and Nishimura,
// 1998), whose output sequence for a given seed is fixed by the C++ standard
// (std::mt19937, including its seeding procedure), so it is the same with
// every compiler and standard library. A number in [0, 1) is made here, not by
// a library distribution: the top 24 bits of the next 32-bit output, times
// 2^-24. That is exact in single precision; the largest value is 1 - 2^-24.
class MersenneGenerator final : public Generator {
public:
    MersenneGenerator() { restart(); }

    void restart() override { engine_.seed(std::mt19937::default_seed); }
    void reseed(std::uint32_t n) override { engine_.seed(n); }
    float next() override { return static_cast<float>(engine_() >> 8) * 0x1.0p-24f; }

private:
    std::mt19937 engine_;
};

}  // namespace gc
