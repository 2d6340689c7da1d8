#include "engine/random_source.h"

#include <chrono>

namespace zandor {
namespace {

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

Pcg32::Pcg32(std::uint64_t seed) : state_(splitmix64(seed)) {}

void Pcg32::mix(std::uint64_t entropy) {
    state_ = splitmix64(state_ ^ splitmix64(entropy));
}

ClockReseededRandom::ClockReseededRandom() : generator_(clockNanoseconds()) {}

void ClockReseededRandom::reseed() {
    generator_.mix(clockNanoseconds());
}

void ClockReseededRandom::reseededDraws(float* out, int count) {
    for (int i = 0; i < count; ++i) {
        generator_.mix(clockNanoseconds());
        out[i] = generator_.nextUnit();
    }
}

} // namespace zandor
