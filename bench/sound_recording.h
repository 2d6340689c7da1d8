// What the test sound server actually played, read back from the recorder on its monitor:
// the raw samples and, for each block, the moment it arrived. From these every recorded
// sample gets a time on the steady clock, the clock the player's callers read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zandor::audiotest {

// Seconds on the steady (monotonic) clock, shared by every process on the machine.
double steadySeconds();

struct Span {
    double start; // when the first loud sample was played, steady seconds
    double end;   // when the last loud sample had been played
    double length() const { return end - start; }
};

class Recording {
public:
    // Reads `dir`/recording.raw (mono signed 16-bit little-endian at `rate` Hz) and
    // `dir`/recording.log ("<steady seconds> <bytes so far>" per block), first waiting (up to
    // two seconds) until the recorder has received everything played up to `until`.
    static Recording load(const std::string& dir, int rate, double until);

    bool empty() const { return samples.empty(); }
    // The stretches of sound between `from` and `to`: runs of samples louder than about
    // -40 dBFS, where pauses shorter than `gap` seconds (a sine's zero crossings, a breath in
    // speech) do not split a stretch.
    std::vector<Span> spans(double from, double to, double gap = 0.03) const;

private:
    double timeAfterSample(std::size_t index) const;

    std::vector<std::int16_t> samples;
    int rate = 0;
    double origin = 0.0; // when the first recorded sample started playing
};

} // namespace zandor::audiotest
