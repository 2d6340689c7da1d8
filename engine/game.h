// The main window's game procedures, under their own names, over a GameState. Everything the
// player sees goes through GameView; randomness and sound come in through their interfaces.
#pragma once

#include "engine/game_state.h"
#include "engine/game_view.h"
#include "engine/random_source.h"
#include "engine/sound_player.h"

#include <array>
#include <string>

namespace zandor {

// The player's card grids and their frames, for cards 1, 2 and 3.
constexpr std::array<Ctl, 3> kPlayersGrids = {Ctl::Label3, Ctl::Label4, Ctl::Label5};
constexpr std::array<Ctl, 3> kPlayersFrames = {Ctl::GAME1, Ctl::Game2, Ctl::Game3};

class Game {
public:
    // programFolder: the folder that holds the program; sounds are read from its sounds/.
    Game(GameView& view, RandomSource& random, SoundPlayer& sound, std::string programFolder);

    GameState& state() { return state_; }
    const GameState& state() const { return state_; }

    // The window's starting state at load: card frames hidden, Start and Pause disabled,
    // card-count options enabled, empty card records, balance 60.
    void loadStartingState();

    // The program is ending: a running game stops at its next yield, sound or modal (whose
    // waits the window ends), and touches the window no more. A win found by then is still
    // paid, without announcement.
    void programEnding() { ending_ = true; }
    bool isPlaying() const { return playing_; }

    // Game driver.
    void StartButton_Click();
    void PlayGame();
    void CallerPause();
    void ResetCards();

    // Card dealing into DealtCard.
    void DealCards();

    // Card count and stake.
    void sel0_Click();
    void sel1_Click();
    void sel2_Click();
    void sel3_Click();

    // Caller, win detection and settlement.
    void CallGame(std::int16_t& win);
    void hasanyonewon(std::int16_t& win);
    void DeclareWinner(int card);

    // The player's controls during a game.
    void Label3_Click(int index);
    void Label4_Click(int index);
    void Label5_Click(int index);
    void automancheck_Click();
    void pausebutton_Click();

    // Print command: deals and prints cards for play on paper instead of calling them.
    void mnuFilePrint_Click();

    void Wav(const std::string& file);

private:
    bool ignoresCardCountClicks() const;
    void selectCardCount(int cards);
    void chooseGameType();
    bool chargeStake();
    void dealTenCards();
    void showPlayersCards();
    void markFreeCentres();
    void callUntilWon();
    void hideCardsAndStopButtons();
    void showChoosingControls();
    void setPrintCommandEnabled(bool enabled);
    void markPlayersCells(int number);
    void indexNumbers();
    void markCardRecords(int number);
    void removeFromPool(int position);
    void announceComputerWin(int card);
    void announcePlayerWin();
    void toggleMark(Ctl grid, int index);
    int playerCardCount() const;

    GameView& view_;
    RandomSource& random_;
    SoundPlayer& sound_;
    GameState state_;
    std::array<std::string, kNumberCount + 1> numberSound_;
    std::string bingoSound_;
    // The cards the call in progress marked, lowest first, with the cell marked on each, for the
    // win check that follows. Before a call no card had a complete line, or the game would be
    // over, so only lines through these cells can have completed. The check empties it.
    struct CallMarks {
        int count = 0;
        std::array<std::uint8_t, kCardCount> card{};
        std::array<std::uint8_t, kCardCount> cell{};
    };
    CallMarks callMarks_;

    // The cell of each number on each card (0: not on it), taken by the first call after a deal
    // from the cards' numbers, which stay put until the next deal. Spares every call a search.
    std::array<std::array<std::uint8_t, kCardCount + 1>, kNumberCount + 1> cellOfNumber_{};
    bool numbersIndexed_ = false;
    bool playing_ = false;
    bool ending_ = false;
    // What the game's settlement did to the balance, said once the board is cleared.
    std::string result_;
};

} // namespace zandor
