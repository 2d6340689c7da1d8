// Reading the test recorder's samples and arrival log.
#include "bench/sound_recording.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>
#include <thread>

namespace zandor::audiotest {
namespace {

constexpr int loudness = 330; // about -40 dBFS

struct Arrival {
    double seconds;
    long long bytes;
};

std::vector<Arrival> readLog(const std::string& path) {
    std::vector<Arrival> arrivals;
    std::ifstream log(path);
    std::string line;
    while (std::getline(log, line)) {
        std::istringstream fields(line);
        Arrival arrival{};
        if (fields >> arrival.seconds >> arrival.bytes) {
            arrivals.push_back(arrival);
        }
    }
    return arrivals;
}

// A block can arrive only after it has been played, so the earliest "arrival minus playing
// time of what came before" is the moment the first sample started playing (the recorder's
// delivery delay only ever adds to it).
double originOf(const std::vector<Arrival>& arrivals, int rate) {
    double origin = std::numeric_limits<double>::max();
    for (const Arrival& arrival : arrivals) {
        origin = std::min(origin, arrival.seconds - double(arrival.bytes) / 2.0 / rate);
    }
    return origin;
}

std::vector<std::int16_t> readSamples(const std::string& path) {
    std::ifstream raw(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(raw)),
                                  std::istreambuf_iterator<char>());
    std::vector<std::int16_t> samples(bytes.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto low = static_cast<unsigned char>(bytes[2 * i]);
        const auto high = static_cast<unsigned char>(bytes[2 * i + 1]);
        samples[i] = static_cast<std::int16_t>(std::uint16_t(low | (high << 8)));
    }
    return samples;
}

} // namespace

double steadySeconds() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double>(now).count();
}

Recording Recording::load(const std::string& dir, int rate, double until) {
    const double giveUp = steadySeconds() + 2.0;
    std::vector<Arrival> arrivals = readLog(dir + "/recording.log");
    while ((arrivals.empty() || arrivals.back().seconds < until) && steadySeconds() < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        arrivals = readLog(dir + "/recording.log");
    }
    Recording recording;
    recording.rate = rate;
    if (!arrivals.empty()) {
        recording.origin = originOf(arrivals, rate);
        recording.samples = readSamples(dir + "/recording.raw");
        recording.samples.resize(
            std::min(recording.samples.size(), std::size_t(arrivals.back().bytes / 2)));
    }
    return recording;
}

double Recording::timeAfterSample(std::size_t index) const {
    return origin + double(index + 1) / rate;
}

std::vector<Span> Recording::spans(double from, double to, double gap) const {
    std::vector<Span> found;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double played = timeAfterSample(i);
        if (played < from || played > to || std::abs(samples[i]) < loudness) {
            continue;
        }
        if (!found.empty() && played - found.back().end <= gap) {
            found.back().end = played;
        } else {
            found.push_back({played - 1.0 / rate, played});
        }
    }
    return found;
}

} // namespace zandor::audiotest
