// Turns decoded floating-point samples into the channel count and rate an output device
// takes: channel mixing, linear-interpolation resampling and rounding to 16 bits.
#pragma once

#include <cstdint>
#include <vector>

namespace zandor {

// Interleaved samples with `from` channels become interleaved samples with `to` channels.
// Mono is copied to every channel; many channels become mono by their average; otherwise
// channel c keeps source channel c and channels the source lacks are silent.
std::vector<float> mixChannels(const std::vector<float>& in, int from, int to);

// Resamples interleaved samples from one rate to another by linear interpolation between
// neighbouring frames. The result lasts as long as the input (to within one frame).
std::vector<float> resampleLinear(const std::vector<float>& in, int channels, int fromRate,
                                  int toRate);

// Full-scale floats (-1 .. 1) to signed 16-bit samples, clipping anything outside.
std::vector<std::int16_t> toInt16(const std::vector<float>& in);

} // namespace zandor
