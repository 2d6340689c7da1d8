#include "engine/random_source.h"

#include <chrono>

namespace zandor {
namespace {

constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
constexpr std::uint64_t kIncrement = 1442695040888963407ULL;

std::uint64_t splitmix64(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

std::uint64_t clockNanoseconds() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

} // namespace

int drawPosition(RandomSource& random, int n) {
    const float r = random.next();
    const int position = static_cast<int>(static_cast<float>(n) * r) + 1;
    // n * r < n holds for every r the generators give; the bound keeps a foreign source safe.
    if (position > n) {
        return n;
    }
    return position < 1 ? 1 : position;
}

Pcg32::Pcg32(std::uint64_t seed) : state_(splitmix64(seed)) {}

std::uint32_t Pcg32::nextBits() {
    const std::uint64_t old = state_;
    state_ = old * kMultiplier + kIncrement;
    const auto xorshifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
    const auto rotation = static_cast<std::uint32_t>(old >> 59U);
    return (xorshifted >> rotation) | (xorshifted << ((32U - rotation) & 31U));
}

float Pcg32::nextUnit() {
    return static_cast<float>(nextBits() >> 8U) * 0x1.0p-24f;
}

void Pcg32::mix(std::uint64_t entropy) {
    state_ = splitmix64(state_ ^ splitmix64(entropy));
}

ClockReseededRandom::ClockReseededRandom() : generator_(clockNanoseconds()) {}

void ClockReseededRandom::reseed() {
    generator_.mix(clockNanoseconds());
}

} // namespace zandor
