// Shared pieces of the engine tests: a scripted random source, a recording sound player and a
// fixture holding a game over the fake view.
#pragma once

#include "engine/game.h"
#include "fake_game_view.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

namespace zandor::test {

constexpr float kJustBelowOne = 0x1.fffffep-1f; // the largest float below 1

// r that draws position p out of n.
inline float drawing(int p, int n) {
    return (static_cast<float>(p) - 0.5f) / static_cast<float>(n);
}

// Plays back a fixed list of values, then repeats a fallback value for ever.
class ScriptedRandom final : public RandomSource {
public:
    void reseed() override { ++reseeds; }
    float next() override { return position < script.size() ? script[position++] : fallback; }

    std::vector<float> script;
    std::size_t position = 0;
    float fallback = 0.0f;
    int reseeds = 0;
};

class RecordingSound final : public SoundPlayer {
public:
    explicit RecordingSound(FakeGameView& view) : view_(view) {}
    void playSync(const std::string& path) override {
        played.push_back(path);
        view_.log.push_back("sound " + path);
    }
    std::vector<std::string> played;

private:
    FakeGameView& view_;
};

// The draws of a game: the game-type draw, then 25 per card, with the cards named in lowCards
// dealt from r = 0 (B column 1, 2, 3, 4, 5) and the rest from r just below 1 (B 15 down to 11).
// With calls at r = 0 (numbers 1, 2, 3, ... in turn) the low cards complete column B first.
inline std::vector<float> dealWithLowCards(std::initializer_list<int> lowCards) {
    std::vector<float> draws{0.0f};
    for (int card = 1; card <= kCardCount; ++card) {
        bool low = false;
        for (int c : lowCards) {
            low = low || c == card;
        }
        draws.insert(draws.end(), kCellCount, low ? 0.0f : kJustBelowOne);
    }
    return draws;
}

class GameTest : public ::testing::Test {
protected:
    GameTest() {
        view.select(Ctl::sel0, 1);
        view.select(Ctl::selgametype, 0);
        game.loadStartingState();
        view.log.clear();
    }

    void buy(int cards) {
        const Ctl options[] = {Ctl::sel0, Ctl::sel1, Ctl::sel2, Ctl::sel3};
        view.select(options[cards], 1);
        switch (cards) {
        case 0:
            game.sel0_Click();
            break;
        case 1:
            game.sel1_Click();
            break;
        case 2:
            game.sel2_Click();
            break;
        default:
            game.sel3_Click();
            break;
        }
    }

    // Buys cards, fixes the game type and the draws, and presses Start.
    void play(int cards, int gameTypeOption, std::vector<float> draws) {
        buy(cards);
        view.select(Ctl::selgametype, gameTypeOption);
        random.script = std::move(draws);
        game.StartButton_Click();
    }

    FakeGameView view;
    ScriptedRandom random;
    RecordingSound sound{view};
    Game game{view, random, sound, "/opt/zandor"};
    GameState& state = game.state();
};

} // namespace zandor::test
