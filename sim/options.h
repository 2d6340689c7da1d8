// The simulator's command line: what to play, how often, with which generator, and whether to
// check every game.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zandor {

struct SimOptions {
    long long games = 10000;
    int cards = 1;    // 1..3
    int gameType = 0; // selgametype index: 0 random, 1 vertical, 2 horizontal, 3 diagonal, 4..8
    std::optional<std::uint64_t> seed; // none: the clock-reseeded generator
    bool check = false;
    bool help = false;
};

// Options, or a one-line description of what is wrong with the command line.
struct ParsedOptions {
    SimOptions options;
    std::string error;
};

ParsedOptions parseOptions(const std::vector<std::string_view>& arguments);

// The name of a selgametype index as the simulator prints and accepts it.
std::string_view gameTypeName(int gameType);

extern const char* const kUsage;

} // namespace zandor
