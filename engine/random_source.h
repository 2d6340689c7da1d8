// Uniform single-precision draws in [0, 1) and the generators the game uses.
#pragma once

#include <cstdint>

namespace zandor {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    virtual float next() = 0; // uniform in [0, 1); never 1.0
};

// A position from 1 to n, each equally likely: floor(n * r) + 1 in single precision.
int drawPosition(RandomSource& random, int n);

// PCG32 (O'Neill): small, fast and of good statistical quality.
class Pcg32 {
public:
    explicit Pcg32(std::uint64_t seed);
    std::uint32_t nextBits();
    float nextUnit(); // top 24 bits scaled by 2^-24: at most 1 - 2^-24
    void mix(std::uint64_t entropy);

private:
    std::uint64_t state_ = 0;
};

// The generator of play: reseed() stirs a nanosecond clock reading into the current state, so
// two reseeds within one clock tick still give different draws.
class ClockReseededRandom final : public RandomSource {
public:
    ClockReseededRandom();
    void reseed() override;
    float next() override { return generator_.nextUnit(); }

private:
    Pcg32 generator_;
};

// A reproducible generator: the seed fixes every draw and reseed() leaves the sequence alone.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : generator_(seed) {}
    void reseed() override {}
    float next() override { return generator_.nextUnit(); }

private:
    Pcg32 generator_;
};

} // namespace zandor
