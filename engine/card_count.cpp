// The card-count options: show the frames of the cards bought and enable Start when the balance
// covers the stake; otherwise warn and change nothing.
#include "engine/game.h"

namespace zandor {
namespace {

const char* const kNotEnoughCash[] = {
    "",
    "You do not have enough cash, you need to exit and restart.",
    "You do not have enough cash to play two cards.",
    "You do not have enough cash to play three cards",
};

} // namespace

void Game::sel0_Click() {
    if (ignoresCardCountClicks()) {
        return;
    }
    hideCardsAndStopButtons();
}

void Game::sel1_Click() {
    selectCardCount(1);
}

void Game::sel2_Click() {
    selectCardCount(2);
}

void Game::sel3_Click() {
    selectCardCount(3);
}

// The options sit in a frame that is disabled during a game; a stray click there is ignored, as
// is one after the program has begun to end. The clean-up after a game selects sel0 once the
// game is over, so it still reaches sel0's handler.
bool Game::ignoresCardCountClicks() const {
    return playing_ || ending_;
}

void Game::selectCardCount(int cards) {
    if (ignoresCardCountClicks()) {
        return;
    }
    if (state_.balance - cards * kStakePerCard < 0) {
        view_.messageBox(kNotEnoughCash[cards]);
        return;
    }
    for (int frame = 0; frame < 3; ++frame) {
        view_.setVisible(kPlayersFrames[frame], frame < cards);
    }
    view_.setEnabled(Ctl::StartButton, true);
    view_.setEnabled(Ctl::pausebutton, false);
}

} // namespace zandor
