// Channel mixing, resampling and 16-bit rounding for decoded sounds.
#include "platform/pcm_conversion.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace zandor {
namespace {

float averageOfFrame(const float* frame, int channels) {
    float sum = 0.0f;
    for (int c = 0; c < channels; ++c) {
        sum += frame[c];
    }
    return sum / float(channels);
}

float channelFor(const float* frame, int from, int target) {
    if (from == 1) {
        return frame[0];
    }
    return target < from ? frame[target] : 0.0f;
}

} // namespace

std::vector<float> mixChannels(const std::vector<float>& in, int from, int to) {
    if (from == to) {
        return in;
    }
    const std::size_t frames = in.size() / std::size_t(from);
    std::vector<float> out(frames * std::size_t(to));
    for (std::size_t f = 0; f < frames; ++f) {
        const float* source = &in[f * std::size_t(from)];
        float* target = &out[f * std::size_t(to)];
        for (int c = 0; c < to; ++c) {
            target[c] = to == 1 ? averageOfFrame(source, from) : channelFor(source, from, c);
        }
    }
    return out;
}

std::vector<float> resampleLinear(const std::vector<float>& in, int channels, int fromRate,
                                  int toRate) {
    const std::size_t inFrames = in.size() / std::size_t(channels);
    if (fromRate == toRate || inFrames == 0) {
        return in;
    }
    const auto outFrames =
        std::size_t(std::llround(double(inFrames) * double(toRate) / double(fromRate)));
    const double step = double(fromRate) / double(toRate);
    std::vector<float> out(outFrames * std::size_t(channels));
    for (std::size_t f = 0; f < outFrames; ++f) {
        const double position = double(f) * step;
        const auto left = std::min(std::size_t(position), inFrames - 1);
        const std::size_t right = std::min(left + 1, inFrames - 1);
        const auto weight = float(position - double(left));
        for (int c = 0; c < channels; ++c) {
            const float a = in[left * std::size_t(channels) + std::size_t(c)];
            const float b = in[right * std::size_t(channels) + std::size_t(c)];
            out[f * std::size_t(channels) + std::size_t(c)] = a + (b - a) * weight;
        }
    }
    return out;
}

std::vector<std::int16_t> toInt16(const std::vector<float>& in) {
    std::vector<std::int16_t> out(in.size());
    std::transform(in.begin(), in.end(), out.begin(), [](float sample) {
        // NaN in a float file becomes silence rather than undefined behaviour.
        const float clipped = std::isnan(sample) ? 0.0f : std::clamp(sample, -1.0f, 1.0f);
        return std::int16_t(std::lrint(clipped * 32767.0f));
    });
    return out;
}

} // namespace zandor
