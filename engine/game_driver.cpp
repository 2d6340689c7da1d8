// The game driver: one press of Start plays one game, from the stake to the clean-up.
#include "engine/decimal_text.h"
#include "engine/game.h"

namespace zandor {

void Game::StartButton_Click() {
    // Start is disabled during a game; a stray click must not start a second one inside it.
    if (playing_ || ending_) {
        return;
    }
    addSaturating(state_.no_of_games, 1);
    view_.setStatusPanel(3, withNumber("Number = ", state_.no_of_games));
    PlayGame();
    if (ending_) {
        return;
    }
    view_.setEnabled(Ctl::pausebutton, false);
    view_.setStatusPanel(1, "Game = ");
    ResetCards();
    // Last, so that the focus coming back to the card count does not talk over it.
    if (!result_.empty()) {
        view_.announce(result_);
        result_.clear();
    }
}

void Game::PlayGame() {
    if (playing_ || ending_) {
        return;
    }
    playing_ = true;
    view_.setEnabled(Ctl::pausebutton, true);
    view_.setEnabled(Ctl::StartButton, false);
    view_.setEnabled(Ctl::SelectNoGames, false);
    setPrintCommandEnabled(false);
    state_.win = 0;
    chooseGameType();
    if (chargeStake()) {
        state_.maxrecord = kNumberCount;
        for (int k = 1; k <= kNumberCount; ++k) {
            state_.NumberPool[k] = static_cast<std::int16_t>(k);
        }
        dealTenCards();
        showPlayersCards();
        markFreeCentres();
        callUntilWon();
    }
    playing_ = false;
    if (!ending_) {
        setPrintCommandEnabled(true);
    }
}

void Game::callUntilWon() {
    const int bound = state_.maxrecord;
    for (int n = 0; n <= bound; ++n) {
        CallGame(state_.win);
        if (ending_) {
            return;
        }
        if (state_.win == 1) {
            for (Ctl frame : kPlayersFrames) {
                view_.setBackColor(frame, 0, kLightYellow);
            }
            return;
        }
        view_.processEvents();
        if (ending_) {
            return;
        }
        view_.repaint();
        CallerPause();
        if (ending_) {
            return;
        }
    }
}

void Game::CallerPause() {
    constexpr int kSlices = 10;
    const int v = view_.value(Ctl::Slider1);
    const int slice = v > 0 ? v * (kPauseMillisecondsPerSpeedStep / kSlices) : 0;
    for (int i = 0; i < kSlices; ++i) {
        view_.processEvents();
        if (ending_) {
            return;
        }
        if (slice > 0) {
            view_.sleep(slice);
        }
    }
}

void Game::ResetCards() {
    showChoosingControls();
    view_.setFocus(Ctl::sel0, 1);
    sel0_Click();
    for (int k = 1; k <= kNumberCount; ++k) {
        view_.setBackColor(Ctl::Label1, k, kWhite);
    }
    for (int cell = 1; cell <= kCellCount; ++cell) {
        for (Ctl grid : kPlayersGrids) {
            view_.setBackColor(grid, cell, kWhite);
            view_.setCaption(grid, cell, " ");
        }
        for (int card = 1; card <= kCardCount; ++card) {
            state_.Cards[card].cell[cell].mark = 0;
        }
    }
}

void Game::hideCardsAndStopButtons() {
    for (Ctl frame : kPlayersFrames) {
        view_.setVisible(frame, false);
    }
    view_.setEnabled(Ctl::StartButton, false);
    view_.setEnabled(Ctl::pausebutton, false);
}

// No cards on show, Start and Pause off, the card count open to choose.
void Game::showChoosingControls() {
    hideCardsAndStopButtons();
    view_.setEnabled(Ctl::SelectNoGames, true);
}

void Game::setPrintCommandEnabled(bool enabled) {
    view_.setEnabled(Ctl::PrintButton, enabled);
    view_.setEnabled(Ctl::mnuFilePrint, enabled);
}

} // namespace zandor
