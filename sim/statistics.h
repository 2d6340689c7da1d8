// The figures of a simulation run: the player's wins and return, calls per game and the wins of
// each computer player.
#pragma once

#include "sim/players.h"

#include <string>

namespace zandor {

// How one game ended, from the player's side.
struct GameOutcome {
    std::string winner; // "you" or a computer player's name
    int calls = 0;      // numbers called, the winning one included
    int balanceChange = 0;
};

class Statistics {
public:
    void record(const GameOutcome& outcome);

    long long games() const { return games_; }
    long long playerWins() const { return playerWins_; }
    long long computerWins(std::size_t player) const { return computerWins_[player]; }
    double playerWinRate() const { return perGame(playerWins_); }
    double meanCalls() const { return perGame(totalCalls_); }
    double meanReturn() const { return perGame(totalReturn_); }

    bool operator==(const Statistics& other) const;
    bool operator!=(const Statistics& other) const { return !(*this == other); }

private:
    double perGame(long long total) const;

    long long games_ = 0;
    long long playerWins_ = 0;
    long long totalCalls_ = 0;
    long long totalReturn_ = 0; // dollars
    std::array<long long, kComputerPlayers.size()> computerWins_{};
};

} // namespace zandor
