// wav-timing: measures how long after a sound's real end the wave player returns, for the
// sound-timing benchmark.
//
//   wav-timing stamp RAW LOG
//       Copies the recorder's samples from standard input to RAW and logs, for every block,
//       "<steady seconds> <bytes so far>" to LOG.
//   wav-timing measure DIR RATE CALLS FILE...
//       Plays CALLS sounds (cycling through the files) with a short held-input pause between
//       them, then reads the recording in DIR and prints, per call and in summary, Wav's return
//       minus the moment the sound's last sample was played, in milliseconds.
#include "bench/sound_recording.h"
#include "platform/qt/held_input_wait.h"
#include "platform/qt/wave_player.h"
#include "platform/wave_file.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

using zandor::audiotest::Recording;
using zandor::audiotest::steadySeconds;

namespace {

// Long enough that the window searched for one call's sound never reaches the next one.
constexpr int pauseBetweenCallsMs = 300;
constexpr int loudness = 330; // about -40 dBFS, as the recording's spans use

int stamp(const char* rawPath, const char* logPath) {
    FILE* raw = std::fopen(rawPath, "wb");
    FILE* log = std::fopen(logPath, "w");
    if (raw == nullptr || log == nullptr) {
        return 1;
    }
    std::vector<char> block(1 << 16);
    long long total = 0;
    for (;;) {
        const ssize_t got = read(STDIN_FILENO, block.data(), block.size());
        if (got <= 0) {
            break;
        }
        const double arrived = steadySeconds();
        total += got;
        std::fwrite(block.data(), 1, std::size_t(got), raw);
        std::fflush(raw);
        std::fprintf(log, "%.6f %lld\n", arrived, total);
        std::fflush(log);
    }
    std::fclose(raw);
    std::fclose(log);
    return 0;
}

struct Call {
    double start;
    double returned;
};

// How long a file goes on after its last loud sample (a fading tail, trailing silence): the
// recording shows where the loud part ended, and the sound really ends this much later.
double quietTailSeconds(const std::string& path, int rate) {
    const zandor::PcmSound sound = zandor::readWaveFile(path, 1, rate);
    std::size_t last = sound.samples.size();
    while (last > 0 && std::abs(sound.samples[last - 1]) < loudness) {
        --last;
    }
    return double(sound.samples.size() - last) / rate;
}

double percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    return values[std::size_t(fraction * double(values.size() - 1) + 0.5)];
}

int measure(const std::string& dir, int rate, int calls, const std::vector<std::string>& files) {
    zandor::QtWavePlayer player;
    std::vector<Call> made;
    for (int i = 0; i < calls; ++i) {
        const double start = steadySeconds();
        player.playSync(files[std::size_t(i) % files.size()]);
        made.push_back({start, steadySeconds()});
        zandor::waitHoldingInput(pauseBetweenCallsMs);
    }
    const Recording recording = Recording::load(dir, rate, steadySeconds() + 0.1);
    std::vector<double> lateMs;
    for (std::size_t i = 0; i < made.size(); ++i) {
        // Until half-way through the pause: a call that returned that early is reported too.
        const double until = made[i].returned + pauseBetweenCallsMs / 2000.0;
        const auto spans = recording.spans(made[i].start, until);
        if (spans.empty()) {
            std::printf("call %zu: no sound recorded\n", i + 1);
            continue;
        }
        const double end = spans.back().end + quietTailSeconds(files[i % files.size()], rate);
        lateMs.push_back((made[i].returned - end) * 1000.0);
        std::printf("call %zu: returned %+.1f ms after the end\n", i + 1, lateMs.back());
    }
    if (lateMs.empty()) {
        std::printf("nothing was recorded\n");
        return 1;
    }
    const auto [earliest, latest] = std::minmax_element(lateMs.begin(), lateMs.end());
    std::printf("Wav return minus the sound's real end over %zu calls: median %+.1f ms, "
                "95th percentile %+.1f ms, worst (latest) %+.1f ms, earliest %+.1f ms%s\n",
                lateMs.size(), percentile(lateMs, 0.5), percentile(lateMs, 0.95), *latest,
                *earliest, *earliest < 0.0 ? "  EARLY!" : "");
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "stamp" && argc == 4) {
        return stamp(argv[2], argv[3]);
    }
    if (command == "measure" && argc >= 6) {
        QCoreApplication app(argc, argv);
        return measure(argv[2], std::atoi(argv[3]), std::atoi(argv[4]),
                       std::vector<std::string>(argv + 5, argv + argc));
    }
    std::fprintf(stderr, "usage: wav-timing stamp RAW LOG\n"
                         "       wav-timing measure DIR RATE CALLS FILE...\n");
    return 2;
}
