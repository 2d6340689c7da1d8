// Reads a wave file from disk (8/16/24/32-bit PCM, float, any channel count and rate) and
// converts it to the channel count and rate an output device takes.
#pragma once

#include "platform/pcm_sound.h"

#include <cstdint>
#include <string>

namespace zandor {

// The sound in `path` as 16-bit PCM with `channels` channels at `sampleRate` Hz. A missing,
// truncated, corrupt or non-wave file, or one longer than five minutes, gives an empty sound.
PcmSound readWaveFile(const std::string& path, int channels, int sampleRate);

// How long the sound in `path` plays, in microseconds, as its header tells without decoding
// it; 0 when the header already shows that readWaveFile would give an empty sound.
std::int64_t waveFileDurationUs(const std::string& path);

} // namespace zandor
