// Uniform single-precision draws in [0, 1) and the generators the game uses.
#pragma once

#include <cstdint>

namespace zandor {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    virtual float next() = 0; // uniform in [0, 1); never 1.0

    // count draws, each made right after a reseed, as a deal makes them. The generators
    // override it to spare a deal fifty virtual calls.
    virtual void reseededDraws(float* out, int count) {
        for (int i = 0; i < count; ++i) {
            reseed();
            out[i] = next();
        }
    }
};

// The position from 1 to n that a draw r in [0, 1) picks: floor(n * r) + 1 in single precision.
inline int positionOf(float r, int n) {
    const int position = static_cast<int>(static_cast<float>(n) * r) + 1;
    // n * r < n holds for every r the generators give; the bounds keep a foreign source safe.
    if (position > n) {
        return n;
    }
    return position < 1 ? 1 : position;
}

inline int drawPosition(RandomSource& random, int n) {
    return positionOf(random.next(), n);
}

// PCG32 (O'Neill): small, fast and of good statistical quality.
class Pcg32 {
public:
    explicit Pcg32(std::uint64_t seed);

    std::uint32_t nextBits() {
        const std::uint64_t old = state_;
        state_ = old * 6364136223846793005ULL + 1442695040888963407ULL;
        const auto xorshifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
        const auto rotation = static_cast<std::uint32_t>(old >> 59U);
        return (xorshifted >> rotation) | (xorshifted << ((32U - rotation) & 31U));
    }

    // The top 24 bits scaled by 2^-24: exact in single precision and at most 1 - 2^-24.
    float nextUnit() { return static_cast<float>(nextBits() >> 8U) * 0x1.0p-24f; }

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
    void reseededDraws(float* out, int count) override;

private:
    Pcg32 generator_;
};

// A reproducible generator: the seed fixes every draw and reseed() leaves the sequence alone.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : generator_(seed) {}
    void reseed() override {}
    float next() override { return generator_.nextUnit(); }
    void reseededDraws(float* out, int count) override {
        for (int i = 0; i < count; ++i) {
            out[i] = generator_.nextUnit();
        }
    }

private:
    Pcg32 generator_;
};

} // namespace zandor
