// Setting up a game: the starting state, the game type and jackpot, the stake, the deal of ten
// cards and the free centres.
#include "engine/decimal_text.h"
#include "engine/game.h"

namespace zandor {
namespace {

constexpr int kGameTypeOptions = 9; // selgametype 0..8

struct GameType {
    const char* word;
    std::int16_t jackpot;
};

GameType gameTypeOf(int code) {
    switch (code) {
    case 1:
        return {"vertical", 24};
    case 2:
        return {"horizontal", 48};
    default:
        return {"diagonal", 60};
    }
}

} // namespace

Game::Game(GameView& view, RandomSource& random, SoundPlayer& sound, std::string programFolder)
    : view_(view), random_(random), sound_(sound) {
    if (!programFolder.empty() && programFolder.back() != '/') {
        programFolder += '/';
    }
    const std::string sounds = programFolder + "sounds/";
    for (int n = 1; n <= kNumberCount; ++n) {
        numberSound_[n] = sounds + std::string(DecimalText(n).view()) + ".wav";
    }
    bingoSound_ = sounds + "bingo.wav";
}

void Game::loadStartingState() {
    showChoosingControls();
    for (int card = 1; card <= kCardCount; ++card) {
        state_.Cards[card] = state_.CardTemplate;
    }
    numbersIndexed_ = false;
    state_.balance = 60;
    state_.no_of_games = 0;
    state_.paper_play = 0;
}

void Game::chooseGameType() {
    random_.reseed();
    int code = drawPosition(random_, 3);
    for (int index = 0; index < kGameTypeOptions; ++index) {
        if (view_.isSelected(Ctl::selgametype, index)) {
            if (index >= 1 && index <= 3) {
                code = index;
            }
            break;
        }
    }
    const GameType type = gameTypeOf(code);
    state_.gametype = type.word;
    state_.jackpot = type.jackpot;
    view_.setStatusPanel(1, "Game = " + state_.gametype);
    view_.setStatusPanel(4, withNumber("Jackpot = $", state_.jackpot));
}

bool Game::chargeStake() {
    if (view_.isSelected(Ctl::sel1, 1)) {
        state_.balance -= kStakePerCard;
    }
    if (view_.isSelected(Ctl::sel2, 1)) {
        state_.balance -= 2 * kStakePerCard;
    }
    if (view_.isSelected(Ctl::sel3, 1)) {
        state_.balance -= 3 * kStakePerCard;
    }
    if (state_.balance < 0) {
        view_.messageBox("You do not have enough cash - try again");
        state_.balance = 60;
        if (!ending_) {
            view_.setEnabled(Ctl::pausebutton, false);
            view_.setEnabled(Ctl::StartButton, false);
            view_.setEnabled(Ctl::SelectNoGames, false);
        }
        return false;
    }
    view_.setStatusPanel(2, withNumber("Balance = $", state_.balance));
    return true;
}

void Game::dealTenCards() {
    for (int card = 1; card <= kCardCount; ++card) {
        DealCards();
        for (int cell = 1; cell <= kCellCount; ++cell) {
            state_.Cards[card].cell[cell].number = state_.DealtCard[cell].number;
        }
    }
    numbersIndexed_ = false;
}

void Game::showPlayersCards() {
    const int cards = playerCardCount();
    for (int cell = 1; cell <= kCellCount; ++cell) {
        for (int card = 1; card <= cards; ++card) {
            const DecimalText number(state_.Cards[card].cell[cell].number);
            view_.setCaption(kPlayersGrids[card - 1], cell, number.view());
        }
    }
}

void Game::markFreeCentres() {
    // On all three grids, whatever the number of cards bought.
    for (Ctl grid : kPlayersGrids) {
        view_.setBackColor(grid, kFreeCentre, kRed);
    }
    for (Ctl grid : kPlayersGrids) {
        view_.setCaption(grid, kFreeCentre, "0");
    }
    for (int card = 1; card <= kCardCount; ++card) {
        state_.Cards[card].cell[kFreeCentre].mark = 1;
    }
}

// The card count the options say, tested in the order sel1, sel2, sel3 (0 when none is).
int Game::playerCardCount() const {
    if (view_.isSelected(Ctl::sel1, 1)) {
        return 1;
    }
    if (view_.isSelected(Ctl::sel2, 1)) {
        return 2;
    }
    if (view_.isSelected(Ctl::sel3, 1)) {
        return 3;
    }
    return 0;
}

} // namespace zandor
