// Shared pieces of the engine tests: scripted draws and a game over the fake view.
#pragma once

#include "engine/game.h"
#include "fake_game_view.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace zandor::test {

constexpr float kJustBelowOne = 0x1.fffffep-1f; // the largest float below 1

// The draw r that picks position p out of n.
inline float drawing(int p, int n) {
    return (static_cast<float>(p) - 0.5f) / static_cast<float>(n);
}

// Plays back a list of draws, then draws 0.
class ScriptedRandom final : public RandomSource {
public:
    void reseed() override {}
    float next() override { return position < script.size() ? script[position++] : 0.0f; }

    std::vector<float> script;
    std::size_t position = 0;
};

// The draws of a game: the game-type draw, then 25 per card. The cards in lowCards are dealt
// from r = 0 (column B 1, 2, 3, 4, 5), the rest from r just below 1 (B 15 down to 11), so with
// calls at r = 0 (1, 2, 3, ... in turn) the low cards complete column B on the fifth call.
inline std::vector<float> dealWithLowCards(std::initializer_list<int> lowCards) {
    std::vector<float> draws{0.0f};
    for (int card = 1; card <= kCardCount; ++card) {
        const bool low = std::find(lowCards.begin(), lowCards.end(), card) != lowCards.end();
        draws.insert(draws.end(), kCellCount, low ? 0.0f : kJustBelowOne);
    }
    return draws;
}

class GameTest : public ::testing::Test {
protected:
    GameTest() {
        game.loadStartingState();
        view.log.clear();
    }

    void buy(int cards) {
        view.select(std::array{Ctl::sel0, Ctl::sel1, Ctl::sel2, Ctl::sel3}[cards], 1);
        (game.*std::array{&Game::sel0_Click, &Game::sel1_Click, &Game::sel2_Click,
                          &Game::sel3_Click}[cards])();
    }

    // Buys cards, picks the game-type option, scripts the draws and presses Start.
    void play(int cards, int gameTypeOption, std::vector<float> draws) {
        buy(cards);
        view.select(Ctl::selgametype, gameTypeOption);
        random.script = std::move(draws);
        random.position = 0;
        game.StartButton_Click();
    }

    FakeGameView view;
    ScriptedRandom random;
    Game game{view, random, view, "/opt/zandor"};
    GameState& state = game.state();
};

} // namespace zandor::test
