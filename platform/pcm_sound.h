// A decoded sound ready for an output device: interleaved signed 16-bit samples with their
// channel count and rate. Empty when the file could not be read.
#pragma once

#include <cstdint>
#include <vector>

namespace zandor {

struct PcmSound {
    int channels = 0;
    int sampleRate = 0;
    std::vector<std::int16_t> samples; // interleaved: frame 0 channel 0, frame 0 channel 1, ...

    bool empty() const { return samples.empty() || channels <= 0 || sampleRate <= 0; }
    std::int64_t frames() const {
        return channels > 0 ? std::int64_t(samples.size()) / channels : 0;
    }
    // How long the sound plays, in microseconds.
    std::int64_t durationUs() const { return sampleRate > 0 ? frames() * 1000000 / sampleRate : 0; }
};

} // namespace zandor
