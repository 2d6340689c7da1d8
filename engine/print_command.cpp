// The print command: deals a game as Start does, but the first call prints the window with the
// fresh cards instead of calling a number. Print mode lasts for that one game only.
#include "engine/game.h"

namespace zandor {

void Game::mnuFilePrint_Click() {
    // The command is disabled while a game runs; printing then would end that game unplayed.
    if (playing_ || ending_) {
        return;
    }
    if (view_.isSelected(Ctl::sel0, 1)) {
        view_.messageBox("Please select number of cards before printing.");
        return;
    }
    state_.paper_play = 1;
    for (Ctl frame : kPlayersFrames) {
        view_.setVisible(frame, true); // all three, whatever the number of cards bought
    }
    PlayGame();
    state_.paper_play = 0;
    if (ending_) {
        return;
    }
    ResetCards();
}

} // namespace zandor
