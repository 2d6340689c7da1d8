// Wave-file decoding with libsndfile, which does the parsing and the sample-format conversion.
#include "platform/wave_file.h"

#include "platform/pcm_conversion.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <sndfile.h>
#include <utility>
#include <vector>

namespace zandor {
namespace {

// Game sounds last about a second; the cap keeps a mistaken or hostile file from filling memory.
constexpr sf_count_t maxSeconds = 300;

struct SndfileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndfileHandle = std::unique_ptr<SNDFILE, SndfileCloser>;

bool isPlayableWave(const SF_INFO& info) {
    const int container = info.format & SF_FORMAT_TYPEMASK;
    const bool wave = container == SF_FORMAT_WAV || container == SF_FORMAT_WAVEX;
    return wave && info.channels > 0 && info.channels <= 64 && info.samplerate > 0 &&
           info.samplerate <= 768000 && info.frames > 0 &&
           info.frames <= maxSeconds * info.samplerate;
}

// All frames as floats, or nothing when the file holds fewer than its header promised.
std::vector<float> readAllFrames(SNDFILE* file, const SF_INFO& info) {
    std::vector<float> samples(std::size_t(info.frames) * std::size_t(info.channels));
    if (sf_readf_float(file, samples.data(), info.frames) != info.frames) {
        return {};
    }
    return samples;
}

// The file opened for reading when its header describes a playable wave, else null.
SndfileHandle openPlayableWave(const std::string& path, SF_INFO& info) {
    // Only regular files: opening a pipe or a device could block the game forever.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return nullptr;
    }
    SndfileHandle file(sf_open(path.c_str(), SFM_READ, &info));
    return file && isPlayableWave(info) ? std::move(file) : nullptr;
}

} // namespace

std::int64_t waveFileDurationUs(const std::string& path) {
    SF_INFO info{};
    return openPlayableWave(path, info) ? info.frames * 1000000 / info.samplerate : 0;
}

PcmSound readWaveFile(const std::string& path, int channels, int sampleRate) {
    if (channels <= 0 || sampleRate <= 0) {
        return {};
    }
    SF_INFO info{};
    const SndfileHandle file = openPlayableWave(path, info);
    if (!file) {
        return {};
    }
    const std::vector<float> decoded = readAllFrames(file.get(), info);
    if (decoded.empty()) {
        return {};
    }
    const std::vector<float> mixed = mixChannels(decoded, info.channels, channels);
    PcmSound sound;
    sound.channels = channels;
    sound.sampleRate = sampleRate;
    sound.samples = toInt16(resampleLinear(mixed, channels, info.samplerate, sampleRate));
    return sound;
}

} // namespace zandor
