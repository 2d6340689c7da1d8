// Plays games one after another through the engine as a player's clicks would: choose the card
// count, choose the game type, press Start. A player who can no longer afford the cards exits
// and restarts the program, which gives a fresh game with the starting balance.
#pragma once

#include "engine/game.h"
#include "sim/null_sound_player.h"
#include "sim/null_view.h"
#include "sim/statistics.h"

#include <memory>

namespace zandor {

class Simulator {
public:
    // cards: 1..3; gameType: a selgametype index 0..8; observer may be null.
    Simulator(RandomSource& random, int cards, int gameType, GameObserver* observer = nullptr);
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    GameOutcome playGame();

    long long restarts() const { return restarts_; }
    const Game& game() const { return *game_; }

private:
    void startProgram();
    bool buyCards(); // false when the balance does not cover the cards

    NullView view_;
    NullSoundPlayer sound_;
    RandomSource& random_;
    const int cards_;
    const int gameType_;
    GameObserver* const observer_;
    std::unique_ptr<Game> game_;
    long long restarts_ = 0;
};

} // namespace zandor
